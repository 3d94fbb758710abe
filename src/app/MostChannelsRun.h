#pragma once

#include "engine/CleanSetSearch.h"

class QLabel;
class QProgressBar;

namespace spurline {

// The finder window's "Most channels" search: the bar follows the search and the label shows
// the best set so far; stop turning true (Escape) ends it with that set. The time limit is the
// command line's default, so that both give the same set for the same inputs.
CleanSetResult RunMostChannels(const CalculationTable& site, const IntermodOptions& options,
                               CalculationLimits limits, const FinderRequest& request,
                               QProgressBar& bar, QLabel& label, const bool& stop);

// Seconds the window's search may take, as spurline-calc --most without --time-limit.
inline constexpr double MostChannelsSeconds = 10;

} // namespace spurline
