#include "output/PrintFlow.h"

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
    x_ = at;
}

void PrintFlow::NextZone() {
    StartLine();
    const double zone = ZoneColumns * columnWidth_;
    x_ = (std::floor(x_ / zone + Tolerance) + 1) * zone;
}

void PrintFlow::Print(std::string_view text) {
    StartLine();
    if (text.empty()) {
        return;
    }
    Draw();
    printer_.Text(x_, y_, text);
    x_ += printer_.TextWidth(text);
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
