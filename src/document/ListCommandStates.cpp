#include "document/ListCommandStates.h"

#include "document/FrequencyList.h"
#include "document/FrequencySelection.h"

namespace spurline {

CommandStates ListCommandStates::commands() const {
    return {list_.changed(), clear_, calculate_, print_, deleteButton_};
}

void ListCommandStates::MarkEntriesAdded() {
    list_.SetChanged(true);
    clear_ = true;
    calculate_ = !list_.empty();
    Notify();
}

void ListCommandStates::SetListCommandsEnabled(bool enabled) {
    clear_ = enabled;
    calculate_ = enabled;
    print_ = enabled;
    Notify();
}

void ListCommandStates::SetCalculateEnabled(bool enabled) {
    calculate_ = enabled;
    Notify();
}

void ListCommandStates::SetPrintEnabled(bool enabled) {
    print_ = enabled;
    Notify();
}

void ListCommandStates::ListFocusChanged(bool hasFocus) {
    deleteButton_ = hasFocus && !list_.empty() && selection_.currentRow() >= 0;
    Notify();
}

void ListCommandStates::EntriesDeleted() {
    calculate_ = !list_.empty();
    deleteButton_ = false;
    Notify();
}

void ListCommandStates::Notify() {
    if (stateChanged) {
        stateChanged();
    }
}

} // namespace spurline
