#pragma once

#include "engine/CleanSetSearch.h"

#include <string>

namespace spurline {

// The finder window's choice for the largest clean set.
inline constexpr const char* MostChannelsChoice = "&Most channels";

// "12 channels; greedy first-fit finds 9." then " No larger set exists." when searched to the
// end, or " Stopped: the best set so far." when stopped.
std::string MostChannelsText(const CleanSetResult& result);

// While searching: "Best so far: 12 channels; greedy first-fit finds 9." ("Best so far: 12
// channels." until greedy's count is known).
std::string MostProgressText(const CleanSetProgress& progress);

} // namespace spurline
