#include "document/FrequencySelection.h"

#include "document/DeleteEntries.h"
#include "document/ListCommandStates.h"

#include <functional>
#include <gtest/gtest.h>

namespace spurline {
namespace {

// A site of four entries labelled by their remarks, with its selection and command states.
struct Site {
    Site() {
        for (const char* line : {"300 a", "100 b", "200 c", "400 d"}) {
            Add(line);
        }
    }
    void Add(const std::string& line) {
        list.AddEntry({line.substr(0, 3), "0", "12.5", "Both", "Exist", "12.5", line.substr(4)});
    }
    // The selected rows' labels in display order, then the current row's label.
    std::string Shown() const {
        std::string text;
        for (int row : selection.SelectedRows()) {
            text += list.entry(row).remarks();
        }
        const int current = selection.currentRow();
        return text + "|" + (current < 0 ? "-" : list.entry(current).remarks());
    }
    FrequencyList list{Locale::English()};
    FrequencySelection selection{list};
    ListCommandStates states{list, selection};
};

TEST(FrequencySelection, StaysWithItsEntriesWhenRowsMove) {
    struct Case {
        const char* name;
        std::vector<int> selected;
        int current;
        std::function<void(Site&)> change;
        std::string shown; // selected labels | current label
    };
    const auto remove = [](Site& s) { deletedata(s.list, s.selection, s.states); };
    const Case cases[] = {
        // The first sort is descending: d a c b.
        {"sorted", {0, 3}, 1, [](Site& s) { s.list.SortByColumn(ColFrequency); }, "da|b"},
        {"sorted by remarks", {0, 1}, 0, [](Site& s) { s.list.SortByColumn(ColRemarks); }, "ba|a"},
        {"deleted", {1, 2}, 3, remove, "|d"},
        {"current deleted", {0, 3}, 0, remove, "|-"},
        {"no current row: nothing deleted", {1}, -1, remove, "b|-"},
        {"entry appended", {2}, 2, [](Site& s) { s.Add("500 e"); }, "c|c"},
        {"list emptied", {0, 1}, 1, [](Site& s) { s.list.RemoveAllEntries(); }, "|-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Site s;
        for (int row : c.selected) {
            s.selection.SetSelected(row, true);
        }
        s.selection.SetCurrentRow(c.current);
        c.change(s);
        EXPECT_EQ(s.Shown(), c.shown);
        EXPECT_EQ(s.selection.count(), s.list.count());
    }
}

} // namespace
} // namespace spurline
