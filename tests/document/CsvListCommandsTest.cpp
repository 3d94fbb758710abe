// File > Import CSV...: what an import does to the document's state and what it tells the user.

#include "document/CsvListCommands.h"

#include "document/FrequencyListCsv.h"
#include "document/FrequencyListReader.h"
#include "document/FrequencySelection.h"
#include "support/ListEvents.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

const std::string Heading = std::string(CsvListHeading) + "\r\n";

struct Import {
    testing::ScriptedMessageBox box;
    testing::ScriptedFileDialogs dialogs;
    testing::TemporaryFolder folder;
    FrequencyList list{Locale::English()};
    FrequencySelection selection{list};
    ListCommandStates states{list, selection};
    CsvListCommands commands{list, states, dialogs, box};

    int Run(const std::string& csv) {
        const std::string path = folder.File("list.csv");
        testing::WriteBytes(path, csv);
        dialogs.answers.push_back(path);
        return commands.ImportCsv();
    }
};

// Imported entries are unsaved work: Save is offered and quitting asks, as after Add.
TEST(CsvListCommands, AnImportThatAddsEntriesMarksTheListChanged) {
    struct Case {
        const char* name;
        bool loaded; // into a site just opened
        std::string csv;
        int added;
    };
    const Case cases[] = {
        {"into an empty list", false, Heading + "450,0,25,Tx,Plan,,\r\n451,0,25,Rx,Plan,25,\r\n",
         2},
        {"into a loaded site", true, Heading + "451,0,25,Rx,Plan,25,\r\n", 1},
        {"nothing new", true, Heading + "450,0,25,Tx,Plan,,\r\n", 0},
        {"no entries", true, Heading, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Import import;
        if (c.loaded) {
            ReadFrequencyList(import.list, "S\r\nD\r\nC\r\n450,0,25,Tx,Plan,,,\r\n");
            import.states.SetListCommandsEnabled(true);
            import.list.SetChanged(false);
        }
        const testing::ListEvents events(import.list);
        EXPECT_EQ(import.Run(c.csv), c.added);
        EXPECT_EQ(import.list.changed(), c.added > 0);
        EXPECT_EQ(import.states.commands().clear, c.added > 0 || c.loaded);
        EXPECT_EQ(import.states.commands().calculate, c.added > 0 || c.loaded);
        EXPECT_EQ(events.recalculations, c.added > 0 ? 1 : 0);
    }
    // A cancelled import changes nothing.
    Import cancelled;
    EXPECT_EQ(cancelled.commands.ImportCsv(), 0);
    EXPECT_FALSE(cancelled.list.changed());
} // namespace

// One message names the lines not taken and the lines taken with a change.
TEST(CsvListCommands, TheSummaryNamesLinesNotTakenAndLinesChanged) {
    struct Case {
        std::string csv;
        std::string message; // empty for none
    };
    const Case cases[] = {
        {Heading + "450,0,25,Tx,Plan,,\"a, b\"\r\n", "1 entries imported; lines changed:\r\n"
                                                     "line 2: \",\" removed from the remarks"},
        {Heading + "450,0,25,Tx,Plan,,\"a, b\"\r\nx\r\n",
         "1 entries imported; lines not taken:\r\n"
         "line 3: frequency \"x\" is not a number above 0\r\n"
         "lines changed:\r\n"
         "line 2: \",\" removed from the remarks"},
        {Heading + "450,0,25,Tx,Plan,,a; b\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.csv);
        Import import;
        EXPECT_EQ(import.Run(c.csv), 1);
        if (c.message.empty()) {
            EXPECT_TRUE(import.box.shown.empty());
        } else {
            ASSERT_EQ(import.box.shown.size(), 1U);
            EXPECT_EQ(import.box.shown[0].prompt, c.message);
            EXPECT_EQ(import.box.shown[0].buttons, msgbox::Exclamation);
        }
    }
}

} // namespace
} // namespace spurline
