#include "engine/FrequencyFinder.h"

#include "SiteBuilder.h"
#include "document/TextHelpers.h"
#include "engine/FinderTexts.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "engine/SiteSummary.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <set>
#include <tuple>

namespace spurline {
namespace {

using Site = testing::SiteSpec;

Site RandomSite(std::mt19937& random, int index) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    static const double Widths[] = {0, 12.5, 25, 6.25};
    static const double Offsets[] = {0, 0, 5000, -4600, 12.5};
    static const char* Roles[] = {"Tx", "Rx", "Both"};
    Site s;
    s.locale = index % 2 == 0 ? Locale::English() : Locale::German();
    // Every fifth site is crowded, its entries of one width as at a real site: enough products
    // of one shape for the finder to count them by family rather than one by one.
    const bool crowded = index % 5 == 4;
    // Every fifth site is mixed-band: low-VHF transmitters whose 2 f1 + c and f1 + 2 c land on
    // UHF receivers, enough of both for the widths of these products to matter at band edges.
    const bool mixed = index % 5 == 2;
    const double width = Widths[1 + pick(3)];
    for (int r = 0, n = 3 + pick(5) + (crowded ? 20 : 0) + (mixed ? 9 : 0); r < n; ++r) {
        const double tx = Widths[pick(4)];
        const double rx = Widths[pick(4)];
        const double base = mixed ? (r % 3 == 0 ? 50 : r % 3 == 1 ? 550 : 950) : 450;
        s.numbers.push_back({base + 0.0125 * pick(48), Offsets[pick(5)], crowded ? width : tx,
                             crowded ? width : rx});
        const char* role = Roles[pick(3)];
        s.roles.push_back(mixed ? (r % 3 == 0 ? "Tx" : "Rx") : role);
        s.statuses.push_back(pick(2) == 0 ? "Plan" : "Exist");
        s.checked.push_back(pick(6) != 0);
    }
    for (int order : {2, 3, 5, 7, 9}) {
        s.options.setOrder(order, pick(3) != 0);
    }
    s.options.harmonics = pick(2) == 0;
    s.options.worstCase = pick(2) == 0;
    s.options.threeFrequencies = pick(3) != 0;
    s.options.filter = VictimFilter::FromOption(1 + pick(3));
    if (mixed) {
        s.options.setOrder(3, true);
        s.options.harmonics = s.options.worstCase = true;
        s.options.filter = VictimFilter::FromOption(1);
    } else if (pick(3) == 0) {
        s.options.lowerLimit = FormatNumber(449 + 0.0125 * pick(160), "0.0000", s.locale);
        s.options.upperLimit = FormatNumber(451 + 0.0125 * pick(160), "0.0000", s.locale);
    }
    return s;
}

class FinderTest : public ::testing::Test {
protected:
    // Existing, checked entries; third order only, without harmonics, not worst case.
    static Site ThirdOrderSite(Locale locale, std::vector<std::array<double, 4>> numbers,
                               std::vector<std::string> roles, bool threeFrequencies) {
        Site s{locale,
               std::move(numbers),
               roles,
               std::vector<std::string>(roles.size(), "Exist"),
               std::vector<bool>(roles.size(), true),
               {}};
        s.options.setOrder(3, true);
        s.options.harmonics = s.options.worstCase = false;
        s.options.threeFrequencies = threeFrequencies;
        s.options.filter = VictimFilter::FromOption(1);
        return s;
    }

    // Builds the site's list.
    std::unique_ptr<FrequencyList> Build(const Site& s) {
        auto list = std::make_unique<FrequencyList>(s.locale);
        testing::AddSpecEntries(*list, s);
        return list;
    }

    static CalculationTable Table(const FrequencyList& list) {
        CalculationTable table;
        for (const FrequencyEntry& e : list.entries()) {
            table.push_back(ReadCalculationRow(e, list.locale()));
        }
        return table;
    }

    // Runs the full calculation on the list; false when it did not complete.
    bool Calculate(FrequencyList& list, const IntermodOptions& options) {
        products = std::make_unique<cIntermodItems>(box);
        rows = IntermodList();
        IntermodCalculation calculation(list, *products, rows, box);
        NoCalculationCallbacks events;
        return calculation.Calculate(options, events).outcome == CalculationOutcome::Complete;
    }

    static std::vector<int> Entries(const std::string& text) {
        std::vector<int> entries;
        static const std::regex Number(R"(\[(\d+)\])");
        for (std::sregex_iterator it(text.begin(), text.end(), Number), end; it != end; ++it) {
            entries.push_back(std::stoi((*it)[1]));
        }
        return entries;
    }

    // Expects the site summary's counts to be those of the calculated list; counts entries hit.
    void ExpectSummary(FrequencyList& list, const IntermodOptions& options,
                       const CalculationLimits& limits, int& busy) {
        const std::vector<EntrySummary> summary = SummariseSite(Table(list), options, limits);
        if (!Calculate(list, options)) {
            return;
        }
        const std::size_t n = static_cast<std::size_t>(list.count());
        std::vector<EntrySummary> want(n);
        std::vector<std::set<int>> victims(n);
        for (const IntermodListRow& row : rows.rows()) {
            if (row.key == "None") {
                continue;
            }
            const std::vector<int> hit = Entries(row.texts[ImColAffects]);
            for (int e : Entries(row.texts[ImColComposition2])) {
                ++want[static_cast<std::size_t>(e - 1)].products;
                victims[static_cast<std::size_t>(e - 1)].insert(hit.begin(), hit.end());
            }
            const int order = std::stoi(row.texts[ImColOrder]);
            for (int v : hit) {
                EntrySummary& w = want[static_cast<std::size_t>(v - 1)];
                ++w.received;
                w.lowestOrder = w.lowestOrder == 0 ? order : std::min(w.lowestOrder, order);
            }
        }
        auto counts = [](const EntrySummary& s) {
            return std::tuple(s.products, s.victims, s.received, s.lowestOrder);
        };
        ASSERT_EQ(summary.size(), n);
        bool reached = false;
        for (std::size_t e = 0; e < n; ++e) {
            want[e].victims = static_cast<int>(victims[e].size());
            EXPECT_EQ(counts(summary[e]), counts(want[e])) << "entry " << e + 1;
            busy += want[e].received > 0 ? 1 : 0;
            reached = reached || want[e].products > 0;
        }
        // The finder window's worst-transmitter line.
        EXPECT_EQ(WorstTransmitter(summary) != 0, reached);
        if (!reached) {
            ++unreached;
            EXPECT_EQ(WorstTransmitterText(summary, list), "No product reaches a receiver.");
        }
    }

    testing::ScriptedMessageBox box;
    std::unique_ptr<cIntermodItems> products;
    IntermodList rows;
    int unreached = 0; // summaries in which no product reaches a receiver
};

TEST_F(FinderTest, EveryCandidateAndTheSummaryAgreeWithAFullCalculation) {
    std::mt19937 random(4242);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    static const FinderRole Roles[] = {FinderRole::Tx, FinderRole::Rx, FinderRole::Both};
    static const char* RoleNames[] = {"Tx", "Rx", "Both"};
    static const double Steps[] = {12.5, 25, 6.25};
    int compared = 0;
    int withConflicts = 0;
    int clean = 0;
    int busy = 0;
    for (int index = 0; index < 80; ++index) {
        const Site s = RandomSite(random, index);
        SCOPED_TRACE("site " + std::to_string(index));
        auto list = Build(s);
        FinderRequest request;
        request.role = Roles[index % 3];
        request.fromMHz = 449.8 + 0.0125 * pick(20);
        request.stepKHz = Steps[pick(3)];
        // A crowded site with a short raster, so that its products outnumber the candidates.
        const int steps = index % 5 == 4 ? 4 + pick(8) : 10 + pick(30);
        request.toMHz = request.fromMHz + request.stepKHz * steps / 1000;
        request.txBandwidthKHz = 6.25 * (1 + pick(4));
        request.rxBandwidthKHz = 6.25 * (1 + pick(4));
        request.offsetKHz = request.role == FinderRole::Both ? (pick(2) ? 5000 : -12.5) : 0;
        const CalculationLimits limits =
            ReadLimits(s.options.lowerLimit, s.options.upperLimit, s.locale);
        FrequencyFinder finder(Table(*list), s.options, limits);
        ExpectSummary(*list, s.options, limits, busy);
        const std::vector<CandidateResult> found = finder.Search(request);
        ASSERT_EQ(found.size(), CandidateFrequencies(request).size());
        for (std::size_t k = 0; k < found.size(); k += index % 5 == 2 ? 1 : 3) {
            const CandidateResult& c = found[k];
            SCOPED_TRACE(c.frequencyMHz);
            auto withIt = Build(s);
            const char* status = s.options.filter.showPlanned ? "Plan" : "Exist";
            if (!testing::AddSiteEntry(*withIt, c.frequencyMHz, request.offsetKHz,
                                       request.txBandwidthKHz, RoleNames[index % 3], status,
                                       request.rxBandwidthKHz) ||
                !Calculate(*withIt, s.options)) {
                continue;
            }
            const int selfEntry = withIt->count();
            const std::string self = "[" + std::to_string(selfEntry) + "]";
            int conflicts = 0;
            int lowest = 0;
            double closest = NoDistance;
            for (const IntermodListRow& row : rows.rows()) {
                const bool involves = row.texts[ImColComposition2].find(self) != std::string::npos;
                if (involves || row.texts[ImColAffects].find(self) != std::string::npos) {
                    ++conflicts;
                    const int order = std::stoi(row.texts[ImColOrder]);
                    lowest = lowest == 0 ? order : std::min(lowest, order);
                    // The product's distance to the centre of each band of the candidate's it
                    // reaches: every victim's when it takes part, else its own.
                    const double F = LeadingNumber(row.texts[ImColFrequency], s.locale);
                    for (int v : Entries(row.texts[ImColAffects])) {
                        if (involves || v == selfEntry) {
                            const double centre =
                                LeadingNumber(withIt->entry(v - 1).frequency(), s.locale);
                            closest = std::min(closest, std::abs(F - centre) * 1000);
                        }
                    }
                }
            }
            ASSERT_EQ(c.conflicts, conflicts);
            ASSERT_EQ(c.lowestOrder, lowest);
            if (conflicts == 0) {
                ASSERT_EQ(c.closestKHz, NoDistance);
            } else {
                ASSERT_NEAR(c.closestKHz, closest, 0.02); // the list shows 10 Hz steps
            }
            ++compared;
            withConflicts += conflicts > 0 ? 1 : 0;
            clean += conflicts == 0 ? 1 : 0;
        }
    }
    // The sites must have exercised both outcomes.
    EXPECT_GT(compared, 300);
    EXPECT_GT(withConflicts, 100);
    EXPECT_GT(clean, 50);
    EXPECT_GT(busy, 30);
    EXPECT_GT(unreached, 0);
}

TEST_F(FinderTest, RankingSpacingAndPlanningTogether) {
    // Transmitters at 450 and 450.1 MHz: third-order products at 449.9 and 450.2 MHz.
    const Site s = ThirdOrderSite(Locale::German(), {{450, 0, 25, 25}, {450.1, 0, 25, 25}},
                                  {"Tx", "Tx"}, false);
    auto list = Build(s);
    FrequencyFinder finder(Table(*list), s.options, {0, 1000000});
    FinderRequest request;
    request.role = FinderRole::Rx;
    request.fromMHz = 449.85;
    request.toMHz = 450.25;
    request.stepKHz = 50;
    request.rxBandwidthKHz = 25;
    request.spacingKHz = 60;
    const std::vector<CandidateResult> ranked = finder.Search(request);
    struct Expected {
        double mhz;
        int conflicts;
        bool clean;
    };
    // Clean ones first; then too close to a carrier (450 and 450.1 are taken), then hit.
    const Expected want[] = {{449.85, 0, true},  {450.25, 0, true},  {449.95, 0, false},
                             {450.05, 0, false}, {450.15, 0, false}, {450, 0, false},
                             {450.1, 0, false},  {449.9, 1, false},  {450.2, 1, false}};
    ASSERT_EQ(ranked.size(), std::size(want));
    for (std::size_t k = 0; k < ranked.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(ranked[k].frequencyMHz, want[k].mhz, 1e-9);
        EXPECT_EQ(ranked[k].conflicts, want[k].conflicts);
        EXPECT_EQ(ranked[k].clean(), want[k].clean);
    }
    EXPECT_EQ(ranked[7].lowestOrder, 3);
    EXPECT_NEAR(ranked[7].closestKHz, 0, 1e-6);

    // Two transmitters planned together keep clear of each other's products too: 449.85 and
    // 450.25 would put 2 x 450.25 - 449.85 = 450.65 and 449.45 on no receiver, but the pair
    // must also pass the spacing to the first choice.
    request.role = FinderRole::Both;
    request.count = 3;
    request.offsetKHz = 0;
    request.txBandwidthKHz = 25;
    request.spacingKHz = 0;
    request.fromMHz = 449.8;
    request.toMHz = 450.3;
    const std::vector<CandidateResult> plan = finder.Plan(request);
    ASSERT_FALSE(plan.empty());
    auto withPlan = Build(s);
    for (const CandidateResult& c : plan) {
        EXPECT_TRUE(c.clean());
        ASSERT_TRUE(testing::AddSiteEntry(*withPlan, c.frequencyMHz, 0, 25, "Both", "Exist", 25));
    }
    ASSERT_TRUE(Calculate(*withPlan, s.options));
    for (const IntermodListRow& row : rows.rows()) {
        EXPECT_TRUE(row.texts[ImColAffects].empty()) << row.texts[ImColComposition2];
    }
    // More channels than the band holds: as many as it holds at most, each told as chosen, and
    // the progress runs over those.
    request.count = 1000;
    std::vector<double> told;
    double furthest = 0;
    const std::vector<CandidateResult> all = finder.Plan(
        request,
        [&](double fraction) {
            furthest = std::max(furthest, fraction);
            return true;
        },
        [&](const CandidateResult& c) { told.push_back(c.frequencyMHz); });
    ASSERT_EQ(told.size(), all.size());
    for (std::size_t k = 0; k < all.size(); ++k) {
        EXPECT_EQ(told[k], all[k].frequencyMHz);
    }
    EXPECT_DOUBLE_EQ(furthest, static_cast<double>(all.size() + 1) / 11);
}

TEST_F(FinderTest, AProductExactlyOnALimitOrABandEdgeCounts) {
    // 2 x 450 - 451 = 449 MHz: the site's product reaching a receiving candidate, and the
    // candidate's own product reaching the site's receiver; 12.5 kHz everywhere, so bands 12.5
    // kHz apart touch.
    struct Case {
        const char* role;
        FinderRole finding;
        double mhz;
        CalculationLimits limits;
        int conflicts;
    };
    const CalculationLimits all{0, 1e6};
    const Case cases[] = {{"Tx", FinderRole::Rx, 449, {449, 449}, 1},
                          {"Tx", FinderRole::Rx, 449, {449.00001, 1e6}, 0},
                          {"Tx", FinderRole::Rx, 449, {0, 448.99999}, 0},
                          {"Tx", FinderRole::Rx, 449.0125, all, 1},
                          {"Tx", FinderRole::Rx, 448.9875, all, 1},
                          {"Tx", FinderRole::Rx, 449.0126, all, 0},
                          {"Rx", FinderRole::Tx, 451, {449, 449}, 1},
                          {"Rx", FinderRole::Tx, 451, {449.00001, 1e6}, 0},
                          {"Rx", FinderRole::Tx, 451, {0, 448.99999}, 0},
                          {"Rx", FinderRole::Tx, 451.0125, all, 1},
                          {"Rx", FinderRole::Tx, 450.9875, all, 1},
                          {"Rx", FinderRole::Tx, 451.0126, all, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.role) + " " + std::to_string(c.mhz) + " in " +
                     std::to_string(c.limits.lower) + " " + std::to_string(c.limits.upper));
        const double second = std::string(c.role) == "Tx" ? 451 : 449;
        const Site s =
            ThirdOrderSite(Locale::English(), {{450, 0, 12.5, 12.5}, {second, 0, 12.5, 12.5}},
                           {"Tx", c.role}, false);
        FrequencyFinder finder(Table(*Build(s)), s.options, c.limits);
        FinderRequest request;
        request.role = c.finding;
        request.fromMHz = request.toMHz = c.mhz;
        request.txBandwidthKHz = request.rxBandwidthKHz = 12.5;
        const std::vector<CandidateResult> found = finder.Search(request);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].conflicts, c.conflicts);
    }
}

TEST_F(FinderTest, WorstCaseWidthsOfTheSumProductsReachTheSummary) {
    // 2 x 451 + 450 = 1352 MHz, worst-case half-width 2 x 12.5 + 6.25 kHz: it reaches a 12.5 kHz
    // receiver at 1352.0375 MHz (edges touching) but not one at 1352.04 MHz; 2 x 450 + 451 = 1351
    // MHz, half-width 2 x 6.25 + 12.5 kHz, likewise at 1351.03125 but not 1351.0325.
    for (const double rx : {1352.0375, 1352.04, 1351.03125, 1351.0325}) {
        SCOPED_TRACE(rx);
        Site s = ThirdOrderSite(Locale::English(),
                                {{450, 0, 12.5, 12.5}, {451, 0, 25, 25}, {rx, 0, 12.5, 12.5}},
                                {"Tx", "Tx", "Rx"}, false);
        s.options.harmonics = s.options.worstCase = true;
        const std::vector<EntrySummary> summary =
            SummariseSite(Table(*Build(s)), s.options, {0, 1e6});
        ASSERT_EQ(summary.size(), 3u);
        const bool touches = rx == 1352.0375 || rx == 1351.03125;
        EXPECT_EQ(summary[2].received, touches ? 1 : 0);
    }
}

TEST_F(FinderTest, ClosestDistanceOfAThreeTransmitterProduct) {
    // Transmitters at 450 and 450.3 MHz, a receiver at 449.803 MHz: the candidate c forms
    // 450 + c - 450.3, which reaches the receiver within 12.5 kHz of its centre.
    const Site s = ThirdOrderSite(
        Locale::English(), {{450, 0, 12.5, 12.5}, {450.3, 0, 12.5, 12.5}, {449.803, 0, 12.5, 12.5}},
        {"Tx", "Tx", "Rx"}, true);
    auto list = Build(s);
    FrequencyFinder finder(Table(*list), s.options, {0, 1000000});
    struct Case {
        double mhz;
        int conflicts;
        double closestKHz;
    };
    const Case cases[] = {{450.1, 1, 3}, {450.1125, 1, 9.5}, {450.0875, 0, NoDistance}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mhz);
        FinderRequest request; // one candidate: counted as a family of the site's products
        request.fromMHz = request.toMHz = c.mhz;
        const std::vector<CandidateResult> found = finder.Search(request);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].conflicts, c.conflicts);
        EXPECT_EQ(found[0].lowestOrder, c.conflicts > 0 ? 3 : 0);
        EXPECT_DOUBLE_EQ(found[0].closestKHz, c.closestKHz);
    }
    // With the first candidate on the air, the site summary measures the same distance.
    auto withIt = Build(s);
    ASSERT_TRUE(testing::AddSiteEntry(*withIt, 450.1, 0, 12.5, "Tx", "Exist", 12.5));
    const std::vector<EntrySummary> summary = SummariseSite(Table(*withIt), s.options, {0, 1e6});
    ASSERT_EQ(summary.size(), 4u);
    EXPECT_NEAR(summary[2].closestKHz, 3, 1e-6);
    EXPECT_EQ(summary[2].lowestOrder, 3);
}

} // namespace
} // namespace spurline
