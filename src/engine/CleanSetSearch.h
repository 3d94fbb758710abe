#pragma once

#include "engine/FrequencyFinder.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace spurline {

// The largest set of channels found that are clean with the site and with each other.
struct CleanSetResult {
    std::vector<CandidateResult> channels; // by frequency, each as it fares with the site and
                                           // every other chosen channel
    std::size_t greedy = 0;                // channels greedy first-fit finds
    std::size_t candidates = 0;            // candidates clean with the site alone
    bool complete = false;                 // searched to the end: no larger set exists
    bool stopped = false;                  // stopped by the caller or the time limit
};

// Where a search stands: the fraction done (0 to 1: of the search tree's first level, or of the
// time limit when that is further), the best set so far and greedy first-fit's count (0 until it
// is known).
struct CleanSetProgress {
    double fraction = 0;
    std::size_t best = 0;
    std::size_t greedy = 0;
};

// Told now and then how the search stands; returning false stops it with the best set so far.
using CleanSetReport = std::function<bool(const CleanSetProgress&)>;

// Finds as many channels of the request's raster as it can that are clean with the site and
// with each other, for the request's role (request.count is not used). It starts from greedy
// first-fit's set, so it never finds fewer, then runs a branch-and-bound: children ordered by
// the candidates they leave, pruned by a colouring bound over the pairs that are clean together.
// Whether a channel fits a partial set is always decided by the finder on the site with the set
// added, so products of three chosen transmitters and spacing count exactly. timeLimitSeconds
// (0 for none) ends the search with the best set so far.
CleanSetResult FindMostChannels(const CalculationTable& site, const IntermodOptions& options,
                                CalculationLimits limits, const FinderRequest& request,
                                double timeLimitSeconds, const CleanSetReport& report = {});

} // namespace spurline
