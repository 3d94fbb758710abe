#pragma once

#include <optional>

namespace spurline {

// The level values one entry may carry; an absent value takes the site's default.
struct EntryLevels {
    std::optional<double> txPowerW;       // transmit power, W
    std::optional<double> sensitivityDbm; // receive sensitivity, dBm
    std::optional<double> imRejectionDb;  // receiver intermodulation rejection, dB
    std::optional<double> txExtraDb;      // isolation added on the transmit side, dB
    std::optional<double> rxExtraDb;      // isolation added on the receive side, dB

    bool empty() const {
        return !txPowerW && !sensitivityDbm && !imRejectionDb && !txExtraDb && !rxExtraDb;
    }
    bool operator==(const EntryLevels&) const = default;
};

// The site-wide level values: the isolation between any two antennas, the harmonic attenuation
// of every transmitter and the defaults of the per-entry values.
struct SiteLevels {
    double txPowerW = 25;
    double sensitivityDbm = -116;
    double imRejectionDb = 70;
    double isolationDb = 30;
    double harmonicAttenuationDb = 70;
    double txExtraDb = 0;
    double rxExtraDb = 0;

    bool operator==(const SiteLevels&) const = default;
};

} // namespace spurline
