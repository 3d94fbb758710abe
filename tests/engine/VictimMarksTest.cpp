#include "engine/VictimMarks.h"

#include "SiteBuilder.h"
#include "document/FrequencyList.h"
#include "engine/OrderColours.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(OrderColours, OneColourPerOrderRedInTheLowByte) {
    std::vector<std::uint32_t> colours;
    for (int order : {2, 3, 5, 7, 9, 0, 4}) {
        colours.push_back(order2colour(order));
    }
    EXPECT_EQ(colours, (std::vector<std::uint32_t>{0xFF0000, 0x0000FF, 0x00FF00, 0xFFFF00, 0xFF00FF,
                                                   0xFF00FF, 0xFF00FF}));
    EXPECT_EQ(Rgb(255, 0, 0), 0x0000FFu);
}

// A mark as tag, colour, bold, ghosted and icon.
std::tuple<int, std::uint32_t, bool, bool, int> Fields(const VictimMark& m) {
    return {m.tag, m.colour, m.bold, m.ghosted, m.icon};
}

TEST(VictimMarks, LowestOrderWinsAndUnmarkKeepsTheTag) {
    testing::ScriptedMessageBox box;
    FrequencyList list(Locale::English(), box);
    testing::AddSiteEntry(list, 450, 0, 25, "Rx", "Exist", 25);
    testing::AddSiteEntry(list, 451, 0, 25, "Rx", "Exist", 25);

    // Entry, order, and the first entry's mark after it.
    const std::tuple<int, int, int> marks[] = {{1, 3, 3}, {1, 5, 3}, {1, 3, 3}, {1, 2, 2}};
    for (const auto& [entry, order, tag] : marks) {
        mark_freq(list, entry, order);
        EXPECT_EQ(Fields(list.entry(0).mark), Fields({tag, order2colour(tag), true, true, 1}));
    }
    EXPECT_EQ(list.entry(1).mark.tag, 0);
    mark_freq(list, 2, 9);
    EXPECT_EQ(Fields(list.entry(1).mark), Fields({9, 0xFF00FFu, true, true, 1}));
    unmark_freq(list, 1);
    EXPECT_EQ(Fields(list.entry(0).mark), Fields({2, 0, false, false, 0}));
}

TEST(VictimMarks, WaitingInputRunsEventsAndEscapeSetsTheAbortFlag) {
    testing::ScriptedMessageBox box;
    FrequencyList list(Locale::English(), box);
    testing::AddSiteEntry(list, 450, 0, 25, "Rx", "Exist", 25);
    testing::ScriptedCallbacks events;
    bool abort = false;

    mark_freq(list, 1, 3, &events, &abort);
    EXPECT_EQ(events.inputQueries, 1);
    EXPECT_EQ(events.eventRuns, 0);
    EXPECT_FALSE(abort);

    events.inputWaitingFrom = 1;
    mark_freq(list, 1, 3, &events, &abort);
    EXPECT_EQ(events.eventRuns, 1);
    EXPECT_TRUE(events.busy);
    EXPECT_FALSE(abort);

    events.escapeHeld = true;
    mark_freq(list, 1, 5, &events, &abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(list.entry(0).mark.tag, 3);
}

} // namespace
} // namespace spurline
