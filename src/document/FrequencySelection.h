#pragma once

#include "document/FrequencyList.h"

#include <functional>
#include <vector>

namespace spurline {

// The frequency list view's selection: which rows are selected and which one is current. It
// follows the document's rows (appended, sorted, deleted), so that the selection stays with its
// entries; the view mirrors it through the two callbacks.
class FrequencySelection final : private IFrequencyListObserver {
public:
    explicit FrequencySelection(FrequencyList& list);
    ~FrequencySelection() override;
    FrequencySelection(const FrequencySelection&) = delete;
    FrequencySelection& operator=(const FrequencySelection&) = delete;

    int count() const { return static_cast<int>(selected_.size()); } // the rows it follows
    bool selected(int row) const; // 0-based; false beyond the rows
    std::vector<int> SelectedRows() const;
    int currentRow() const { return currentRow_; }

    void SetCurrentRow(int row); // -1 for none
    void SetSelected(int row, bool selected);
    void SetAllSelected(bool selected);
    // Acts only when the frequency list is the Edit menu's target.
    void SelectAll(int editMenuTarget);
    void SelectChecked();
    void InvertSelection();
    // Selects the row alone and makes it current (after an entry was stored).
    void SelectOnly(int row);

    // The selection of many rows changed at once.
    std::function<void()> selectionChanged;
    // One row's selection changed.
    std::function<void(int row)> rowSelectionChanged;

private:
    void EntriesReset() override;
    void EntryAppended(int row) override;
    void RowsRearranged(const std::vector<int>& from) override;
    void NotifySelection();

    FrequencyList& list_;
    std::vector<char> selected_; // per row
    int currentRow_ = -1;
};

} // namespace spurline
