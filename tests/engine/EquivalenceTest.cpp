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

// A product's fields, for comparison and printing.
auto Fields(const testing::ReferenceProduct& p) {
    return std::tie(p.key, p.frequency, p.bandwidth, p.order, p.byfrequency, p.bycomposition,
                    p.tag);
}

// What the plain algorithm did on the sites compared, so a test can tell they were not trivial.
struct Tally {
    int recorded = 0, withVictims = 0, capped = 0;
};

// Compares the engine, on the given thread count and list cap, with the plain algorithm on one
// site.
void ExpectEquivalent(const SiteSpec& c, const std::string& label, Tally& tally, int threads = 1,
                      int cap = IntermodCalculation::ListCap, long sliceSteps = 32768) {
    SCOPED_TRACE(label);
    testing::ScriptedMessageBox box;
    FrequencyList list(c.locale);
    testing::AddSpecEntries(list, c);
    // Marks left over from an earlier run must not matter.
    for (int r = 0; r < list.count(); r += 2) {
        list.SetVictimMark(r, VictimMark{3, 0xFF, true, true, 1});
    }
    const testing::ReferenceResult expected =
        testing::ReferenceCalculate(list.entries(), c.locale, c.options, cap);
    cIntermodItems products(box);
    IntermodList rows;
    IntermodCalculation calculation(list, products, rows, box);
    calculation.SetThreads(threads);
    calculation.listCap = cap;
    calculation.sliceSteps = sliceSteps;
    NoCalculationCallbacks events;
    const CalculationResult result = calculation.Calculate(c.options, events);

    tally.recorded += static_cast<int>(expected.products.size());
    tally.capped += expected.capped ? 1 : 0;
    for (const IntermodListRow& row : expected.rows) {
        tally.withVictims += row.texts[ImColAffects].empty() ? 0 : 1;
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
    Tally tally;
    for (int index = 0; index < 200; ++index) {
        const SiteSpec c = RandomCase(random, index);
        // Every thread count, and now and then a small list cap, must give the same lists; the
        // work is cut into slices of a few pairs.
        static const int Threads[] = {1, 2, 3, 8};
        const int cap = index % 5 == 3 ? index % 60 : IntermodCalculation::ListCap;
        ExpectEquivalent(c, "case " + std::to_string(index), tally, Threads[index % 4], cap,
                         1 + index % 40);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(tally.recorded, 8000);
    EXPECT_GT(tally.withVictims, 100);
    EXPECT_GT(tally.capped, 5);
}

TEST(Equivalence, LargeSitesCutIntoSlicesForThreads) {
    // Slices of 4096 steps split a first transmitter's pairs among the 66 entries in two; third
    // order with triples and victims only, so that the plain algorithm stays quick.
    std::mt19937 random(2718);
    static const char* Roles[] = {"Tx", "Rx", "Both"};
    for (int cap : {-1, 300}) {
        SiteSpec c;
        c.locale = Locale::German();
        for (int r = 0; r < 66; ++r) {
            c.numbers.push_back({450 + 0.0125 * (random() % 800), random() % 3 == 0 ? 5000.0 : 0,
                                 12.5 * (1 + random() % 3), 12.5 * (random() % 4)});
            c.roles.push_back(Roles[random() % 3]);
            c.statuses.push_back(random() % 2 ? "Plan" : "Exist");
            c.checked.push_back(random() % 7 != 0);
        }
        c.options.setOrder(3, true);
        c.options.harmonics = c.options.worstCase = cap < 0;
        c.options.filter = VictimFilter::FromOption(cap < 0 ? 1 : 3);
        c.options.lowerLimit = "440";
        c.options.upperLimit = "470";
        Tally tally;
        ExpectEquivalent(c, "cap " + std::to_string(cap), tally, 3, cap, 4096);
        EXPECT_GT(tally.withVictims, cap < 0 ? 300 : 0);
        EXPECT_EQ(tally.capped, cap < 0 ? 0 : 1);
    }
}

TEST(Equivalence, ReceiversApartFromTheTransmitters) {
    // Transmitters spread over 70 MHz and a few receivers close together: only a few thirds can
    // make products that reach them, on a raster where products fall on the band edges.
    std::mt19937 random(4242);
    Tally tally;
    for (int index = 0; index < 24; ++index) {
        SiteSpec c;
        c.locale = index % 2 ? Locale::German() : Locale::English();
        const int n = 20 + static_cast<int>(random() % 20);
        for (int r = 0; r < n; ++r) {
            const bool receiver = r % 6 == 5;
            const double mhz = receiver ? 430 + 0.5 * (random() % 4) + 0.0125 * (random() % 8)
                                        : 400 + 0.5 * (random() % 140);
            c.numbers.push_back({mhz, 0, 12.5 * (1 + random() % 4), 12.5 * (1 + random() % 2)});
            c.roles.push_back(receiver ? "Rx" : "Tx");
            c.statuses.push_back(random() % 2 ? "Plan" : "Exist");
            c.checked.push_back(true);
        }
        c.options.setOrder(3, true);
        c.options.setOrder(5, index % 3 != 2);
        c.options.harmonics = index % 4 < 2;
        c.options.worstCase = index % 2 == 0;
        c.options.filter = VictimFilter::FromOption(1 + index % 3);
        c.options.upperLimit = index % 5 == 4 ? "431" : "";
        ExpectEquivalent(c, "case " + std::to_string(index), tally, 1 + index % 2);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(tally.withVictims, 200);
}

} // namespace
} // namespace spurline
