#include "engine/RecalculateDue.h"

#include "SiteBuilder.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

struct Window {
    Window() {
        due.calculate = [this] {
            ++calculations;
            calculation.Calculate(options, events);
        };
        due.drawGraph = [this] { ++redraws; };
        calculation.recalculateDue = [this] { due(); };
        for (int k = 0; k < 8; ++k) {
            testing::AddSiteEntry(list, 400 + 0.25 * k + 0.001 * k * k, 0, 25, "Tx", "Exist", 0);
        }
        options = IntermodOptions::Defaults();
    }

    testing::ScriptedMessageBox box;
    FrequencyList list{Locale::English(), box};
    cIntermodItems products{box};
    IntermodList rows;
    IntermodCalculation calculation{list, products, rows, box};
    RecalculateDue due{calculation, products, rows};
    testing::ScriptedCallbacks events;
    IntermodOptions options;
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
