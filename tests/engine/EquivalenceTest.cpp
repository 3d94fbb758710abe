#include "ReferenceCalculation.h"
#include "SiteBuilder.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>
#include <random>

namespace spurline {
namespace {

using testing::SiteSpec;

SiteSpec RandomCase(std::mt19937& random, int index) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    SiteSpec c;
    c.locale = index % 2 == 0 ? Locale::English() : Locale::German();
    const int n = 2 + pick(11);
    const bool spread = pick(4) == 0;
    static const double Widths[] = {0, 12.5, 25, 37.5, 100, 6.25};
    static const double Offsets[] = {0, 0, 5000, -5000, 10000, 4600, -12.5};
    static const char* Roles[] = {"Tx", "Rx", "Both", "tx", "RX", "both"};
    for (int r = 0; r < n; ++r) {
        const double mhz = spread ? 30 + 0.0125 * pick(800000) : 450 + 0.0125 * pick(400);
        c.numbers.push_back({mhz, Offsets[pick(7)], Widths[pick(6)], Widths[pick(6)]});
        c.roles.push_back(Roles[pick(6)]);
        c.statuses.push_back(pick(2) == 0 ? "Plan" : "Exist");
        c.checked.push_back(pick(6) != 0);
    }
    for (int order : {2, 3, 5, 7, 9}) {
        c.options.setOrder(order, pick(3) != 0);
    }
    c.options.harmonics = pick(2) == 0;
    c.options.worstCase = index % 4 < 2;
    c.options.threeFrequencies = pick(3) != 0;
    c.options.filter = VictimFilter::FromOption(index % 8 < 2 ? 0 : pick(4));
    switch (pick(4)) {
    case 0: // wide: no limits at all
        break;
    case 1: // narrow, around the site
        c.options.lowerLimit = FormatNumber(440 + 0.0125 * pick(800), "0.0000", c.locale);
        c.options.upperLimit = FormatNumber(455 + 0.0125 * pick(800), "0.0000", c.locale);
        break;
    case 2: // a limit exactly on a raster point where products land
        c.options.lowerLimit = FormatNumber(450 + 0.0125 * pick(400), "0.0000", c.locale);
        c.options.upperLimit = "1000";
        break;
    default:
        c.options.lowerLimit = "0";
        c.options.upperLimit = FormatNumber(100 + pick(2000), "0", c.locale);
        break;
    }
    return c;
}

// Compares the engine with the plain algorithm on one site; counts the rows the plain algorithm
// recorded and those of them with victims, so the caller can tell the sites were not trivial.
// A product's fields, for comparison and printing.
auto Fields(const testing::ReferenceProduct& p) {
    return std::tie(p.key, p.frequency, p.bandwidth, p.order, p.byfrequency, p.bycomposition,
                    p.tag);
}

// Compares the engine with the plain algorithm on one site; counts the rows the plain algorithm
// recorded and those of them with victims, so the caller can tell the sites were not trivial.
void ExpectEquivalent(const SiteSpec& c, const std::string& label, int& recorded,
                      int& withVictims) {
    SCOPED_TRACE(label);
    testing::ScriptedMessageBox box;
    FrequencyList list(c.locale, box);
    testing::AddSpecEntries(list, c);
    // Marks left over from an earlier run must not matter.
    for (int r = 0; r < list.count(); r += 2) {
        list.SetVictimMark(r, VictimMark{3, 0xFF, true, true, 1});
    }
    const testing::ReferenceResult expected =
        testing::ReferenceCalculate(list.entries(), c.locale, c.options);
    cIntermodItems products(box);
    IntermodList rows;
    IntermodCalculation calculation(list, products, rows, box);
    NoCalculationCallbacks events;
    const CalculationResult result = calculation.Calculate(c.options, events);

    recorded += static_cast<int>(expected.products.size());
    for (const IntermodListRow& row : expected.rows) {
        withVictims += row.texts[ImColAffects].empty() ? 0 : 1;
    }
    if (expected.limitsRejected) {
        EXPECT_EQ(result.outcome, CalculationOutcome::LimitsRejected);
        return;
    }
    EXPECT_EQ(result.outcome,
              expected.capped ? CalculationOutcome::Capped : CalculationOutcome::Complete);
    ASSERT_EQ(rows.count(), static_cast<int>(expected.rows.size()));
    for (std::size_t k = 0; k < expected.rows.size(); ++k) {
        const IntermodListRow& row = rows.rows()[k];
        ASSERT_EQ(row.texts, expected.rows[k].texts) << "row " << k;
        ASSERT_EQ(row.key + " " + row.tag, expected.rows[k].key + " " + expected.rows[k].tag);
    }
    ASSERT_EQ(products.Count(), static_cast<int>(expected.products.size()));
    std::size_t k = 0;
    for (const auto& item : products) {
        const testing::ReferenceProduct got{
            item->frequency(),   item->bandwidth(),     item->order(), item->key(),
            item->byfrequency(), item->bycomposition(), item->tag()};
        ASSERT_EQ(Fields(got), Fields(expected.products[k++]));
    }
    ASSERT_EQ(expected.marks.size(), static_cast<std::size_t>(list.count()));
    for (int r = 0; r < list.count(); ++r) {
        EXPECT_TRUE(list.entry(r).mark == expected.marks[static_cast<std::size_t>(r)])
            << "entry " << r + 1;
    }
}

TEST(Equivalence, RandomSitesGiveTheSameListsAsThePlainAlgorithm) {
    std::mt19937 random(7919);
    int recorded = 0;
    int withVictims = 0;
    for (int index = 0; index < 200; ++index) {
        const SiteSpec c = RandomCase(random, index);
        ExpectEquivalent(c, "case " + std::to_string(index), recorded, withVictims);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(recorded, 8000);
    EXPECT_GT(withVictims, 100);
}

TEST(Equivalence, SitesThatReachTheListCap) {
    SiteSpec c;
    c.locale = Locale::German();
    for (int k = 0; k < 40; ++k) {
        c.numbers.push_back({450 + 0.0125 * (k * k % 97) + 0.5 * k, 0, 25, 25});
        c.roles.push_back(k % 3 == 0 ? "Both" : "Tx");
        c.statuses.push_back(k % 2 == 0 ? "Plan" : "Exist");
        c.checked.push_back(true);
    }
    for (int order : {3, 5, 7, 9}) {
        c.options.setOrder(order, true);
    }
    c.options.harmonics = false;
    c.options.filter = VictimFilter::FromOption(0);
    int recorded = 0, withVictims = 0;
    ExpectEquivalent(c, "cap", recorded, withVictims);
    EXPECT_GT(recorded, 32700);
}

} // namespace
} // namespace spurline
