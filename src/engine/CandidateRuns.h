#pragma once

#include "engine/FrequencyFinder.h"

#include <vector>

namespace spurline::finder {

// Candidates the finder can search together: receive frequencies (MHz, ascending) on one
// straight raster, within the list's rounding, sharing one transmit offset.
struct CandidateRun {
    double offsetKHz = 0; // 0 unless a transceiver
    std::vector<double> rx;
};

// The raster of a request as one run; a channel list (sorted, repeats dropped) as the fewest
// runs a greedy pass finds: a list cut from a band plan is a few rasters with gaps.
std::vector<CandidateRun> CandidateRuns(const FinderRequest& request);

} // namespace spurline::finder
