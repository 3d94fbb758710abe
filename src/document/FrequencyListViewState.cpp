#include "document/FrequencyList.h"

// The list's view state: which rows are selected and current, whether the list view has the focus,
// and the enabled states of the commands that follow from them and from the document.

namespace spurline {

// --- selection

void FrequencyList::SelectAll() {
    if (EditMenuTarget == EditFrequencyList) {
        SetAllSelected(true);
    }
}

void FrequencyList::SelectChecked() {
    for (auto& e : entries_) {
        e.selected = e.checked;
    }
    NotifySelection();
}

void FrequencyList::InvertSelection() {
    for (auto& e : entries_) {
        e.selected = !e.selected;
    }
    NotifySelection();
}

void FrequencyList::SetAllSelected(bool selected) {
    for (auto& e : entries_) {
        e.selected = selected;
    }
    NotifySelection();
}

void FrequencyList::SetSelected(int row, bool selected) {
    FrequencyEntry& e = entries_.at(row);
    if (e.selected != selected) {
        e.selected = selected;
        NotifyChanged(row);
    }
}

void FrequencyList::SetCurrentRow(int row) {
    currentRow_ = (row >= 0 && row < count()) ? row : -1;
}

// --- command states

void FrequencyList::MarkEntriesAdded() {
    commands_.save = true;
    commands_.clear = true;
    commands_.calculate = !empty();
    NotifyState();
}

void FrequencyList::SetListCommandsEnabled(bool enabled) {
    commands_.clear = enabled;
    commands_.calculate = enabled;
    commands_.print = enabled;
    NotifyState();
}

void FrequencyList::SetCalculateEnabled(bool enabled) {
    commands_.calculate = enabled;
    NotifyState();
}

void FrequencyList::SetPrintEnabled(bool enabled) {
    commands_.print = enabled;
    NotifyState();
}

void FrequencyList::ListFocusChanged(bool hasFocus) {
    listHasFocus_ = hasFocus;
    commands_.deleteButton = hasFocus && !empty() && currentRow_ >= 0;
    NotifyState();
}

} // namespace spurline
