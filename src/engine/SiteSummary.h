#pragma once

#include "engine/CalculationTable.h"
#include "engine/IntermodOptions.h"
#include "engine/LevelModel.h"

#include <functional>
#include <limits>
#include <vector>

namespace spurline {

class FrequencyList;

// Who is to blame at a site, entry by entry.
struct EntrySummary {
    int entry = 0;       // 1-based entry number
    int products = 0;    // products it takes part in that reach a receiver
    int victims = 0;     // distinct receivers those products reach
    int received = 0;    // as a receiver: the products that reach it
    int lowestOrder = 0; // among those; 0 when none
    double closestKHz = std::numeric_limits<double>::infinity(); // product centre to band centre
};

// The site summary and, with a level model, the receivers' totals, from one walk of the products.
struct SiteSummary {
    std::vector<EntrySummary> entries;    // one per entry, in list order
    std::vector<ReceiverLevel> receivers; // worst margin first; empty without a level model
};

// Counts every product of the calculation (same families, widths, limits; no row cap) that
// reaches a receiver the filter admits ("any frequency" counts as all receivers); levels, when
// given, also sums each receiver's products. keepGoing(i, n) is asked before each first
// transmitter; false stops and gives an empty summary.
SiteSummary SummariseSiteAndLevels(const CalculationTable& table, const IntermodOptions& options,
                                   CalculationLimits limits, const LevelTable* levels,
                                   const std::function<bool(int, int)>& keepGoing = {});

// The list as it stands, with the receivers' totals under the site values when levels are given.
SiteSummary SummariseList(const FrequencyList& list, const IntermodOptions& options,
                          CalculationLimits limits, const SiteLevels* levels,
                          const std::function<bool(int, int)>& keepGoing = {});

// The entries' part alone.
std::vector<EntrySummary> SummariseSite(const CalculationTable& table,
                                        const IntermodOptions& options, CalculationLimits limits,
                                        const std::function<bool(int, int)>& keepGoing = {});

} // namespace spurline
