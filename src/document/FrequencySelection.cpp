#include "document/FrequencySelection.h"

#include "document/EditMenuTarget.h"

namespace spurline {

FrequencySelection::FrequencySelection(FrequencyList& list)
    : list_(list), selected_(static_cast<std::size_t>(list.count()), 0) {
    list_.AddObserver(this);
}

FrequencySelection::~FrequencySelection() {
    list_.RemoveObserver(this);
}

bool FrequencySelection::selected(int row) const {
    return row >= 0 && row < static_cast<int>(selected_.size()) && selected_[row] != 0;
}

std::vector<int> FrequencySelection::SelectedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < static_cast<int>(selected_.size()); ++row) {
        if (selected_[row] != 0) {
            rows.push_back(row);
        }
    }
    return rows;
}

void FrequencySelection::SetCurrentRow(int row) {
    currentRow_ = (row >= 0 && row < list_.count()) ? row : -1;
}

void FrequencySelection::SetSelected(int row, bool selected) {
    char& flag = selected_.at(static_cast<std::size_t>(row));
    if ((flag != 0) != selected) {
        flag = selected ? 1 : 0;
        if (rowSelectionChanged) {
            rowSelectionChanged(row);
        }
    }
}

void FrequencySelection::SetAllSelected(bool selected) {
    selected_.assign(selected_.size(), selected ? 1 : 0);
    NotifySelection();
}

void FrequencySelection::SelectAll(int editMenuTarget) {
    if (editMenuTarget == EditFrequencyList) {
        SetAllSelected(true);
    }
}

void FrequencySelection::SelectChecked() {
    for (int row = 0; row < static_cast<int>(selected_.size()); ++row) {
        selected_[row] = list_.entry(row).checked ? 1 : 0;
    }
    NotifySelection();
}

void FrequencySelection::InvertSelection() {
    for (char& s : selected_) {
        s = s != 0 ? 0 : 1;
    }
    NotifySelection();
}

void FrequencySelection::SelectOnly(int row) {
    for (int r = 0; r < static_cast<int>(selected_.size()); ++r) {
        selected_[r] = r == row ? 1 : 0;
    }
    SetCurrentRow(row);
    NotifySelection();
}

// --- following the document's rows

void FrequencySelection::EntriesReset() {
    // Every reset comes after RowsRearranged; this only guards against a mismatch.
    selected_.resize(static_cast<std::size_t>(list_.count()), 0);
    if (currentRow_ >= list_.count()) {
        currentRow_ = -1;
    }
}

void FrequencySelection::EntryAppended(int row) {
    selected_.resize(static_cast<std::size_t>(row) + 1, 0);
}

void FrequencySelection::RowsRearranged(const std::vector<int>& from) {
    std::vector<char> moved(from.size(), 0);
    int current = -1;
    for (int row = 0; row < static_cast<int>(from.size()); ++row) {
        moved[row] = selected(from[row]) ? 1 : 0;
        if (from[row] == currentRow_) {
            current = row;
        }
    }
    selected_ = std::move(moved);
    currentRow_ = current;
}

void FrequencySelection::NotifySelection() {
    if (selectionChanged) {
        selectionChanged();
    }
}

} // namespace spurline
