#pragma once

#include "engine/FrequencyFinder.h"

#include <string>
#include <vector>

namespace spurline {

// The candidate's own signal against the site's carriers and against the excluded ranges: its
// transmit band on a receiver the victim filter admits, or its receive band on a checked
// transmitter, is co-channel; either band touching an excluded range is excluded. Bands that
// only touch at an edge count, as a product touching a receiver's band does. model gives the
// candidate's role and half-bandwidths.
void JudgeOwnBands(std::vector<CandidateResult>& results, const CalculationTable& site,
                   const VictimFilter& filter, const CalculationRow& model,
                   const std::vector<FinderExclusion>& exclusions);

// Why a candidate is not clean: "co-channel [7, 9]", "intermod", "duplicate" or "spacing",
// "excluded", joined by "; "; "" for a clean one.
std::string ConflictKinds(const CandidateResult& candidate);

} // namespace spurline
