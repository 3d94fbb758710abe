#include "graph/TickScale.h"

#include <array>
#include <charconv>
#include <cmath>

namespace spurline {

namespace {
struct StepRow {
    double above; // MHz
    long long step;
};
// The first row whose bound the width exceeds; a bound itself belongs to the row below it.
constexpr std::array<StepRow, 13> StepTable{{{100000, 250000},
                                             {50000, 100000},
                                             {30000, 50000},
                                             {10000, 25000},
                                             {5000, 10000},
                                             {3000, 5000},
                                             {1000, 2500},
                                             {500, 1000},
                                             {300, 500},
                                             {100, 250},
                                             {50, 100},
                                             {3, 25},
                                             {1, 10}}};
constexpr long long SmallestStep = 2;

long long FloorDiv(double value, long long step) {
    const double q = std::floor(value / static_cast<double>(step));
    // Far outside any view the program can set; keeps the integer conversion defined.
    constexpr double Limit = 1e15;
    if (!(q > -Limit)) {
        return static_cast<long long>(-Limit);
    }
    if (!(q < Limit)) {
        return static_cast<long long>(Limit);
    }
    return static_cast<long long>(q);
}
} // namespace

long long TickStep(double viewWidthMHz) {
    for (const auto& row : StepTable) {
        if (viewWidthMHz > row.above) {
            return row.step;
        }
    }
    return SmallestStep;
}

AxisRange AxisFor(double ViewLow, double ViewHigh) {
    AxisRange axis;
    axis.step = TickStep(ViewHigh - ViewLow);
    axis.first = (FloorDiv(10 * ViewLow, axis.step) - 1) * axis.step;
    axis.last = (FloorDiv(10 * ViewHigh, axis.step) + 1) * axis.step;
    return axis;
}

std::string GeneralNumber(double value, const Locale& locale) {
    if (value == 0) {
        value = 0; // no "-0"
    }
    // to_chars, unlike printf, ignores the process locale.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text;
    for (const char* p = buffer; p != result.ptr; ++p) {
        if (*p == '.') {
            text += locale.decimalSeparator;
        } else {
            text += *p;
        }
    }
    return text;
}

} // namespace spurline
