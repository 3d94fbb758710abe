#include "graph/ViewNavigation.h"

#include "graph/GraphSite.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

using testing::GraphSite;

constexpr double Tolerance = 1e-9;

void ExpectView(const ViewRange& view, double low, double high) {
    EXPECT_NEAR(view.ViewLow, low, Tolerance);
    EXPECT_NEAR(view.ViewHigh, high, Tolerance);
}

TEST(ViewNavigation, ZoomIn) {
    struct Case {
        ViewRange from;
        double low, high;
        bool beep;
    };
    const Case cases[] = {
        {{0, 100000}, 12500, 87500, false},
        {{0, 10}, 1.25, 8.75, false},
        // 0.0375 would be the half width: the minimum 0.06 instead, with the beep; at the
        // minimum width every zoom in beeps and keeps the view.
        {{100, 100.1}, 99.99, 100.11, true},
        {ZoomIn({100, 100.1}).view, 99.99, 100.11, true},
        {{0, 0.1}, 0, 0.11, true},
        // Only the lower edge is clipped: a narrow view at the top end grows past 100000.
        {{99999.95, 100000}, 99999.915, 100000.035, true},
        {{450, 450}, 449.94, 450.06, true}, // a view without width widens to the minimum
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from.ViewLow);
        const ZoomResult zoom = ZoomIn(c.from);
        ExpectView(zoom.view, c.low, c.high);
        EXPECT_EQ(zoom.beep, c.beep);
    }
}

TEST(ViewNavigation, ZoomOut) {
    ExpectView(ZoomOut({0, 100000}), 0, 100000);
    // Width 20 grows to 26.66664 around 450.
    ExpectView(ZoomOut({440, 460}), 450 - 13.33332, 450 + 13.33332);
    // Each edge clipped on its own.
    ExpectView(ZoomOut({0, 30}), 0, 15 + 19.99998);
    ExpectView(ZoomOut({99000, 100000}), 99500 - 666.666, 100000);
}

TEST(ViewNavigation, Scroll) {
    ExpectView(ScrollDown({10, 20}), 5, 15);
    // The new lower edge would be 0, which is not above 0.
    ExpectView(ScrollDown({4, 12}), 4, 12);
    ExpectView(ScrollDown({0, 100000}), 0, 100000);
    ExpectView(ScrollUp({10, 20}), 15, 25);
    // The new upper edge 100002 is not below 100000.
    ExpectView(ScrollUp({99990, 99998}), 99990, 99998);
    ExpectView(ScrollUp({99985, 99995}), 99985, 99995); // would end on 100000 exactly
    ExpectView(ScrollUp({99984, 99994}), 99989, 99999);
    ExpectView(ScrollUp({0, 100000}), 0, 100000);
}

TEST(ViewNavigation, Pan) {
    // A drag of 1 MHz to the right moves the view 1 MHz down.
    ExpectView(Pan({440, 460}, 4500, 4510), 439, 459);
    ExpectView(Pan({440, 460}, 4510, 4500), 441, 461);
    // Past 0 or 100000 the view keeps its width.
    ExpectView(Pan({5, 25}, 100, 200), 0, 20);
    ExpectView(Pan({99990, 99998}, 200, 100), 99992, 100000);
}

TEST(ViewNavigation, FitExtentsAndVictims) {
    GraphSite site;
    const ViewRange start{0, 100000};
    // No products yet: nothing happens, not even a redraw.
    site.Entry("450", "0", "N/A", "Rx", "Exist", "25");
    FitResult fit = FitExtents(start, site.list, site.products);
    EXPECT_EQ(fit.outcome, FitOutcome::NoData);
    EXPECT_FALSE(fit.redraw());
    EXPECT_EQ(fit.view, start);

    site.Product(451, 12.5, 3);
    fit = FitExtents(start, site.list, site.products);
    EXPECT_EQ(fit.outcome, FitOutcome::Fitted);
    EXPECT_TRUE(fit.redraw());
    ExpectView(fit.view, 449.9875, 451.00625);

    // Victims: receive bands only.
    fit = FitVictims(start, site.list, site.products, 1);
    ExpectView(fit.view, 449.9875, 450.0125);

    // No planned receiver: the view stays as it was and the graph is redrawn.
    fit = FitVictims({440, 460}, site.list, site.products, 2);
    EXPECT_EQ(fit.outcome, FitOutcome::NothingToFit);
    EXPECT_TRUE(fit.redraw());
    ExpectView(fit.view, 440, 460);
    ExpectView(FitVictims(start, site.list, site.products, 3).view, 449.9875, 450.0125);
    ExpectView(FitVictims(start, site.list, site.products, 0).view, 449.9875, 450.0125);
}

TEST(ViewNavigation, FitWithoutRowsDoesNothing) {
    GraphSite site;
    site.Product(451, 12.5, 3);
    const ViewRange view{440, 460};
    for (const FitResult& fit : {FitExtents(view, site.list, site.products),
                                 FitVictims(view, site.list, site.products, 0)}) {
        EXPECT_EQ(fit.outcome, FitOutcome::NoData);
        EXPECT_FALSE(fit.redraw());
        EXPECT_EQ(fit.view, view);
    }
}

TEST(ViewNavigation, FitTakesTransmitBandsOfTransceiversButNotTransmitters) {
    GraphSite site;
    site.Entry("100", "0", "25", "Tx", "Exist", "N/A");
    site.Entry("450", "5000", "500", "Both", "Plan", "100");
    site.Entry("460", "0", "N/A", "Rx", "Exist", "20");
    site.Entry("470", "0", "N/A", "Rx", "Exist", "20");
    site.list.SetChecked(3, false);
    site.Product(452, 25, 3);
    const ViewRange start{0, 100000};
    // The transceiver's receive band 449.95 up to the receiver at 460.01; its transmit band
    // (454.75 to 455.25) and the product lie within.
    ExpectView(FitExtents(start, site.list, site.products).view, 449.95, 460.01);
    ExpectView(FitVictims(start, site.list, site.products, 1).view, 449.95, 460.01);
    ExpectView(FitVictims(start, site.list, site.products, 2).view, 449.95, 450.05);
    ExpectView(FitVictims(start, site.list, site.products, 3).view, 459.99, 460.01);
}

TEST(ViewNavigation, FitOfNoWidthIsWidenedToTheMinimum) {
    GraphSite site;
    site.Entry("450", "0", "N/A", "Rx", "Exist", "0");
    // Only the add/edit dialog's own check keeps such entries out; the fit copes with them.
    site.list.CommitDialogEntry({"0", "0", "", "0", TxRxChoice::Rx, true, ""});
    site.Product(451, 25, 3);
    FitResult fit = FitVictims({0, 100000}, site.list, site.products, 3);
    EXPECT_EQ(fit.outcome, FitOutcome::Widened);
    ExpectView(fit.view, 449.94, 450.06);
    EXPECT_GT(fit.view.width(), 0);
    // At 0 MHz the lower edge stays at 0.
    fit = FitVictims({0, 100000}, site.list, site.products, 2);
    EXPECT_EQ(fit.outcome, FitOutcome::Widened);
    ExpectView(fit.view, 0, 0.06);
}

TEST(ViewNavigation, FitOfBandsBeyondTheRangeKeepsTheView) {
    GraphSite site;
    site.list.CommitDialogEntry({"150,000.00000", "0", "", "25", TxRxChoice::Rx, false, ""});
    site.Product(451, 25, 3);
    const FitResult fit = FitVictims({440, 460}, site.list, site.products, 1);
    EXPECT_EQ(fit.outcome, FitOutcome::NothingToFit);
    ExpectView(fit.view, 440, 460);
    // With the products the range is 451 up to 100000.
    ExpectView(FitExtents({440, 460}, site.list, site.products).view, 450.9875, 100000);
}

} // namespace
} // namespace spurline
