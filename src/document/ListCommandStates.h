#pragma once

#include "document/EditMenuTarget.h"

#include <functional>

namespace spurline {

class FrequencyList;
class FrequencySelection;

// Enabled states of the commands that depend on the list; menu items mirror their buttons.
struct CommandStates {
    bool save = false; // the document's changed state
    bool clear = false;
    bool calculate = false;
    bool print = false;
    bool deleteButton = false;
};

// The enabled states of the list's commands as the window shows them, and the view the Edit menu
// acts on. Save follows the document's changed state; the others follow the commands that ran.
class ListCommandStates {
public:
    ListCommandStates(FrequencyList& list, const FrequencySelection& selection)
        : list_(list), selection_(selection) {}

    CommandStates commands() const;
    // After entries were added by a command (Add, an import): changed, Clear and Calculate on.
    void MarkEntriesAdded();
    void SetListCommandsEnabled(bool enabled); // Clear, Calculate and Print together
    void SetCalculateEnabled(bool enabled);
    void SetPrintEnabled(bool enabled);
    void ListFocusChanged(bool hasFocus); // enables Delete with focus and a current row
    // After a delete: Calculate while entries are left, Delete off.
    void EntriesDeleted();

    int EditMenuTarget = EditNone;
    // Any state above changed (Save is told through the document's DocumentStateChanged).
    std::function<void()> stateChanged;

private:
    void Notify();

    FrequencyList& list_;
    const FrequencySelection& selection_;
    bool clear_ = false;
    bool calculate_ = false;
    bool print_ = false;
    bool deleteButton_ = false;
};

} // namespace spurline
