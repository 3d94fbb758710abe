#pragma once

#include "output/PagePrinter.h"

#include <string_view>

namespace spurline {

// The print position of the printed report: text goes at character columns (1-based, one column
// the average character width of Arial 10, counted from the left of the printable area), lines
// flow down and onto a new page when the next one does not fit. Page breaks wait for something to
// draw, so a page is never left blank.
class PrintFlow {
public:
    explicit PrintFlow(IPagePrinter& printer);

    // Arial 10, bold or regular; the columns keep the regular font's width.
    void SetFont(bool bold);
    // Moves to a column; a column the line has already passed continues on the next line, and
    // a text ending less than a blank before the column pushes it right to keep a blank between.
    void Tab(int column);
    // The next print zone (zones are 14 columns wide).
    void NextZone();
    // Prints at the position; what would run past the printable area's right edge continues on
    // the next lines at the same position.
    void Print(std::string_view text);
    // Ends the line (an empty line when nothing was printed on it).
    void EndLine();
    // The next line starts at column 1, y inches from the top.
    void MoveTo(double y);
    void Picture(double left, double top, double width, double height);
    void Rectangle(double left, double top, double right, double bottom);
    void NewPage();
    // Ends the document when anything was drawn.
    void EndDoc();

    double columnWidth() const { return columnWidth_; }
    int pagesDrawn() const { return pages_; }

private:
    void StartLine();
    void Draw();
    // Bytes of text that fit in room inches: up to the last blank that fits, else as many whole
    // characters as fit.
    std::size_t Fitting(std::string_view text, double room) const;

    IPagePrinter& printer_;
    double columnWidth_ = 0;
    double x_ = 0;
    double y_ = 0;
    double textEnd_ = 0; // where the last text on the line ended; 0 when none
    bool lineStarted_ = false;
    bool pageDirty_ = false;
    bool breakPending_ = false;
    int pages_ = 0;
};

// The average character width (inches) of the printer's current font, as the classic font tables
// define it: the widths of the lower-case letters and the space weighted by their frequency in
// English text. Fonts that stand in for Arial with the same widths give Arial's value.
double AverageCharWidth(const IPagePrinter& printer);

} // namespace spurline
