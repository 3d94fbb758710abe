#include "engine/LevelModel.h"

#include "SiteBuilder.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "engine/ProductRecorder.h"
#include "engine/SiteSummary.h"
#include "support/ScriptedMessageBox.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace spurline {
namespace {

// The worked example of the guide, computed by hand from the formulas, on a site with the
// default values (25 W, -116 dBm, 70 dB rejection, 30 dB isolation, 70 dB harmonic attenuation).
TEST(LevelModel, ReproducesTheWorkedExample) {
    struct Tx {
        int k;
        std::optional<double> watts, txExtra;
    };
    struct Case {
        const char* name;
        std::vector<Tx> transmitters;
        EntryLevels victim;
        double level, margin;
        LevelClass cls;
    };
    const Case cases[] = {
        {"2-Tx 3rd order", {{2, {}, {}}, {-1, {}, {}}}, {}, 63.94, 179.94, LevelClass::Harmful},
        {"3-Tx 3rd order",
         {{1, 10, {}}, {1, 10, {}}, {-1, 10, {}}},
         {{}, -110, 65, {}, {}},
         55.00,
         165.00,
         LevelClass::Harmful},
        {"2-Tx 5th order",
         {{3, 50, {}}, {-2, 50, {}}},
         {{}, {}, {}, {}, 20},
         28.95,
         144.95,
         LevelClass::Harmful},
        {"harmonic", {{2, 100, {}}}, {}, -50.00, 66.00, LevelClass::Harmful},
        {"unequal powers", {{2, 1, {}}, {-1, 100, {}}}, {}, 42.00, 158.00, LevelClass::Harmful},
        {"extra isolation, Tx side",
         {{2, {}, 25}, {-1, {}, 25}},
         {},
         -11.06,
         104.94,
         LevelClass::Harmful},
        {"extra isolation, Rx side",
         {{2, {}, {}}, {-1, {}, {}}},
         {{}, {}, {}, {}, 40},
         -56.06,
         59.94,
         LevelClass::Harmful},
        {"2nd order sum",
         {{1, 5, 10}, {1, 5, {}}},
         {{}, -107, {}, {}, 30},
         -54.02,
         52.98,
         LevelClass::Harmful},
        {"cavities, marginal",
         {{2, {}, 30}, {-1, {}, 30}},
         {{}, {}, {}, {}, 33},
         -125.06,
         -9.06,
         LevelClass::Marginal},
        {"cavities, negligible",
         {{2, {}, 35}, {-1, {}, 35}},
         {{}, {}, {}, {}, 35},
         -146.06,
         -30.06,
         LevelClass::Negligible},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<FrequencyEntry> entries(c.transmitters.size() + 1);
        std::array<Component, 3> components{};
        for (std::size_t j = 0; j < c.transmitters.size(); ++j) {
            entries[j].levels.txPowerW = c.transmitters[j].watts;
            entries[j].levels.txExtraDb = c.transmitters[j].txExtra;
            components[j] = {0, c.transmitters[j].k, static_cast<int>(j) + 1};
        }
        entries.back().levels = c.victim;
        const LevelTable table(entries, SiteLevels{});
        const int victim = static_cast<int>(entries.size());
        const double level =
            table.LevelAt(table.Source(components[0], components[1], components[2]), victim);
        EXPECT_NEAR(level, c.level, 0.005);
        EXPECT_NEAR(level - table.Sensitivity(victim), c.margin, 0.005);
        EXPECT_EQ(ClassOfMargin(level - table.Sensitivity(victim)), c.cls);
    }
}

TEST(LevelModel, ClassesAndPowerSums) {
    struct Case {
        double margin;
        LevelClass cls;
    };
    for (const Case& c : {Case{0, LevelClass::Harmful}, Case{-0.001, LevelClass::Marginal},
                          Case{-10, LevelClass::Marginal}, Case{-10.001, LevelClass::Negligible},
                          Case{25, LevelClass::Harmful}}) {
        SCOPED_TRACE(c.margin);
        EXPECT_EQ(ClassOfMargin(c.margin), c.cls);
    }
    EXPECT_STREQ(LevelClassName(LevelClass::Marginal), "marginal");
    EXPECT_NEAR(PowerSumDbm({-100, -100}), -96.9897, 1e-4);
    EXPECT_NEAR(PowerSumDbm({-100, -110, -120}), -99.5468, 1e-4);
    EXPECT_NEAR(WattsToDbm(25), 43.9794, 1e-4);
}

// What the plain formulas give for one product at one receiver, from the entries' raw values.
double PlainLevel(const std::vector<FrequencyEntry>& e, const SiteLevels& s,
                  const std::array<Component, 3>& components, int victim) {
    const EntryLevels& v = e[static_cast<std::size_t>(victim - 1)].levels;
    auto at = [&](int entry) {
        const EntryLevels& t = e[static_cast<std::size_t>(entry - 1)].levels;
        const double dbm = 10 * std::log10(t.txPowerW.value_or(s.txPowerW) * 1000);
        return dbm - (s.isolationDb + t.txExtraDb.value_or(s.txExtraDb) +
                      v.rxExtraDb.value_or(s.rxExtraDb));
    };
    std::vector<const Component*> present;
    for (const Component& c : components) {
        if (c.coefficient != 0) {
            present.push_back(&c);
        }
    }
    if (present.size() == 1) {
        return at(present[0]->entry) - s.harmonicAttenuationDb;
    }
    const double iip = v.sensitivityDbm.value_or(s.sensitivityDbm) +
                       1.5 * v.imRejectionDb.value_or(s.imRejectionDb);
    double level = 0;
    int order = 0;
    for (const Component* c : present) {
        level += std::abs(c->coefficient) * at(c->entry);
        order += std::abs(c->coefficient);
    }
    return level - (order - 1) * iip;
}

struct Recorded {
    std::array<Component, 3> components;
    std::vector<int> victims;
    std::vector<double> levels;
};

struct LevelRun {
    std::vector<IntermodListRow> rows;
    std::vector<Recorded> products;
    std::vector<ReceiverLevel> receivers;
    std::map<std::string, cIntermodItems::Pointer> items; // by key, as the graph reads them
};

LevelRun Calculate(FrequencyList& list, const IntermodOptions& options, std::optional<SiteLevels> s,
                   int threads) {
    testing::ScriptedMessageBox box;
    cIntermodItems products(box);
    IntermodList rows;
    LevelRun run;
    rows.productSink = [&](const IntermodListRow& row, const RecordedProduct& p) {
        run.rows.push_back(row);
        Recorded r{p.components, p.victims, {}};
        if (p.levels != nullptr) {
            r.levels = *p.levels;
        }
        run.products.push_back(std::move(r));
    };
    IntermodCalculation calculation(list, products, rows, box);
    calculation.listCap = -1;
    calculation.sliceSteps = 7;
    calculation.SetThreads(threads);
    calculation.levels = s;
    NoCalculationCallbacks events;
    calculation.Calculate(options, events);
    run.receivers = calculation.receiverLevels();
    for (const auto& item : products) {
        run.items[item->key()] = item;
    }
    return run;
}

// On generated sites: every product's level at every victim is the formulas' value, each
// receiver's total is the power sum of what reached it, the summary agrees, and the products and
// rows are those of the same calculation without levels.
TEST(LevelModel, AgreesWithThePlainFormulasOnGeneratedSites) {
    std::mt19937 random(24);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    long checked = 0;
    for (int index = 0; index < 40; ++index) {
        SCOPED_TRACE(index);
        FrequencyList list(index % 2 == 0 ? Locale::English() : Locale::German());
        const int n = 4 + pick(12);
        static const char* Roles[] = {"Tx", "Rx", "Both"};
        for (int r = 0; r < n; ++r) {
            testing::AddSiteEntry(list, 450 + 0.0125 * pick(200), pick(3) == 0 ? 5000 : 0,
                                  12.5 * pick(3), Roles[pick(3)], pick(2) ? "Plan" : "Exist",
                                  12.5 * (1 + pick(4)));
        }
        for (int r = 0; r < list.count(); ++r) {
            EntryLevels l;
            auto maybe = [&](double value) {
                return pick(3) == 0 ? std::optional<double>{} : std::optional<double>{value};
            };
            l.txPowerW = maybe(0.5 + pick(100));
            l.sensitivityDbm = maybe(-120 + pick(20));
            l.imRejectionDb = maybe(55 + pick(25));
            l.txExtraDb = maybe(pick(40));
            l.rxExtraDb = maybe(pick(40));
            list.SetEntryLevels(r, l);
        }
        const SiteLevels site{1.0 + pick(50),  -118.0 + pick(10), 60.0 + pick(15), 20.0 + pick(30),
                              50.0 + pick(40), 0.5 * pick(10),    0.5 * pick(10)};
        IntermodOptions options = IntermodOptions::Defaults();
        for (int order : {2, 3, 5, 7, 9}) {
            options.setOrder(order, pick(3) != 0);
        }
        options.harmonics = pick(2) == 0;
        options.filter = VictimFilter::FromOption(1 + pick(3));

        const LevelRun with = Calculate(list, options, site, 1 + index % 2);
        const LevelRun without = Calculate(list, options, std::nullopt, 1);
        ASSERT_EQ(with.rows.size(), without.rows.size());
        ASSERT_EQ(with.items.size(), with.rows.size());
        std::vector<double> milliwatts(static_cast<std::size_t>(list.count()), 0);
        for (std::size_t p = 0; p < with.rows.size(); ++p) {
            EXPECT_EQ(with.rows[p].texts, without.rows[p].texts);
            EXPECT_FALSE(without.rows[p].worstMarginDb.has_value());
            const Recorded& r = with.products[p];
            ASSERT_EQ(r.levels.size(), r.victims.size());
            double worst = -HUGE_VAL;
            std::vector<std::pair<double, double>> marginLevel;
            for (std::size_t k = 0; k < r.victims.size(); ++k) {
                const int v = r.victims[k];
                const double plain = PlainLevel(list.entries(), site, r.components, v);
                EXPECT_NEAR(r.levels[k], plain, 1e-9);
                ++checked;
                milliwatts[static_cast<std::size_t>(v - 1)] += std::pow(10.0, plain / 10);
                const EntryLevels& vl = list.entry(v - 1).levels;
                marginLevel.emplace_back(plain - vl.sensitivityDbm.value_or(site.sensitivityDbm),
                                         plain);
                worst = std::max(worst, marginLevel.back().first);
            }
            ASSERT_TRUE(with.rows[p].worstMarginDb.has_value());
            EXPECT_NEAR(*with.rows[p].worstMarginDb, worst, 1e-9);
            // The graph's product: its level at a victim of that margin (victims may tie), to a
            // float's width.
            const cIntermodItem& item = *with.items.at(with.rows[p].key);
            EXPECT_NEAR(item.marginDb(), worst, 1e-3);
            EXPECT_TRUE(std::any_of(marginLevel.begin(), marginLevel.end(), [&](const auto& m) {
                return m.first > worst - 1e-9 && std::fabs(m.second - item.levelDbm()) < 1e-3;
            })) << item.levelDbm();
            EXPECT_FALSE(without.items.at(with.rows[p].key)->hasLevel());
        }
        std::size_t reached = 0;
        for (std::size_t v = 0; v < milliwatts.size(); ++v) {
            reached += milliwatts[v] > 0 ? 1 : 0;
        }
        ASSERT_EQ(with.receivers.size(), reached);
        for (std::size_t k = 0; k < with.receivers.size(); ++k) {
            const ReceiverLevel& r = with.receivers[k];
            const auto v = static_cast<std::size_t>(r.entry - 1);
            EXPECT_NEAR(r.levelDbm, 10 * std::log10(milliwatts[v]), 1e-9);
            if (k > 0) {
                EXPECT_GE(with.receivers[k - 1].marginDb, r.marginDb);
            }
        }
        CalculationTable table;
        for (const FrequencyEntry& e : list.entries()) {
            table.push_back(ReadCalculationRow(e, list.locale()));
        }
        const LevelTable model(list.entries(), site);
        const std::vector<ReceiverLevel> summary =
            SummariseSiteAndLevels(table, options, ReadLimits("", "", list.locale()), &model)
                .receivers;
        ASSERT_EQ(summary.size(), with.receivers.size());
        for (std::size_t k = 0; k < summary.size(); ++k) {
            EXPECT_EQ(summary[k].entry, with.receivers[k].entry);
            EXPECT_EQ(summary[k].products, with.receivers[k].products);
            EXPECT_NEAR(summary[k].marginDb, with.receivers[k].marginDb, 1e-9);
        }
    }
    EXPECT_GT(checked, 200);
}

} // namespace
} // namespace spurline
