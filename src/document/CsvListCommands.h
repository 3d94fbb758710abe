#pragma once

#include "document/FileDialogs.h"
#include "document/FrequencyList.h"
#include "document/ListCommandStates.h"
#include "document/MessageBox.h"

namespace spurline {

// File > "Import CSV..." and "Export CSV...": the frequency list to and from a spreadsheet.
class CsvListCommands {
public:
    CsvListCommands(FrequencyList& list, ListCommandStates& commands, IFileDialogs& dialogs,
                    IMessageBox& messages)
        : list_(list), commands_(commands), dialogs_(dialogs), messages_(messages) {}

    // Adds the rows of a chosen CSV file to the list, which is then changed; names the lines not
    // taken and those taken with a change in one message. Returns the number of entries added.
    int ImportCsv();
    // Writes the list to a chosen CSV file. Returns whether a file was written.
    bool ExportCsv();

private:
    FrequencyList& list_;
    ListCommandStates& commands_;
    IFileDialogs& dialogs_;
    IMessageBox& messages_;
};

} // namespace spurline
