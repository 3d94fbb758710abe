#pragma once

#include "document/Locale.h"

#include <array>
#include <string>

namespace spurline {

class ISettingsStore;
class RecentFiles;

// The options kept between runs, in the order they are read.
enum SettingId : int {
    SettingFundamental,
    SettingOrder2,
    SettingOrder3,
    SettingOrder5,
    SettingOrder7,
    SettingOrder9,
    SettingShowRemarks,
    SettingAutoRefresh,
    SettingAutoVictims,
    SettingAutoExtents,
    SettingHarmonics,
    SettingSumBandwidth,
    SettingThreeFrequencies,
    SettingLevels,    // Intermods > "Levels and &margins"
    SettingLevelView, // the graph's level view
    SettingCount
};

// Check boxes hold 0 clear, 1 checked or 2 greyed; menu check marks 0 or 1. status is the
// selected intermod display option, 0 to 3.
struct StoredOptions {
    std::array<int, SettingCount> values{};
    int status = 0;

    int operator[](SettingId id) const { return values[static_cast<std::size_t>(id)]; }
    int& operator[](SettingId id) { return values[static_cast<std::size_t>(id)]; }
    bool operator==(const StoredOptions&) const = default;

    // A first run: orders 2 and 3, fundamental, harmonics, worst case, three frequencies, show
    // remarks, auto refresh and auto extents on; any frequency.
    static StoredOptions Defaults();
};

inline constexpr int DisplayOptionCount = 4;

// Loads the recent files, then the options. A value that cannot be read (or is out of range)
// gets its default, as if it were absent; every other value is still read.
StoredOptions LoadSettings(ISettingsStore& store, const Locale& locale, RecentFiles& recentFiles);

// Saves the recent files, then the options: the filter keys first, the graph keys last, then
// "Status".
void SaveSettings(ISettingsStore& store, const StoredOptions& options,
                  const RecentFiles& recentFiles);

} // namespace spurline
