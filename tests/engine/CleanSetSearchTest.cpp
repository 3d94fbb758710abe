#include "engine/CleanSetSearch.h"

#include "GeneratedBands.h"
#include "SiteBuilder.h"
#include "engine/FinderTexts.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>
#include <string>

namespace spurline {
namespace {

constexpr const char* RoleNames[] = {"Tx", "Rx", "Both"};

// A generated site as list entries, so that the full calculation can check a set.
std::unique_ptr<FrequencyList> BandList(const testing::BandCase& c, const Locale& locale) {
    auto list = std::make_unique<FrequencyList>(locale);
    for (const CalculationRow& row : testing::BandSite(c)) {
        const char* role = row.role == RoleRx ? "Rx" : row.role == RoleTx ? "Tx" : "Both";
        EXPECT_TRUE(testing::AddSiteEntry(
            *list, row.receiveFrequency, (row.transmitFrequency - row.receiveFrequency) * 1000,
            row.transmitHalfWidth * 2000, role, "Exist", row.receiveHalfWidth * 2000));
    }
    return list;
}

// Every chosen channel added as a planned entry; then no product of the full calculation may
// involve or reach one of them, and their carriers keep the spacing.
void ExpectCleanByFullCalculation(const FrequencyList& site, const testing::BandCase& c,
                                  const std::vector<CandidateResult>& chosen) {
    const auto built = BandList(c, site.locale());
    FrequencyList& list = *built;
    const FinderRequest request = testing::BandRequest(c);
    const int first = list.count() + 1;
    for (const CandidateResult& r : chosen) {
        ASSERT_TRUE(r.clean());
        ASSERT_TRUE(testing::AddSiteEntry(list, r.frequencyMHz, 0, request.txBandwidthKHz,
                                          RoleNames[static_cast<int>(c.role)], "Plan",
                                          request.rxBandwidthKHz));
    }
    for (std::size_t a = 1; a < chosen.size(); ++a) {
        EXPECT_GE((chosen[a].frequencyMHz - chosen[a - 1].frequencyMHz) * 1000,
                  c.spacingKHz - 1e-6);
    }
    testing::ScriptedMessageBox box;
    cIntermodItems products(box);
    IntermodList rows;
    IntermodCalculation calculation(list, products, rows, box);
    NoCalculationCallbacks events;
    ASSERT_EQ(calculation.Calculate(testing::BandOptions(c), events).outcome,
              CalculationOutcome::Complete);
    for (const IntermodListRow& row : rows.rows()) {
        for (int e = first; e <= list.count(); ++e) {
            const std::string self = "[" + std::to_string(e) + "]";
            ASSERT_EQ(row.texts[ImColComposition2].find(self), std::string::npos)
                << row.texts[ImColComposition2] << " reaches " << row.texts[ImColAffects];
            ASSERT_EQ(row.texts[ImColAffects].find(self), std::string::npos)
                << row.texts[ImColComposition2] << " reaches " << row.texts[ImColAffects];
        }
    }
}

TEST(CleanSetSearchTest, EveryGeneratedSetPassesTheFullCalculationAndMatchesGreedyAtLeast) {
    // Two seconds each: enough to pass greedy first-fit on most bands, and what the search
    // reports when stopped at its limit is checked as well.
    for (std::size_t n = 0; n < testing::BandCases.size(); ++n) {
        const testing::BandCase& c = testing::BandCases[n];
        SCOPED_TRACE(c.name);
        const auto list = BandList(c, n % 2 == 0 ? Locale::English() : Locale::German());
        const CleanSetResult found =
            FindMostChannels(ReadCalculationTable(*list), testing::BandOptions(c), {0, 1000000},
                             testing::BandRequest(c), 2);
        EXPECT_GT(found.greedy, 0U);
        EXPECT_GE(found.channels.size(), found.greedy);
        EXPECT_LE(found.channels.size(), found.candidates);
        ExpectCleanByFullCalculation(*list, c, found.channels);
    }
}

TEST(CleanSetSearchTest, ASearchToTheEndIsTheLargestAndRepeatsItself) {
    // Six simplex transceivers at 25 kHz with third-order products: 2 a - b must miss every
    // chosen receiver. Searched to the end, the set cannot grow by any one channel either.
    const testing::BandCase c{"small", 40, 0, false, false, FinderRole::Both, 0};
    FinderRequest request = testing::BandRequest(c);
    request.stepKHz = 25;
    request.toMHz = 450.5;
    std::vector<double> told;
    const auto first = FindMostChannels({}, testing::BandOptions(c), {0, 1000000}, request, 0,
                                        [&](const CleanSetProgress& p) {
                                            told.push_back(p.fraction);
                                            return true;
                                        });
    const auto second = FindMostChannels({}, testing::BandOptions(c), {0, 1000000}, request, 0);
    ASSERT_TRUE(first.complete);
    EXPECT_FALSE(first.stopped);
    EXPECT_EQ(first.candidates, 21U);
    ASSERT_EQ(first.channels.size(), second.channels.size());
    for (std::size_t k = 0; k < first.channels.size(); ++k) {
        EXPECT_EQ(first.channels[k].frequencyMHz, second.channels[k].frequencyMHz);
    }
    // No candidate left clean beside the set.
    CalculationTable site;
    FrequencyFinder finder(site, testing::BandOptions(c), {0, 1000000});
    for (const CandidateResult& r : first.channels) {
        site.push_back(finder.CandidateRow(request, r.frequencyMHz));
    }
    for (const CandidateResult& r :
         FrequencyFinder(site, testing::BandOptions(c), {0, 1000000}).Search(request)) {
        EXPECT_FALSE(r.clean()) << r.frequencyMHz;
    }
    // Each channel as it fares with the others: clean, the nearest carrier a chosen neighbour
    // (adjacent 25 kHz channels would hit each other with 2 a - b).
    for (const CandidateResult& r : first.channels) {
        EXPECT_TRUE(r.clean());
        EXPECT_GE(r.nearestCarrierKHz, 50 - 1e-6);
        EXPECT_LT(r.nearestCarrierKHz, 500);
    }
    EXPECT_GE(first.channels.size(), first.greedy);
}

TEST(CleanSetSearchTest, StoppingKeepsTheBestSetSoFar) {
    const testing::BandCase& c = testing::BandCases[0]; // 100 candidates, no site
    int calls = 0;
    const CleanSetResult found =
        FindMostChannels({}, testing::BandOptions(c), {0, 1000000}, testing::BandRequest(c), 0,
                         [&](const CleanSetProgress& p) {
                             ++calls;
                             EXPECT_GE(p.fraction, 0);
                             EXPECT_LE(p.fraction, 1);
                             return p.greedy == 0 || p.best <= p.greedy;
                         });
    EXPECT_TRUE(found.stopped);
    EXPECT_FALSE(found.complete);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(found.channels.size(), found.greedy + 1);
}

} // namespace
} // namespace spurline
