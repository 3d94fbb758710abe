#pragma once

#include "engine/CalculationTable.h"
#include "engine/IntermodOptions.h"
#include "engine/LevelModel.h"

#include <functional>
#include <limits>
#include <vector>

namespace spurline {

// Who is to blame at a site, entry by entry.
struct EntrySummary {
    int entry = 0;       // 1-based entry number
    int products = 0;    // products it takes part in that reach a receiver
    int victims = 0;     // distinct receivers those products reach
    int received = 0;    // as a receiver: the products that reach it
    int lowestOrder = 0; // among those; 0 when none
    double closestKHz = std::numeric_limits<double>::infinity(); // product centre to band centre
};

// Counts every product of the calculation (same families, widths, limits; no row cap) that
// reaches a receiver the filter admits ("any frequency" counts as all receivers). keepGoing(i, n)
// is asked before each first transmitter; false stops and gives an empty summary.
std::vector<EntrySummary> SummariseSite(const CalculationTable& table,
                                        const IntermodOptions& options, CalculationLimits limits,
                                        const std::function<bool(int, int)>& keepGoing = {});

// The receivers' intermodulation totals over the same products and receivers as SummariseSite,
// worst margin first; keepGoing as there (stopped: empty).
std::vector<ReceiverLevel>
SummariseReceiverLevels(const CalculationTable& table, const LevelTable& levels,
                        const IntermodOptions& options, CalculationLimits limits,
                        const std::function<bool(int, int)>& keepGoing = {});

} // namespace spurline
