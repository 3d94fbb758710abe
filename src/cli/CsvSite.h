#pragma once

#include "document/FrequencyList.h"

#include <iosfwd>
#include <string>

namespace spurline::cli {

// Whether the site file is a CSV frequency list (by its ".csv" ending, any letter case).
bool IsCsvPath(const std::string& path);

// Reads a CSV frequency list; the site is named after the file. Lines not taken, then
// lines taken with a change, are named on err.
void ReadCsvSite(FrequencyList& list, const std::string& path, std::ostream& err);

} // namespace spurline::cli
