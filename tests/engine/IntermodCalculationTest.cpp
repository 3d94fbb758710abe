#include "engine/IntermodCalculation.h"

#include "SiteBuilder.h"
#include "document/ErrorReport.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "engine/RecalculateDue.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace spurline {
namespace {

// A site with the engine's outputs, as the main window holds them. The product texts of random
// sites are compared with the plain algorithm elsewhere; these cases pin exact values and what
// the window sees: outcomes, messages, commands, progress and aborts.
struct Site {
    explicit Site(Locale locale = Locale::English()) : list(std::move(locale)) {
        calculation.selection = &selection;
        calculation.commandStates = &states;
    }

    testing::ScriptedMessageBox box;
    FrequencyList list;
    cIntermodItems products{box};
    IntermodList rows;
    IntermodCalculation calculation{list, products, rows, box};
    FrequencySelection selection{list};
    ListCommandStates states{list, selection};
    testing::ScriptedCallbacks events;

    CalculationResult Run(const IntermodOptions& options) {
        return calculation.Calculate(options, events);
    }
    void Tx(double mhz, double khz = 25) {
        testing::AddSiteEntry(list, mhz, 0, khz, "Tx", "Exist", 0);
    }
    // Transmitters crowded enough that any-frequency mode records far more than the list holds.
    void Crowd(int count) {
        for (int k = 0; k < count; ++k) {
            Tx(400 + 0.1375 * k + 0.0001 * k * k);
        }
    }
    std::vector<std::string> Column(int column) const {
        std::vector<std::string> texts;
        for (const IntermodListRow& row : rows.rows()) {
            texts.push_back(row.texts[static_cast<std::size_t>(column)]);
        }
        return texts;
    }
    void ExpectMessage(const std::string& prompt, int buttons) const {
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].prompt, prompt);
        EXPECT_EQ(box.shown[0].buttons, buttons);
    }
};

IntermodOptions Options(std::initializer_list<int> orders, bool harmonics, bool worst, bool three,
                        int filter = 0) {
    IntermodOptions options;
    for (int order : orders) {
        options.setOrder(order, true);
    }
    options.harmonics = harmonics;
    options.worstCase = worst;
    options.threeFrequencies = three;
    options.filter = VictimFilter::FromOption(filter);
    return options;
}

const std::string RangeHint = "Try re-calculating using the upper\r\n"
                              "and lower limits to restrict the range";

TEST(IntermodCalculation, LimitsTheEmptyListAndNoProduct) {
    struct Case {
        const char *lower, *upper;
        Locale locale;
        double wantLower, wantUpper;
    };
    const Case cases[] = {{"", "", Locale::English(), 0, 1000000},
                          {"12.5kHz", "none", Locale::English(), 12.5, 1000000},
                          {"400", "1,000.50000", Locale::English(), 400, 1000.5},
                          {"400,5", "1.000,50000", Locale::German(), 400.5, 1000.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lower);
        const CalculationLimits limits = ReadLimits(c.lower, c.upper, c.locale);
        EXPECT_EQ(limits.lower, c.wantLower);
        EXPECT_EQ(limits.upper, c.wantUpper);
    }

    Site empty;
    EXPECT_EQ(empty.Run(IntermodOptions::Defaults()).outcome, CalculationOutcome::NothingToDo);
    EXPECT_TRUE(empty.box.shown.empty());
    EXPECT_EQ(empty.rows.count(), 0);

    Site site;
    site.Tx(450);
    site.Tx(451);
    IntermodOptions options = Options({3}, false, false, false);
    ASSERT_EQ(site.Run(options).outcome, CalculationOutcome::Complete);
    options.lowerLimit = "450";
    options.upperLimit = "450";
    EXPECT_EQ(site.Run(options).outcome, CalculationOutcome::LimitsRejected);
    site.ExpectMessage("Lower limit greater than upper limit!", 48);
    EXPECT_EQ(site.rows.count(), 2); // the earlier result stays
    EXPECT_EQ(site.products.Count(), 2);

    options.lowerLimit = "500";
    options.upperLimit.clear();
    const CalculationResult none = site.Run(options);
    EXPECT_EQ(none.outcome, CalculationOutcome::Complete);
    EXPECT_EQ(none.products, 0);
    ASSERT_EQ(site.rows.count(), 1);
    EXPECT_EQ(site.rows.rows()[0].key, "None");
    EXPECT_FALSE(site.states.commands().print);
    EXPECT_TRUE(site.states.commands().calculate);
    EXPECT_EQ(site.products.Count(), 0);
}

TEST(IntermodCalculation, ThirdOrderPair) {
    Site site;
    site.Tx(450);
    site.Tx(451);
    site.selection.SetSelected(0, true); // a calculation clears the selection
    CalculationResult result = site.Run(Options({3}, false, false, false));
    EXPECT_EQ(result.outcome, CalculationOutcome::Complete);
    EXPECT_EQ(result.products, 2);
    ASSERT_EQ(site.rows.count(), 2);
    const IntermodListRow& first = site.rows.rows()[0];
    EXPECT_EQ(first.texts, (std::array<std::string, 9>{
                               "      449.00000", "3rd", "2 x 450.00000 - 1 x 451.00000",
                               "2 x [1] - 1 x [2]", "", "", "", "448.98750 - 449.01250", "25.00"}));
    EXPECT_EQ(first.key, "ID: 1");
    EXPECT_EQ(first.tag, "50331673");
    EXPECT_EQ(site.products.Item(1)->frequency(), 449.0f);
    EXPECT_TRUE(site.states.commands().print);
    EXPECT_TRUE(site.states.commands().calculate);
    EXPECT_FALSE(site.events.busy);
    EXPECT_FALSE(site.selection.selected(0));
    EXPECT_EQ(site.events.progress, (std::vector<int>{1, 2}));
    EXPECT_EQ(site.events.progressCount, 2);
    EXPECT_EQ(ProgressPercent(1, 2, Locale::English()), "50.0%");
    EXPECT_EQ(ProgressPercent(1, 3, Locale::German()), "33,3%");
    EXPECT_EQ(ProgressPercent(3, 3, Locale::English()), "100.0%");
    EXPECT_EQ(ProgressPercent(1, 400, Locale::English()), "0.3%");
}

TEST(IntermodCalculation, HarmonicsAndSumsInKeyOrderThenSortedByOrder) {
    Site site;
    site.Tx(450);
    site.Tx(451);
    site.Run(Options({2, 3}, true, false, false));
    EXPECT_EQ(site.Column(ImColFrequency),
              (std::vector<std::string>{"      900.00000", "    1,350.00000", "      901.00000",
                                        "        1.00000", "    1,351.00000", "    1,352.00000",
                                        "      449.00000", "      452.00000", "      902.00000",
                                        "    1,353.00000"}));
    EXPECT_EQ(site.products.Item(4)->key(), "ID: 9");
}

TEST(IntermodCalculation, ListCapStopsWithTheMessageAndLeavesTheCollectionUnsorted) {
    Site site;
    site.Crowd(30);
    CalculationResult result = site.Run(Options({3, 5, 7, 9}, false, false, true));
    EXPECT_EQ(result.outcome, CalculationOutcome::Capped);
    site.ExpectMessage("Maximum number of intermods reached!\r\n" + RangeHint, 48);
    EXPECT_EQ(site.rows.statusLine(), "Intermod list not complete!");
    // The rows and the unsorted collection are compared with the plain algorithm's elsewhere.
    EXPECT_GT(site.rows.count(), IntermodCalculation::ListCap);
    EXPECT_TRUE(site.products.InCollection("ID: 1"));
    EXPECT_FALSE(site.events.busy);
    EXPECT_TRUE(site.states.commands().print);
}

TEST(IntermodCalculation, EscapeAbortsKeepsAndSortsTheProducts) {
    struct Case {
        const char* name;
        long inputFrom; // the input query from which Escape is seen
        bool pollSetsTheFlag;
        int products;
        int signals; // recalculation signals raised while running
    };
    const Case cases[] = {
        {"at the first check of a second transmitter: nothing recorded yet", 1, false, 0, 0},
        // The pair's own products and those with the third transmitter 3 stay.
        {"among the third transmitters of the first pair, at m = 4", 5, false, 8 + 16, 1},
        // The third-transmitter loop of the pair runs to its end first; a request during the
        // start-up events is forgotten.
        {"the Escape poll sets the flag while events run", 3, true, 8 + 8 * 16, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Site site;
        site.Crowd(10);
        int signals = 0;
        site.calculation.recalculateDue = [&] {
            ++signals;
            EXPECT_TRUE(site.calculation.running());
        };
        site.events.inputWaitingFrom = c.inputFrom;
        site.events.escapeHeld = !c.pollSetsTheFlag;
        if (c.pollSetsTheFlag) {
            site.events.onEvents = [&] { site.calculation.RequestAbort(); };
        }
        const CalculationResult result = site.Run(Options({3, 5, 7, 9}, false, false, true));
        EXPECT_EQ(result.outcome, CalculationOutcome::Aborted);
        EXPECT_EQ(result.products, c.products);
        // The "None" row shows nothing stale; kept products are marked out of date.
        EXPECT_EQ(site.rows.outOfDate(), c.products > 0);
        EXPECT_EQ(signals, c.signals);
        EXPECT_EQ(site.rows.statusLine(), c.products > 0 ? "Intermod list not up to date" : "");
        EXPECT_TRUE(site.states.commands().calculate); // the window is usable again
        EXPECT_EQ(site.states.commands().print, c.products > 0);
        EXPECT_FALSE(site.events.busy);
        EXPECT_EQ(site.products.Count(), site.rows.count() - (c.products > 0 ? 0 : 1));
        int previous = 0;
        for (const auto& item : site.products) {
            EXPECT_GE(item->order(), previous);
            previous = item->order();
        }
        if (c.products == 0) {
            EXPECT_EQ(site.rows.rows()[0].key, "None");
            EXPECT_EQ(site.events.progress, (std::vector<int>{1}));
        }
    }
}

TEST(IntermodCalculation, ProgressOnTheCallingThreadAndEscapeStopsTheWorkers) {
    Site site, whole;
    site.Crowd(30);
    whole.Crowd(30);
    site.calculation.SetThreads(2);
    site.calculation.listCap = whole.calculation.listCap = -1;
    bool recalculated = false;
    site.calculation.recalculateDue = [&] { recalculated = true; };
    site.events.onProgress = [&](int first) { site.events.escapeHeld = first == 15; };
    site.events.inputWaitingFrom = 1;
    EXPECT_EQ(site.Run(IntermodOptions::Defaults()).outcome, CalculationOutcome::Aborted);
    ASSERT_EQ(site.events.progress.size(), 15u);
    EXPECT_EQ(site.events.progress.back(), 15);
    EXPECT_EQ(site.events.progressCount, 30);
    EXPECT_TRUE(recalculated);
    EXPECT_TRUE(site.rows.outOfDate());
    // The products recorded before the abort open the complete list, unsorted.
    whole.Run(IntermodOptions::Defaults());
    ASSERT_GT(site.rows.count(), 1);
    ASSERT_LT(site.rows.count(), whole.rows.count());
    for (int k = 0; k < site.rows.count(); ++k) {
        EXPECT_EQ(site.rows.rows()[static_cast<std::size_t>(k)].texts,
                  whole.rows.rows()[static_cast<std::size_t>(k)].texts);
    }
}

TEST(IntermodCalculation, WorkersHoldABoundedNumberOfCandidatesWhateverTheirNumber) {
    // Every candidate is accepted and a slice holds thousands: the workers' buffers together stay
    // within the limit on any number of threads, and the list is the one-thread list.
    Site one;
    one.Crowd(24);
    one.calculation.listCap = -1;
    one.Run(IntermodOptions::Defaults());
    ASSERT_GT(one.rows.count(), 10000);
    for (int threads : {2, 8}) {
        SCOPED_TRACE(threads);
        Site site;
        site.Crowd(24);
        site.calculation.listCap = -1;
        site.calculation.heldCandidates = 1000;
        site.calculation.sliceSteps = 240;
        site.calculation.SetThreads(threads);
        EXPECT_EQ(site.Run(IntermodOptions::Defaults()).outcome, CalculationOutcome::Complete);
        EXPECT_LE(site.calculation.peakHeld(), 1000u);
        EXPECT_GT(site.calculation.peakHeld(), 0u);
        ASSERT_EQ(site.rows.count(), one.rows.count());
        EXPECT_EQ(site.Column(ImColComposition2), one.Column(ImColComposition2));
    }
}

TEST(IntermodCalculation, AWorkerThatCannotStartNeverHangsTheCalculation) {
    // More slices than the workers may run ahead: a lone worker that is never told to stop would
    // wait for room for good.
    Site one;
    one.Crowd(20);
    one.calculation.listCap = -1;
    one.Run(IntermodOptions::Defaults());
    struct Case {
        int failingStart;
        CalculationOutcome outcome;
        int starts;
    };
    for (const Case c :
         {Case{2, CalculationOutcome::Complete, 2}, Case{4, CalculationOutcome::Complete, 4},
          Case{1, CalculationOutcome::Failed, 1}}) {
        SCOPED_TRACE(c.failingStart);
        Site site;
        site.Crowd(20);
        site.calculation.listCap = -1;
        site.calculation.sliceSteps = 1;
        site.calculation.SetThreads(4);
        int starts = 0;
        site.calculation.startThread = [&](std::function<void()> work) {
            if (++starts == c.failingStart) {
                throw std::system_error(
                    std::make_error_code(std::errc::resource_unavailable_try_again));
            }
            return std::jthread(std::move(work));
        };
        const CalculationResult result = site.Run(IntermodOptions::Defaults());
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(starts, c.starts);
        if (c.outcome == CalculationOutcome::Complete) {
            EXPECT_TRUE(site.box.shown.empty());
            EXPECT_EQ(site.Column(ImColComposition2), one.Column(ImColComposition2));
        } else {
            ASSERT_EQ(site.box.shown.size(), 1u);
            EXPECT_EQ(site.box.shown[0].prompt.rfind("Error: 51", 0), 0u)
                << site.box.shown[0].prompt;
            EXPECT_NE(site.box.shown[0].prompt.find("calculate/products"), std::string::npos);
        }
    }
}

TEST(IntermodCalculation, FailuresStopWithTheirMessages) {
    struct Case {
        int throwAt; // the first transmitter whose progress report fails
        void (*fail)();
        std::string prompt;
        int buttons;
        std::string status;
        int products;
    };
    // Six transmitters, orders 3 and 5: four products for each pair, kept unsorted.
    const Case cases[] = {
        {3, [] { throw std::bad_alloc(); }, "Too many intermods!\r\n" + RangeHint, 48,
         "Intermod list not complete!", (5 + 4) * 4},
        {2, [] { throw CommandFailure(5, "Invalid procedure call or argument"); },
         "Error: 5 description: Invalid procedure call or argument at line: calculate/products", 16,
         "", 5 * 4},
        {1, [] { throw std::runtime_error("boom"); },
         "Error: 51 description: boom at line: calculate/products", 16, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        Site site;
        site.Crowd(6);
        site.events.onProgress = [&](int first) {
            if (first == c.throwAt) {
                c.fail();
            }
        };
        const CalculationResult result = site.Run(Options({3, 5}, false, false, false));
        EXPECT_EQ(result.outcome, CalculationOutcome::Failed);
        site.ExpectMessage(c.prompt, c.buttons);
        EXPECT_EQ(site.rows.statusLine(), c.status);
        EXPECT_EQ(result.products, c.products);
        EXPECT_EQ(site.states.commands().print, c.products > 0);
        EXPECT_TRUE(site.states.commands().calculate);
        EXPECT_FALSE(site.events.busy);
        if (c.products > 0) {
            EXPECT_EQ(site.products.Item(3)->order(), 5);
            EXPECT_EQ(site.products.Item(5)->order(), 3);
        } else {
            EXPECT_EQ(site.rows.rows()[0].key, "None");
        }
    }
}

// The main window's wiring of a recalculation request to the calculation and the graph.
struct Window : Site {
    Window() {
        due.calculate = [this] {
            ++calculations;
            Run(options);
        };
        due.drawGraph = [this] { ++redraws; };
        calculation.recalculateDue = [this] { due(); };
        Crowd(8);
    }
    RecalculateDue due{calculation, products, rows};
    IntermodOptions options = IntermodOptions::Defaults();
    int calculations = 0;
    int redraws = 0;
};

TEST(RecalculateDue, MarksANonEmptyListOrRecalculates) {
    Window w;
    w.due();
    EXPECT_EQ(w.redraws, 1);
    EXPECT_EQ(w.calculations, 0);
    EXPECT_FALSE(w.rows.outOfDate());
    EXPECT_EQ(w.rows.statusLine(), "");

    w.calculation.Calculate(w.options, w.events);
    ASSERT_GT(w.products.Count(), 0);
    w.due();
    EXPECT_EQ(w.redraws, 2);
    EXPECT_TRUE(w.rows.outOfDate());
    EXPECT_EQ(w.rows.statusLine(), "Intermod list not up to date");

    // The next calculation clears the marking.
    w.due.autoRefresh = true;
    w.due();
    EXPECT_EQ(w.calculations, 1);
    EXPECT_EQ(w.redraws, 3);
    EXPECT_FALSE(w.rows.outOfDate());
    EXPECT_EQ(w.rows.statusLine(), "");
}

TEST(RecalculateDue, AnAbortDuringAutoRefreshNeverReentersTheCalculation) {
    Window w;
    w.due.autoRefresh = true;
    w.events.inputWaitingFrom = 6;
    w.events.escapeHeld = true;
    int depth = 0;
    int deepest = 0;
    w.due.calculate = [&] {
        ++w.calculations;
        ++depth;
        deepest = std::max(deepest, depth);
        const CalculationResult result = w.calculation.Calculate(w.options, w.events);
        EXPECT_EQ(result.outcome, CalculationOutcome::Aborted);
        --depth;
    };
    w.due();
    EXPECT_EQ(w.calculations, 1);
    EXPECT_EQ(deepest, 1);
    // Once from the abort inside, once after the outer call.
    EXPECT_EQ(w.redraws, 2);
    EXPECT_TRUE(w.rows.outOfDate());
    EXPECT_EQ(w.rows.statusLine(), "Intermod list not up to date");
    EXPECT_GT(w.products.Count(), 0);

    // A calculation asked for while one runs does nothing.
    w.events.inputWaitingFrom = 0;
    w.events.onProgress = [&](int first) {
        if (first == 1) {
            const CalculationResult inner = w.calculation.Calculate(w.options, w.events);
            EXPECT_EQ(inner.outcome, CalculationOutcome::NothingToDo);
        }
    };
    EXPECT_EQ(w.calculation.Calculate(w.options, w.events).outcome, CalculationOutcome::Complete);
}

} // namespace
} // namespace spurline
