#pragma once

#include <string>
#include <vector>

namespace spurline {

class ISettingsStore;

// Column widths of a list, in twips, kept between runs under the section "Columns": one value per
// list (key "Frequencies" or "Intermods"), the widths as decimal numbers separated by spaces.
inline constexpr const char* ColumnsSection = "Columns";
inline constexpr const char* FrequencyColumnsKey = "Frequencies";
inline constexpr const char* IntermodColumnsKey = "Intermods";

// The stored widths; a column whose width is absent, not a whole number or out of range (1 to
// 30000 twips) keeps its default, the other columns their stored widths.
std::vector<int> LoadColumnWidths(ISettingsStore& store, const std::string& key,
                                  const std::vector<int>& defaults);

void SaveColumnWidths(ISettingsStore& store, const std::string& key,
                      const std::vector<int>& widths);

} // namespace spurline
