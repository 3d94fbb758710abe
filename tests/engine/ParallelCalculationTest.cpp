#include "SiteBuilder.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>
#include <random>

namespace spurline {
namespace {

// One calculation of a site with a given thread count, kept whole for comparison.
struct SiteRun {
    testing::ScriptedMessageBox box;
    FrequencyList list{Locale::German(), box};
    cIntermodItems products{box};
    IntermodList rows;
    IntermodCalculation calculation{list, products, rows, box};
    CalculationResult result;
};

// A random site: crowded around 450 MHz so that many products land on receivers.
void BuildSite(FrequencyList& list, std::mt19937 random, int n) {
    static const char* Roles[] = {"Tx", "Rx", "Both"};
    for (int r = 0; r < n; ++r) {
        testing::AddSiteEntry(list, 450 + 0.0125 * static_cast<double>(random() % 800),
                              random() % 3 == 0 ? 5000 : 0, 12.5 * (1 + random() % 3),
                              Roles[random() % 3], random() % 2 ? "Plan" : "Exist",
                              12.5 * (random() % 4));
        if (random() % 7 == 0) {
            list.SetChecked(list.count() - 1, false);
        }
    }
}

IntermodOptions RandomOptions(std::mt19937& random) {
    IntermodOptions options;
    for (int order : {2, 3, 5, 7, 9}) {
        options.setOrder(order, random() % 3 != 0);
    }
    options.harmonics = random() % 2 == 0;
    options.worstCase = random() % 2 == 0;
    options.threeFrequencies = random() % 4 != 0;
    options.filter = VictimFilter::FromOption(static_cast<int>(random() % 4));
    options.lowerLimit = "440";
    options.upperLimit = "470";
    return options;
}

void Calculate(SiteRun& run, std::uint32_t seed, int n, const IntermodOptions& options, int threads,
               int cap) {
    BuildSite(run.list, std::mt19937(seed), n);
    run.calculation.SetThreads(threads);
    run.calculation.listCap = cap;
    NoCalculationCallbacks events;
    run.result = run.calculation.Calculate(options, events);
}

void ExpectSameRun(const SiteRun& one, const SiteRun& many) {
    EXPECT_EQ(many.result.outcome, one.result.outcome);
    ASSERT_EQ(many.rows.count(), one.rows.count());
    for (int k = 0; k < one.rows.count(); ++k) {
        const IntermodListRow& a = one.rows.rows()[static_cast<std::size_t>(k)];
        const IntermodListRow& b = many.rows.rows()[static_cast<std::size_t>(k)];
        ASSERT_EQ(b.key, a.key) << "row " << k;
        ASSERT_EQ(b.tag, a.tag) << "row " << k;
        ASSERT_EQ(b.texts, a.texts) << "row " << k;
    }
    auto product = many.products.begin();
    for (const auto& item : one.products) {
        ASSERT_EQ((*product++)->key(), item->key());
    }
    for (int r = 0; r < one.list.count(); ++r) {
        EXPECT_TRUE(many.list.entry(r).mark == one.list.entry(r).mark) << "entry " << r + 1;
    }
}

TEST(ParallelCalculation, RandomSitesGiveTheOneThreadResultOnAnyThreadCount) {
    struct Case {
        int sites;
        int n;     // entries per site; 66 splits a first transmitter's pairs in two slices
        int cap;   // -1: no cap; otherwise random caps up to this
        bool wide; // all options random; otherwise third-order triples with victims only (quick)
    };
    const Case cases[] = {
        {10, 12, -1, true}, {16, 12, 60, true}, {2, 66, -1, false}, {2, 66, 400, false}};
    std::mt19937 random(2718);
    int capped = 0;
    for (const Case& c : cases) {
        for (int s = 0; s < c.sites; ++s) {
            const std::uint32_t seed = random();
            IntermodOptions options = RandomOptions(random);
            if (!c.wide) {
                options.orders = {};
                options.setOrder(3, true);
                options.threeFrequencies = true;
                options.filter = VictimFilter::FromOption(1 + static_cast<int>(seed % 3));
            }
            const int cap = c.cap < 0 ? -1 : static_cast<int>(random() % c.cap);
            SiteRun one;
            Calculate(one, seed, c.n, options, 1, cap);
            capped += one.result.outcome == CalculationOutcome::Capped ? 1 : 0;
            for (int threads : {2, 3, 8}) {
                SCOPED_TRACE("n " + std::to_string(c.n) + " seed " + std::to_string(seed) +
                             " cap " + std::to_string(cap) + " threads " + std::to_string(threads));
                SiteRun many;
                Calculate(many, seed, c.n, options, threads, cap);
                ExpectSameRun(one, many);
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
    }
    EXPECT_GT(capped, 5); // the cap cases really stopped at the cap
}

TEST(ParallelCalculation, ProgressRunsOnTheCallingThreadAndEscapeStops) {
    SiteRun run;
    BuildSite(run.list, std::mt19937(5), 30);
    run.calculation.SetThreads(2);
    run.calculation.listCap = -1;
    bool recalculated = false;
    run.calculation.recalculateDue = [&] { recalculated = true; };
    testing::ScriptedCallbacks events;
    events.onProgress = [&](int first) { events.escapeHeld = first == 15; };
    events.inputWaitingFrom = 1;
    const IntermodOptions options = IntermodOptions::Defaults();
    const CalculationResult result = run.calculation.Calculate(options, events);
    EXPECT_EQ(result.outcome, CalculationOutcome::Aborted);
    ASSERT_EQ(events.progress.size(), 15U);
    EXPECT_EQ(events.progress.back(), 15);
    EXPECT_EQ(events.progressCount, run.list.count());
    EXPECT_TRUE(recalculated);
    EXPECT_TRUE(run.rows.outOfDate());

    SiteRun whole; // the products recorded before the abort open the complete list, unsorted
    Calculate(whole, 5, 30, options, 1, -1);
    ASSERT_GT(run.rows.count(), 1);
    ASSERT_LT(run.rows.count(), whole.rows.count());
    for (int k = 0; k < run.rows.count(); ++k) {
        EXPECT_EQ(run.rows.rows()[static_cast<std::size_t>(k)].texts,
                  whole.rows.rows()[static_cast<std::size_t>(k)].texts);
    }
}

} // namespace
} // namespace spurline
