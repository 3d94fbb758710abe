#pragma once

#include "graph/TickScale.h"

namespace spurline {

// Where the parts of the graph sit, in graph units: x is MHz x 10, y runs from 0 at the bottom
// to 100 at the top. Computed once per drawing from the view, the pixel size and the height of
// the graph font.
struct GraphLayout {
    AxisRange axis;
    double pxX = 0; // one device pixel in x units
    double pxY = 0; // one device pixel in y units
    double H = 0;   // height of "##" in the graph font, y units
    double axisY = 0;
    double barBase = 0; // bottom of every box above the axis
    double midY = 0;    // half height of the plot area
    double topY = 0;    // top of the receiver and transmitter boxes
    double legendY = 0; // top of the legend line
    double tickTop = 0; // upper end of the tick marks
};

GraphLayout LayoutFor(double ViewLow, double ViewHigh, double pxX, double pxY, double H);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// Height of a product's bar as a share of the plot area: lower orders stand taller.
double BarHeightFactor(int order);

// A product's sort tag read back: its order and its bandwidth in whole kHz.
struct DecodedTag {
    int order = 0;
    long long bandwidthKhz = 0;
};
DecodedTag DecodeTag(const std::string& tag);

} // namespace spurline
