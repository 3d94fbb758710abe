#pragma once

#include "document/AddFreqDialogModel.h"
#include "engine/FrequencyFinder.h"

namespace spurline {

class FrequencyList;
class FrequencySelection;
class ListCommandStates;

// Adds a channel the finder found as a new planned entry through the add dialog's own rules (the
// frequency's range, the bandwidth choices, the duplicate test), so that the list treats it as
// one typed in; the list then signals that the intermod list is out of date.
AddFreqDialogModel::CommitResult AddFoundChannel(FrequencyList& list, FrequencySelection& selection,
                                                 ListCommandStates& commands,
                                                 const FinderRequest& request, double frequencyMHz);

} // namespace spurline
