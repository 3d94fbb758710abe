#include "engine/ProductRecorder.h"

#include "SiteBuilder.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "engine/OrderColours.h"
#include "engine/VictimMarks.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

// Every text of a product, joined by "|".
std::string Joined(const ProductTexts& t) {
    return t.frequency + "|" + t.order + "|" + t.byfrequency + "|" + t.bycomposition + "|" +
           t.bounds + "|" + t.bandwidth + "|" + t.tag;
}

TEST(ProductTexts, CompositionsLabelsBoundsAndTags) {
    const Locale en = Locale::English();
    // The tag is order x 2^24 plus the bandwidth in whole kHz, halves to even: 12.5 kHz gives
    // 12, 37.5 kHz 38. (The plain third-order pair's texts are pinned on the whole calculation.)
    EXPECT_EQ(Joined(BuildProductTexts(300, {150, 2, 3}, {}, {}, 0.00625, en)),
              "      300.00000|2nd|2 x 150.00000|2 x [3]|299.99375 - 300.00625|12.50|" +
                  std::to_string(2 * 16777216 + 12));
    EXPECT_EQ(Joined(BuildProductTexts(449, {450, 1, 1}, {451, 1, 2}, {452, -1, 4}, 0.01875, en)),
              "      449.00000|3rd|1 x 450.00000 + 1 x 451.00000 - 1 x 452.00000|"
              "1 x [1] + 1 x [2] - 1 x [4]|448.98125 - 449.01875|37.50|" +
                  std::to_string(3 * 16777216 + 38));
    EXPECT_EQ(Joined(BuildProductTexts(1234.5, {1000, 3, 10}, {800.25, -2, 11}, {}, 0.0125,
                                       Locale::German())),
              "    1.234,50000|5th|3 x 1.000,00000 - 2 x 800,25000|3 x [10] - 2 x [11]|"
              "1.234,48750 - 1.234,51250|25,00|" +
                  std::to_string(5 * 16777216 + 25));
    // Above ten million MHz the padding has no room left.
    EXPECT_EQ(BuildProductTexts(12345678.5, {4115226.2, 3, 1}, {}, {}, 0.0125, en).frequency,
              "12,345,678.50000");
}

// A site and everything a recorder writes to.
struct Recording {
    testing::ScriptedMessageBox box;
    FrequencyList list{Locale::English()};
    cIntermodItems products{box};
    IntermodList rows;
    testing::ScriptedCallbacks events;
    bool abort = false;
    CalculationTable table;

    ProductRecorder Recorder(VictimFilter filter, double lower = 0, double upper = 1000000) {
        table.clear();
        for (const FrequencyEntry& entry : list.entries()) {
            table.push_back(ReadCalculationRow(entry, list.locale()));
        }
        return ProductRecorder(table, filter, {lower, upper}, list, products, rows, events, abort);
    }
    void Add(double mhz, double offsetKHz, double txKHz, const char* role, const char* status,
             double rxKHz) {
        testing::AddSiteEntry(list, mhz, offsetKHz, txKHz, role, status, rxKHz);
    }
    // Each listed row as frequency, order, victims, planned and existing components.
    std::vector<std::string> Listed() const {
        std::vector<std::string> listed;
        for (const IntermodListRow& row : rows.rows()) {
            listed.push_back(row.texts[ImColFrequency] + "|" + row.texts[ImColOrder] + "|" +
                             row.texts[ImColAffects] + "|" + row.texts[ImColAffectedPlanned] + "|" +
                             row.texts[ImColAffectedExisting]);
        }
        return listed;
    }
    std::vector<int> Tags() const {
        std::vector<int> tags;
        for (const FrequencyEntry& entry : list.entries()) {
            tags.push_back(entry.mark.tag);
        }
        return tags;
    }
    void Reset() {
        rows.Clear();
        products.Clear();
    }
};

using Texts = std::vector<std::string>;
using Tags = std::vector<int>;

TEST(ProductRecorder, LimitsAreInclusiveAndExcludedComponentsDiscard) {
    Recording s;
    s.Add(450, 0, 25, "Tx", "Exist", 0);
    ProductRecorder r = s.Recorder(VictimFilter::FromOption(0), 449, 452);
    r.RecordProduct(449, {450, 2, 1}, {451, -1, 2}, {}, 0.0125);
    r.RecordProduct(452, {451, 2, 2}, {450, -1, 1}, {}, 0.0125);
    r.RecordProduct(448.99999, {450, 2, 1}, {451, -1, 2}, {}, 0.0125);
    r.RecordProduct(452.00001, {450, 2, 1}, {451, -1, 2}, {}, 0.0125);
    r.RecordProduct(450, {ExcludedFrequency, 1, 1}, {451, 1, 2}, {}, 0.0125);
    r.RecordProduct(450, {450, 1, 1}, {451, 1, 2}, {-100000, -1, 3}, 0.0125);
    EXPECT_EQ(r.counter(), 2);
    ASSERT_EQ(s.rows.count(), 2);
    EXPECT_EQ(s.rows.rows()[1].key, "ID: 2");
    EXPECT_EQ(s.products.Item("ID: 2")->frequency(), 452.0f);
    // Any frequency: no victim analysis, columns 5 to 7 empty, nothing marked.
    EXPECT_EQ(s.Listed(), (Texts{"      449.00000|3rd|||", "      452.00000|3rd|||"}));
    EXPECT_EQ(s.Tags(), (Tags{0}));
}

TEST(ProductRecorder, BandsThatOverlapOrTouchHit) {
    Recording s;
    s.Add(450, 0, 0, "Rx", "Exist", 500);      // 1: [449.75, 450.25]
    s.Add(460, 0, 25, "Tx", "Exist", 25);      // 2: transmit only
    s.Add(470, 5000, 25, "Both", "Exist", 25); // 3: receives at 470
    ProductRecorder r = s.Recorder(VictimFilter::FromOption(1));
    // [449.7375, 449.7625] overlaps the receiver at 450.
    r.RecordProduct(449.75, {450, 2, 2}, {450.25, -1, 3}, {}, 0.0125);
    // Upper edge 449.75 equals the receiver's lower edge: touching hits. Just below does not.
    r.RecordProduct(449.5, {450, 2, 2}, {450.5, -1, 3}, {}, 0.25);
    r.RecordProduct(449.49, {450, 2, 2}, {450.51, -1, 3}, {}, 0.25);
    // A transmitter alone is never a victim.
    r.RecordProduct(460, {460, 3, 2}, {920, -2, 3}, {}, 0.0125);
    // A transceiver is hit at its receive frequency, not at frequency + offset.
    r.RecordProduct(475, {460, 3, 2}, {902.5, -1, 3}, {}, 0.0125);
    r.RecordProduct(470, {460, 3, 2}, {910, -2, 3}, {}, 0.0125);
    EXPECT_EQ(s.Listed(),
              (Texts{"      449.75000|3rd|[1]||[2],[3]", "      449.50000|3rd|[1]||[2],[3]",
                     "      470.00000|5th|[3]||[2],[3]"}));
    EXPECT_EQ(s.rows.rows()[1].texts[ImColFrequencyBounds], "449.25000 - 449.75000");
    EXPECT_EQ(s.rows.rows()[1].texts[ImColBandwidth], "500.00");
    EXPECT_EQ(s.Tags(), (Tags{3, 0, 5}));
    EXPECT_EQ(s.list.entry(2).mark.colour, order2colour(5));
}

TEST(ProductRecorder, FilterAdmitsVictimsAndListsComponentsByStatus) {
    Recording s;
    s.Add(400, 0, 25, "Rx", "Plan", 25);     // 1 planned receiver
    s.Add(400.01, 0, 25, "Rx", "Exist", 25); // 2 existing receiver
    s.Add(300, 0, 25, "Tx", "Plan", 0);      // 3
    s.Add(500, 0, 25, "Both", "Exist", 25);  // 4, unchecked victim
    s.list.SetChecked(3, false);
    {
        ProductRecorder r = s.Recorder(VictimFilter::FromOption(3));
        // Hits only the planned receiver: not recorded, no number taken.
        r.RecordProduct(399.98, {300, 1, 3}, {500, 1, 4}, {}, 0.0125);
        // Hits both: only the existing one listed and marked.
        r.RecordProduct(400.005, {300, 1, 3}, {500, 1, 4}, {}, 0.0125);
        // The unchecked transceiver at 500 is still a victim.
        r.RecordProduct(500, {300, 1, 3}, {500, 1, 4}, {}, 0.0125);
    }
    EXPECT_EQ(s.Listed(),
              (Texts{"      400.00500|2nd|[2]|[3]|[4]", "      500.00000|2nd|[4]|[3]|[4]"}));
    EXPECT_EQ(s.rows.rows()[0].key, "ID: 1");
    EXPECT_EQ(s.Tags(), (Tags{0, 2, 0, 2}));

    s.Reset();
    {
        ProductRecorder r = s.Recorder(VictimFilter::FromOption(2));
        r.RecordProduct(400.005, {300, 2, 3}, {200, -1, 2}, {}, 0.0125);
        r.RecordProduct(500, {300, 1, 3}, {500, 1, 4}, {}, 0.0125);
    }
    EXPECT_EQ(s.Listed(), (Texts{"      400.00500|3rd|[1]|[3]|[2]"}));
    EXPECT_EQ(s.list.entry(0).mark.tag, 3);

    s.Reset();
    s.Recorder(VictimFilter::FromOption(1))
        .RecordProduct(400.005, {300, 1, 3}, {200, 1, 2}, {100.005, -1, 1}, 0.0125);
    EXPECT_EQ(s.Listed(), (Texts{"      400.00500|3rd|[1],[2]|[3],[1]|[2]"}));
    EXPECT_EQ(s.rows.rows()[0].texts[ImColComposition2], "1 x [3] + 1 x [2] - 1 x [1]");
}

// A mark as tag, colour, bold, ghosted and icon.
std::tuple<int, std::uint32_t, bool, bool, int> Fields(const VictimMark& m) {
    return {m.tag, m.colour, m.bold, m.ghosted, m.icon};
}

TEST(VictimMarks, LowestOrderWinsAndUnmarkKeepsTheTag) {
    testing::ScriptedMessageBox box;
    FrequencyList list(Locale::English());
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
    FrequencyList list(Locale::English());
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
