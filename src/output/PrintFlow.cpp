#include "output/PrintFlow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace spurline {

namespace {

constexpr int ZoneColumns = 14;
// Allows for rounding when a text ends exactly at a column.
constexpr double Tolerance = 1e-9;

FontSpec Arial10(bool bold) {
    FontSpec font;
    font.name = "Arial";
    font.size = 10;
    font.weight = bold ? 700 : 400;
    return font;
}

} // namespace

double AverageCharWidth(const IPagePrinter& printer) {
    static constexpr std::array<std::pair<char, int>, 27> Weights{{
        {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20},  {'g', 14},
        {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20},  {'n', 56},
        {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71},  {'u', 31},
        {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166},
    }};
    double sum = 0;
    for (const auto& [letter, weight] : Weights) {
        sum += weight * printer.TextWidth(std::string_view(&letter, 1));
    }
    return sum / 1000;
}

PrintFlow::PrintFlow(IPagePrinter& printer) : printer_(printer) {
    printer_.SetFont(Arial10(false));
    columnWidth_ = AverageCharWidth(printer_);
}

void PrintFlow::SetFont(bool bold) {
    printer_.SetFont(Arial10(bold));
}

void PrintFlow::StartLine() {
    if (lineStarted_) {
        return;
    }
    lineStarted_ = true;
    x_ = 0;
    textEnd_ = 0;
    if (y_ + printer_.LineHeight() > printer_.PrintableHeight() + Tolerance) {
        NewPage();
    }
}

void PrintFlow::Tab(int column) {
    const double at = (column - 1) * columnWidth_;
    if (lineStarted_ && x_ > at + Tolerance) {
        EndLine();
    }
    StartLine();
    // A text that ends at the column, or less than a blank before it, keeps a blank's distance
    // from the next, so that two cells never read as one.
    x_ = textEnd_ > 0 ? std::max(at, textEnd_ + printer_.TextWidth(" ")) : at;
}

void PrintFlow::NextZone() {
    StartLine();
    const double zone = ZoneColumns * columnWidth_;
    x_ = (std::floor(x_ / zone + Tolerance) + 1) * zone;
}

std::size_t PrintFlow::Fitting(std::string_view text, double room) const {
    std::size_t fits = 0;
    std::size_t blank = 0;
    for (std::size_t end = 1; end <= text.size(); ++end) {
        // Whole characters only: never between the bytes of one.
        if (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            continue;
        }
        if (printer_.TextWidth(text.substr(0, end)) > room + Tolerance) {
            break;
        }
        fits = end;
        if (end < text.size() && text[end] == ' ') {
            blank = end;
        }
    }
    return blank > 0 ? blank : fits;
}

void PrintFlow::Print(std::string_view text) {
    StartLine();
    const double column = x_;
    const double room = printer_.PrintableWidth() - column;
    // What does not fit before the right edge goes on continuation lines at the same column,
    // broken after a word where one ends in time. Where not one character fits, the text is
    // printed as it is.
    while (!text.empty()) {
        std::size_t piece = text.size();
        if (printer_.TextWidth(text) > room + Tolerance) {
            piece = Fitting(text, room);
            piece = piece > 0 ? piece : text.size();
        }
        Draw();
        const std::string_view shown = text.substr(0, piece);
        printer_.Text(x_, y_, shown);
        x_ += printer_.TextWidth(shown);
        textEnd_ = x_;
        text.remove_prefix(piece);
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
        if (!text.empty()) {
            EndLine();
            StartLine();
            x_ = column;
        }
    }
}

void PrintFlow::EndLine() {
    StartLine();
    y_ += printer_.LineHeight();
    lineStarted_ = false;
}

void PrintFlow::MoveTo(double y) {
    y_ = y;
    lineStarted_ = false;
}

void PrintFlow::Picture(double left, double top, double width, double height) {
    Draw();
    printer_.GraphPicture(left, top, width, height);
}

void PrintFlow::Rectangle(double left, double top, double right, double bottom) {
    Draw();
    printer_.Rectangle(left, top, right, bottom);
}

void PrintFlow::NewPage() {
    if (pageDirty_) {
        breakPending_ = true;
        pageDirty_ = false;
    }
    y_ = 0;
    x_ = 0;
}

void PrintFlow::Draw() {
    if (breakPending_) {
        breakPending_ = false;
        printer_.NewPage();
    }
    if (!pageDirty_) {
        pageDirty_ = true;
        ++pages_;
    }
}

void PrintFlow::EndDoc() {
    if (pages_ > 0) {
        printer_.EndDoc();
    }
}

} // namespace spurline
