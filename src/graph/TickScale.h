#pragma once

#include "document/Locale.h"

#include <string>

namespace spurline {

// The frequency axis under a view: how far apart its ticks are and where it starts and ends.
// x units are tenths of a MHz.

// Tick spacing in x units for a view width in MHz (100000 gives 100000, 3 gives 10, 1 gives 2).
long long TickStep(double viewWidthMHz);

struct AxisRange {
    long long step = 2;  // x units between ticks
    long long first = 0; // x of the lowest tick, one step below the view's lower edge
    long long last = 0;  // x of the tick at or above the view's upper edge plus one step
    double lowMHz() const { return static_cast<double>(first) / 10; }
    double highMHz() const { return static_cast<double>(last) / 10; }
};

// The axis for a view (MHz). Ticks are drawn at first + step, first + 2 step ... last.
AxisRange AxisFor(double ViewLow, double ViewHigh);

// A value in the locale's general number format: its shortest form with up to 15 significant
// digits, no grouping, the locale's decimal separator (450, 0.2, 12,5).
std::string GeneralNumber(double value, const Locale& locale);

} // namespace spurline
