#include "document/DeleteEntries.h"

#include "document/FrequencyList.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"

namespace spurline {

void deletedata(FrequencyList& list, FrequencySelection& selection, ListCommandStates& commands) {
    const int current = selection.currentRow();
    if (current < 0 || current >= list.count()) {
        return;
    }
    list.DeleteRows(selection.SelectedRows());
    commands.EntriesDeleted();
    list.NotifyRecalculationDue();
}

} // namespace spurline
