#include "document/FrequencyList.h"

#include "document/DeleteEntries.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"
#include "document/MessageBox.h"
#include "support/CLocale.h"
#include "support/ListEvents.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

using Fields = std::array<std::string, 7>;
using Texts = std::array<std::string, 8>;

Fields Entry(std::string frequency, std::string offset = "0", std::string txrx = "Both",
             std::string status = "Exist", std::string remarks = "") {
    return {std::move(frequency), std::move(offset), "12.5",
            std::move(txrx),      std::move(status), "12.5",
            std::move(remarks)};
}

struct ListFixture {
    explicit ListFixture(Locale locale = Locale::English()) : list(std::move(locale)) {}
    FrequencyList list;
    FrequencySelection selection{list};
    ListCommandStates states{list, selection};
    testing::ListEvents events{list};
    void deletedata() { spurline::deletedata(list, selection, states); }
};

TEST(FrequencyList, AddEntryFormatsTextsInBothLocales) {
    ListFixture en;
    ASSERT_TRUE(en.list.AddEntry({"174", "4600", "12.5", "Both", "Exist", "25", "Mast A"}));
    const FrequencyEntry& e = en.list.entry(0);
    EXPECT_EQ(e.texts, (Texts{" 1", "      174.00000", "+4,600.00", "12.50", "Both", "Exist",
                              "25.00", "Mast A"}));
    EXPECT_EQ(e.key, "F:178.60000");
    EXPECT_DOUBLE_EQ(en.list.OffsetFrequency(0), 178.6);
    ListFixture de(Locale::German());
    ASSERT_TRUE(de.list.AddEntry({"1234,5", "-100", "12,5", "tx", "PLAN", "7", "Dach"}));
    const FrequencyEntry& g = de.list.entry(0);
    EXPECT_EQ(g.texts,
              (Texts{" 1", "    1.234,50000", "-100,00", "12,50", "Tx", "Plan", "N/A", "Dach"}));
    EXPECT_EQ(g.key, "F:1.234,40000");
    EXPECT_DOUBLE_EQ(de.list.OffsetFrequency(0), 1234.4);
}

TEST(FrequencyList, TxRxStatusAndOffsetRules) {
    ListFixture f;
    f.list.AddEntry(Entry("100", "0", "rX", "plan"));
    f.list.AddEntry(Entry("101", "12.5", "Both", "Existing"));
    f.list.AddEntry(Entry("102", "-12.5", "transceiver", ""));
    f.list.AddEntry(Entry("103", "abc", "TX"));
    // An offset that is no number stays as typed.
    const Texts expected[] = {
        {" 1", "      100.00000", "0", "N/A", "Rx", "Plan", "12.50", ""},
        {" 2", "      101.00000", "+12.50", "12.50", "Both", "Exist", "12.50", ""},
        {" 3", "      102.00000", "-12.50", "12.50", "Both", "Exist", "12.50", ""},
        {" 4", "      103.00000", "abc", "12.50", "Tx", "Exist", "N/A", ""}};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(f.list.entry(row).texts, expected[row]) << row;
    // An empty frequency adds nothing.
    EXPECT_FALSE(f.list.AddEntry(Entry("")));
    EXPECT_EQ(f.list.count(), 4);
}

TEST(FrequencyList, DeleteNeedsACurrentRowAndLeavesPlainIds) {
    ListFixture f;
    for (int i = 0; i < 100; ++i)
        f.list.AddEntry(Entry(std::to_string(100 + i)));
    f.selection.SetSelected(4, true);
    f.deletedata(); // no current row: nothing happens
    EXPECT_FALSE(f.list.changed());
    const auto ids = [&f](std::initializer_list<int> rows) {
        std::string line;
        for (int row : rows)
            line += f.list.entry(row).id() + "|";
        return line;
    };
    EXPECT_EQ(ids({0, 8, 9, 99}), " 1| 9|10|100|");
    f.selection.SetSelected(50, true);
    f.selection.SetCurrentRow(50);
    f.deletedata();
    ASSERT_EQ(f.list.count(), 98);
    EXPECT_EQ(ids({0, 4, 97}), "1|5|98|");
    EXPECT_EQ(f.list.entry(4).frequency(), "      105.00000");
    EXPECT_TRUE(f.list.changed());
    EXPECT_EQ(f.events.recalculations, 1);
    EXPECT_FALSE(f.states.commands().deleteButton);
    // The deleted frequency can be added again: the duplicate index follows deletions.
    EXPECT_TRUE(f.list.AddEntry(Entry("104")));
    // Rows that are not there are not deleted.
    const int before = f.list.count();
    f.list.DeleteRows({-1, before, before + 1});
    EXPECT_EQ(f.list.count(), before);
    // Deleting the last entries turns Calculate and Delete off; focus does not bring Delete back.
    f.selection.SetAllSelected(true);
    f.states.SetCalculateEnabled(true);
    f.selection.SetCurrentRow(0);
    f.states.ListFocusChanged(true);
    EXPECT_TRUE(f.states.commands().deleteButton);
    f.deletedata();
    EXPECT_TRUE(f.list.empty());
    f.states.ListFocusChanged(true);
    EXPECT_FALSE(f.states.commands().calculate || f.states.commands().deleteButton);
}

TEST(FrequencyList, StaleKeyOfEditedRowMovesAside) {
    ListFixture f;
    DialogEntry first{"100.00000", "0", "12.5", "12.5", TxRxChoice::Both, false, ""};
    ASSERT_TRUE(f.list.CommitDialogEntry(first));
    DialogEntry moved{"120.00000", "0", "12.5", "12.5", TxRxChoice::Both, false, ""};
    ASSERT_TRUE(f.list.CommitDialogEntry(moved, 0));
    EXPECT_EQ(f.list.entry(0).key, "F:100.00000"); // stale
    // 100 MHz is free again: the add succeeds and every key stays unique.
    ASSERT_TRUE(f.list.CommitDialogEntry(first));
    ASSERT_EQ(f.list.count(), 2);
    EXPECT_EQ(f.list.entry(0).key + " " + f.list.entry(1).key, "F:120.00000 F:100.00000");
}

TEST(FrequencyList, KeysStayUniqueWhenOffsetFrequenciesDifferOnlyBeyondTheKeysDecimals) {
    // 100.00001 MHz + 25 kHz is 100.02501000000001 as a double: not a duplicate of 100.02501 MHz
    // (exact equality), but its row key "F:100.02501" is the one the first entry holds.
    ListFixture f;
    DialogEntry first{"100.02501", "0", "12.5", "12.5", TxRxChoice::Both, false, ""};
    ASSERT_TRUE(f.list.CommitDialogEntry(first));
    DialogEntry close{"100.00001", "+25.00", "12.5", "12.5", TxRxChoice::Both, false, ""};
    ASSERT_NE(f.list.OffsetFrequency(0), 100.00001 + 25.0 / 1000.0);
    ASSERT_TRUE(f.list.CommitDialogEntry(close));
    ASSERT_EQ(f.list.count(), 2);
    EXPECT_NE(f.list.entry(0).key, f.list.entry(1).key);
    EXPECT_EQ(f.list.entry(1).key, "F:100.02501");
    EXPECT_TRUE(f.list.entry(0).key.starts_with("F:100.02501"));
}

TEST(FrequencyList, SelectionCommandsAndCheckMarks) {
    ListFixture f;
    for (int i = 0; i < 4; ++i)
        f.list.AddEntry(Entry(std::to_string(200 + i)));
    f.selection.SelectAll(f.states.EditMenuTarget); // no Edit menu target yet
    EXPECT_FALSE(f.selection.selected(0));
    f.states.EditMenuTarget = EditFrequencyList;
    f.selection.SelectAll(f.states.EditMenuTarget);
    EXPECT_TRUE(f.selection.selected(3));
    f.list.SetChecked(1, false);
    EXPECT_EQ(f.events.recalculations, 1);
    f.list.SetChecked(1, false); // no change, no signal
    EXPECT_EQ(f.events.recalculations, 1);
    f.selection.SelectChecked();
    EXPECT_TRUE(f.selection.selected(0));
    EXPECT_FALSE(f.selection.selected(1));
    f.selection.InvertSelection();
    EXPECT_FALSE(f.selection.selected(0));
    EXPECT_TRUE(f.selection.selected(1));
}

TEST(FrequencyList, SortByColumnTextTogglesOrder) {
    ListFixture f;
    f.list.AddEntry(Entry("1000", "0", "Both", "Exist", "b"));
    f.list.AddEntry(Entry("99", "0", "Both", "Exist", "C"));
    f.list.AddEntry(Entry("150", "0", "Both", "Exist", "a"));
    f.selection.SetCurrentRow(1);            // 99 MHz
    EXPECT_FALSE(f.list.sortState().sorted); // a new list keeps its rows as added
    // The first click toggles from the initial ascending state to descending.
    f.list.SortByColumn(ColFrequency);
    EXPECT_TRUE(f.list.sortState().sorted);
    EXPECT_EQ(f.list.sortState().order, 1);
    EXPECT_EQ(f.list.entry(0).frequency(), "    1,000.00000");
    EXPECT_EQ(f.list.entry(2).frequency(), "       99.00000");
    EXPECT_EQ(f.selection.currentRow(), 2); // the current row follows its entry
    f.list.SortByColumn(ColFrequency);
    EXPECT_EQ(f.list.entry(0).frequency(), "       99.00000");
    // Another column continues the toggle; text order ignores letter case.
    f.list.SortByColumn(ColRemarks);
    EXPECT_EQ(f.list.sortState().column, ColRemarks);
    EXPECT_EQ(f.list.entry(0).remarks(), "C");
    EXPECT_EQ(f.list.entry(2).remarks(), "a");
    f.list.SwitchSortingOff();
    EXPECT_FALSE(f.list.sortState().sorted);
    // A column past the last (a stored setting, say) sorts nothing.
    f.list.SortByColumn(FrequencyColumnCount);
    EXPECT_FALSE(f.list.sortState().sorted);
}

TEST(FrequencyList, TextSortIgnoresLetterCaseUnderATurkishCLocale) {
    // There tolower('I') is 'I', which would sort "Ib" before "ia".
    testing::ScopedCLocale turkish("tr_TR.UTF-8");
    SPURLINE_REQUIRE_C_LOCALE(turkish, "tr_TR.UTF-8");
    ListFixture f;
    f.list.AddEntry(Entry("100", "0", "Both", "Exist", "Ib"));
    f.list.AddEntry(Entry("200", "0", "Both", "Exist", "ia"));
    f.list.SortByColumn(ColRemarks); // descending first
    f.list.SortByColumn(ColRemarks);
    EXPECT_EQ(f.list.entry(0).remarks(), "ia");
    EXPECT_EQ(f.list.entry(1).remarks(), "Ib");
}

TEST(FrequencyList, HeaderFieldsDropTheFileSeparator) {
    ListFixture en;
    en.list.SetSiteName("North, Ridge; Hill");
    EXPECT_EQ(en.list.siteName(), "North Ridge; Hill");
    ListFixture de(Locale::German());
    de.list.SetComment("a;b,c");
    EXPECT_EQ(de.list.comment(), "ab,c");
}

} // namespace
} // namespace spurline
