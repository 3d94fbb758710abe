#pragma once

namespace spurline {

class FrequencyList;
class FrequencySelection;
class ListCommandStates;

// Del, the "&Delete" button and Cut: deletes the selected entries when the list has a current
// row. Calculate then follows what is left, Delete is off until the list has the focus again, and
// the products are stale.
void deletedata(FrequencyList& list, FrequencySelection& selection, ListCommandStates& commands);

} // namespace spurline
