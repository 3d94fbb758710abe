#include "graph/GraphLayout.h"

#include <charconv>
#include <cmath>
#include <string>

namespace spurline {

double RoundHalfEven(double value) {
    // The default floating-point rounding mode sends halves to even.
    return std::nearbyint(value);
}

GraphLayout LayoutFor(double ViewLow, double ViewHigh, double pxX, double pxY, double H) {
    GraphLayout layout;
    layout.axis = AxisFor(ViewLow, ViewHigh);
    layout.pxX = pxX;
    layout.pxY = pxY;
    layout.H = H;
    layout.axisY = 2 * H;
    layout.barBase = layout.axisY + 1;
    layout.midY = layout.axisY + (100 - layout.axisY) * 0.5;
    layout.topY = layout.axisY + (100 - layout.axisY) * 0.9;
    layout.legendY = layout.axisY / 2 + 2 * pxY;
    layout.tickTop = RoundHalfEven(layout.axisY + 5);
    return layout;
}

double BarHeightFactor(int order) {
    switch (order) {
    case 2:
        return 0.5;
    case 3:
        return 0.4;
    case 5:
        return 0.3;
    case 7:
        return 0.2;
    default:
        return 0.1;
    }
}

DecodedTag DecodeTag(const std::string& tag) {
    constexpr double OrderUnit = 16777216; // 2 to the 24th: the order sits above the low 24 bits
    double T = 0;
    const char* first = tag.data();
    const char* last = tag.data() + tag.size();
    while (first != last && *first == ' ') {
        ++first;
    }
    if (std::from_chars(first, last, T).ec != std::errc{} || !std::isfinite(T) ||
        std::fabs(T) > 1e15) {
        T = 0; // a tag that does not read as a number draws as an empty band of no order
    }
    DecodedTag decoded;
    decoded.order = static_cast<int>(RoundHalfEven(T / OrderUnit));
    decoded.bandwidthKhz =
        static_cast<long long>(RoundHalfEven(T)) % static_cast<long long>(OrderUnit);
    return decoded;
}

} // namespace spurline
