#pragma once

#include "engine/CalculationTable.h"
#include "engine/IntermodOptions.h"

#include <iosfwd>

namespace spurline {
class FrequencyList;
} // namespace spurline

namespace spurline::cli {

struct FindArguments;

// --find with --most: writes the largest clean set found to out (the finder's heading line and
// one line per channel, by frequency, cells separated by TAB) and to err how it compares with
// greedy first-fit. While it searches, a terminal on standard error shows the best set so far.
// Returns the exit status: 0.
int RunMost(const FrequencyList& list, const CalculationTable& site, const IntermodOptions& options,
            CalculationLimits limits, const FindArguments& find, std::ostream& out,
            std::ostream& err);

} // namespace spurline::cli
