#pragma once

#include "document/Locale.h"

#include <array>
#include <string>
#include <string_view>

namespace spurline {

// The three filter flags of the victim analysis.
struct VictimFilter {
    bool anyFrequency = true; // every product within the limits, no victim analysis
    bool showPlanned = false; // planned receivers that a product hits are victims
    bool showExisting = false;

    // Filter option index: 0 any frequency, 1 all receivers, 2 planned only, 3 existing only.
    static VictimFilter FromOption(int index);
};

// The options of the intermod panel that steer a calculation.
struct IntermodOptions {
    // Order boxes 2, 3, 5, 7 and 9 (indexed by order); other indexes are ignored.
    std::array<bool, 10> orders{};
    bool harmonics = true;        // harmonics, sum products and all second-order products
    bool worstCase = true;        // half-bandwidth = sum of |coefficient| x component's
    bool threeFrequencies = true; // three-transmitter products
    VictimFilter filter;
    // The texts of the lower and upper limit boxes (MHz); empty means 0 and no upper limit.
    std::string lowerLimit;
    std::string upperLimit;

    bool order(int n) const { return n >= 0 && n < 10 && orders[static_cast<std::size_t>(n)]; }
    void setOrder(int n, bool on) {
        if (n >= 0 && n < 10) {
            orders[static_cast<std::size_t>(n)] = on;
        }
    }

    // The settings of a first run: orders 2 and 3, harmonics, worst case and three-transmitter
    // products on, any frequency, no limits.
    static IntermodOptions Defaults();
};

// The limits of a calculation in MHz.
struct CalculationLimits {
    double lower = 0;
    double upper = 0;
};

// Lower: the leading number of its text. Upper: the leading number when the text is numeric,
// otherwise 1000000.
CalculationLimits ReadLimits(std::string_view lowerText, std::string_view upperText,
                             const Locale& locale);

} // namespace spurline
