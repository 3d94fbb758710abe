#pragma once

#include "BatchOptions.h"
#include "document/LevelValues.h"
#include "document/Locale.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace spurline::cli {

// --levels and the site-wide values of the level model. A value given here overrides the site's
// companion file, which overrides the defaults.
struct LevelArguments {
    bool on = false;
    // Indexed as SiteLevelValue: isolation, harmonic attenuation, Tx power, sensitivity, IM
    // rejection; the extra isolations have no option. Read in the chosen --locale.
    std::array<std::optional<double>, SiteLevelCount> values{};
    std::array<std::optional<std::string>, SiteLevelCount> texts{};

    // The site's values with the given ones in their place.
    SiteLevels Apply(SiteLevels site) const;
};

// Takes arguments[k] (and its value, advancing k) when it is one of the level options.
BatchTake TakeLevelOption(const std::vector<std::string>& arguments, std::size_t& k,
                          LevelArguments& levels, std::string& error);

// Reads the values given, in the chosen convention; false with error on one out of range.
bool FinishLevelArguments(LevelArguments& levels, const Locale& locale, std::string& error);

// The lines of the --help text for the level options.
std::string LevelUsage();

} // namespace spurline::cli
