#pragma once

#include <array>
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

// The per-entry values in the order files and the CSV list carry them.
enum LevelField : int {
    LevelTxPower = 0,
    LevelSensitivity,
    LevelImRejection,
    LevelTxExtra,
    LevelRxExtra,
    LevelFieldCount
};

inline constexpr std::array<const char*, LevelFieldCount> LevelFieldCaptions{
    "Tx power (W)", "Sensitivity (dBm)", "IM rejection (dB)", "Tx isolation (dB)",
    "Rx isolation (dB)"};

std::optional<double>& LevelValue(EntryLevels& levels, int field);
const std::optional<double>& LevelValue(const EntryLevels& levels, int field);

// Whether a field takes the value: a power above 0, a sensitivity of any sign, a rejection or an
// isolation of 0 or more; every value finite and within a million, so sums of powers stay finite.
bool LevelValueAllowed(int field, double value);
// What the field wants, for messages: "a number above 0", "a number", "a number of 0 or more".
const char* LevelValueWanted(int field);

// The site values in the order the companion file carries them, with the same rules: isolation
// and harmonic attenuation (0 or more), then the five defaults of the per-entry values.
inline constexpr int SiteLevelCount = 7;
double& SiteLevelValue(SiteLevels& levels, int index);
double SiteLevelValue(const SiteLevels& levels, int index);
int SiteLevelRule(int index); // the LevelField whose rule the value follows

} // namespace spurline
