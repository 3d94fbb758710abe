#include "document/ColumnSettings.h"

#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

const std::vector<int> Defaults{780, 1770, 1470, 3000};

TEST(ColumnSettingsTest, AWidthThatCannotBeReadKeepsItsDefaultOnly) {
    struct Case {
        const char* stored; // nullptr: absent
        std::vector<int> expected;
    };
    const Case cases[] = {
        {nullptr, Defaults},
        {"900 2000 1500 4000", {900, 2000, 1500, 4000}},
        {"900 abc 1500 4000", {900, 1770, 1500, 4000}},
        {"900 2000", {900, 2000, 1470, 3000}},
        {"0 -5 30001 1.5", Defaults},
        {"  900   2000 1500 4000 5000 ", {900, 2000, 1500, 4000}},
        {"900,2000 1500 30000 1", {780, 1500, 30000, 1}},
        {"", Defaults},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored != nullptr ? c.stored : "(absent)");
        testing::MemorySettingsStore store;
        if (c.stored != nullptr) {
            store.Write("Columns", "Frequencies", c.stored);
        }
        EXPECT_EQ(LoadColumnWidths(store, FrequencyColumnsKey, Defaults), c.expected);
    }
}

TEST(ColumnSettingsTest, WidthsRoundTripInTheirOwnSection) {
    testing::MemorySettingsStore store;
    SaveColumnWidths(store, IntermodColumnsKey, {1880, 800, 12345});
    EXPECT_EQ(store.values.at({"Columns", "Intermods"}), "1880 800 12345");
    EXPECT_EQ(LoadColumnWidths(store, IntermodColumnsKey, {1, 2, 3}),
              (std::vector<int>{1880, 800, 12345}));
    EXPECT_EQ(LoadColumnWidths(store, FrequencyColumnsKey, {1, 2, 3}), (std::vector<int>{1, 2, 3}));
}

} // namespace
} // namespace spurline
