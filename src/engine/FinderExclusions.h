#pragma once

#include "document/Locale.h"
#include "engine/FrequencyFinder.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spurline {

class ISettingsStore;

// A range as typed: "FROM-TO" in MHz, each a plain decimal or in the locale's convention
// ("470,0-478,0" for a decimal comma), blanks allowed around either; nothing unless both are
// above 0 and FROM is not above TO.
std::optional<FinderExclusion> ParseExclusion(std::string_view text, const Locale& locale);

// "470.00000-478.00000" in the locale's convention, as the finder window lists a range.
std::string ExclusionText(const FinderExclusion& exclusion, const Locale& locale);

// The excluded ranges the finder window keeps between runs: section "Finder", key "Exclusions",
// plain decimals "470-478;108-137". A range that cannot be read is dropped.
std::vector<FinderExclusion> LoadExclusions(ISettingsStore& store);
void SaveExclusions(ISettingsStore& store, const std::vector<FinderExclusion>& exclusions);

} // namespace spurline
