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

struct Case {
    Locale locale;
    std::vector<std::array<double, 4>> numbers; // MHz, offset kHz, Tx kHz, Rx kHz
    std::vector<std::string> roles;
    std::vector<std::string> statuses;
    std::vector<bool> checked;
    IntermodOptions options;
};

Case RandomCase(std::mt19937& random, int index) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    Case c;
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
void ExpectEquivalent(const Case& c, const std::string& label, int& recorded, int& withVictims) {
    testing::ScriptedMessageBox box;
    FrequencyList list(c.locale, box);
    for (std::size_t r = 0; r < c.numbers.size(); ++r) {
        const auto& v = c.numbers[r];
        if (!testing::AddSiteEntry(list, v[0], v[1], v[2], c.roles[r], c.statuses[r], v[3])) {
            continue; // a duplicate offset frequency
        }
        if (!c.checked[r]) {
            list.SetChecked(list.count() - 1, false);
        }
    }
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
        EXPECT_EQ(result.outcome, CalculationOutcome::LimitsRejected) << label;
        return;
    }
    EXPECT_EQ(result.outcome,
              expected.capped ? CalculationOutcome::Capped : CalculationOutcome::Complete)
        << label;
    ASSERT_EQ(rows.count(), static_cast<int>(expected.rows.size())) << label;
    for (std::size_t k = 0; k < expected.rows.size(); ++k) {
        const IntermodListRow& row = rows.rows()[k];
        ASSERT_EQ(row.texts, expected.rows[k].texts) << label << " row " << k;
        ASSERT_EQ(row.key, expected.rows[k].key) << label << " row " << k;
        ASSERT_EQ(row.tag, expected.rows[k].tag) << label << " row " << k;
    }
    ASSERT_EQ(products.Count(), static_cast<int>(expected.products.size())) << label;
    std::size_t k = 0;
    for (const auto& item : products) {
        const testing::ReferenceProduct& p = expected.products[k++];
        ASSERT_EQ(item->key(), p.key) << label;
        ASSERT_EQ(item->frequency(), p.frequency) << label;
        ASSERT_EQ(item->bandwidth(), p.bandwidth) << label;
        ASSERT_EQ(item->order(), p.order) << label;
        ASSERT_EQ(item->byfrequency(), p.byfrequency) << label;
        ASSERT_EQ(item->bycomposition(), p.bycomposition) << label;
        ASSERT_EQ(item->tag(), p.tag) << label;
    }
    ASSERT_EQ(expected.marks.size(), static_cast<std::size_t>(list.count()));
    for (int r = 0; r < list.count(); ++r) {
        const VictimMark& mark = list.entry(r).mark;
        const VictimMark& want = expected.marks[static_cast<std::size_t>(r)];
        EXPECT_EQ(mark.tag, want.tag) << label << " entry " << r + 1;
        EXPECT_EQ(mark.colour, want.colour) << label << " entry " << r + 1;
        EXPECT_EQ(mark.bold, want.bold) << label;
        EXPECT_EQ(mark.ghosted, want.ghosted) << label;
        EXPECT_EQ(mark.icon, want.icon) << label;
    }
}

TEST(Equivalence, RandomSitesGiveTheSameListsAsThePlainAlgorithm) {
    std::mt19937 random(7919);
    int recorded = 0;
    int withVictims = 0;
    for (int index = 0; index < 200; ++index) {
        const Case c = RandomCase(random, index);
        ExpectEquivalent(c, "case " + std::to_string(index), recorded, withVictims);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(recorded, 8000);
    EXPECT_GT(withVictims, 100);
}

TEST(Equivalence, SitesThatReachTheListCap) {
    {
        Case c;
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
        int recorded = 0;
        int withVictims = 0;
        ExpectEquivalent(c, "cap", recorded, withVictims);
        EXPECT_GT(recorded, 32700);
    }
}

} // namespace
} // namespace spurline
