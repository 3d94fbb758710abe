#pragma once

#include "engine/FrequencyFinder.h"

#include <array>
#include <cmath>
#include <random>
#include <string>

// Generated bands for the largest-clean-set search: a site spread over VHF, UHF and 800 MHz as
// at a real mast, and a raster of 12.5 kHz channels from 450 MHz.
namespace spurline::testing {

struct BandCase {
    const char* name;
    int candidates;
    int siteEntries;
    bool fifthOrder;       // orders 3 and 5, otherwise 3 alone
    bool threeFrequencies; // three-transmitter products
    FinderRole role;
    double spacingKHz;
};

inline constexpr std::array<BandCase, 12> BandCases{{
    {"both_100_site0", 100, 0, false, false, FinderRole::Both, 0},
    {"both_200_site10_3tx", 200, 10, false, true, FinderRole::Both, 0},
    {"both_400_site50", 400, 50, false, false, FinderRole::Both, 0},
    {"both_400_site50_o35", 400, 50, true, false, FinderRole::Both, 0},
    {"both_1000_site0_3tx", 1000, 0, false, true, FinderRole::Both, 0},
    {"both_1000_site30_o35", 1000, 30, true, false, FinderRole::Both, 0},
    {"tx_300_site20_3tx", 300, 20, false, true, FinderRole::Tx, 0},
    {"tx_600_site50_o35", 600, 50, true, false, FinderRole::Tx, 0},
    {"rx_400_site40_spacing", 400, 40, false, false, FinderRole::Rx, 30},
    {"both_150_site5_o35_3tx", 150, 5, true, true, FinderRole::Both, 0},
    {"both_800_site20_o35", 800, 20, true, false, FinderRole::Both, 25},
    {"both_250_site15_3tx", 250, 15, false, true, FinderRole::Both, 0},
}};

// To the list's five decimals.
inline double Round5(double mhz, double scale) {
    return std::round(mhz * scale) / scale;
}

inline CalculationTable BandSite(const BandCase& c) {
    std::mt19937 random(static_cast<unsigned>(2026 + c.candidates + c.siteEntries));
    static const double Bands[][2] = {{146, 174}, {440, 480}, {851, 869}};
    CalculationTable table;
    for (int r = 0; r < c.siteEntries; ++r) {
        const auto& band = Bands[r % 3];
        CalculationRow row;
        row.receiveFrequency =
            Round5(band[0] + 0.0125 * static_cast<double>(random() % static_cast<unsigned>(
                                                                         (band[1] - band[0]) * 80)),
                   1e5);
        row.transmitFrequency = row.receiveFrequency + (r % 4 == 0 ? 5 : 0);
        row.transmitHalfWidth = row.receiveHalfWidth = 12.5 / 2000;
        row.role = r % 3 == 2 ? RoleRx : RoleBoth;
        row.status = 1;
        table.push_back(row);
    }
    return table;
}

inline IntermodOptions BandOptions(const BandCase& c) {
    IntermodOptions options;
    options.setOrder(3, true);
    options.setOrder(5, c.fifthOrder);
    options.harmonics = false;
    options.worstCase = true;
    options.threeFrequencies = c.threeFrequencies;
    options.filter = VictimFilter::FromOption(1);
    return options;
}

inline FinderRequest BandRequest(const BandCase& c) {
    FinderRequest request;
    request.role = c.role;
    request.fromMHz = 450;
    request.toMHz = Round5(450 + 0.0125 * (c.candidates - 1), 1e5);
    request.stepKHz = 12.5;
    request.spacingKHz = c.spacingKHz;
    return request;
}

} // namespace spurline::testing
