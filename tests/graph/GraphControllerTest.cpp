#include "graph/GraphController.h"

#include "graph/GraphSite.h"
#include "graph/MouseWheel.h"

#include <gtest/gtest.h>
#include <tuple>

namespace spurline {
namespace {

using testing::GraphSite;

struct Wired {
    Wired() : graph(site.list, site.products) {
        graph.drawGraph = [this] { ++draws; };
        graph.beep = [this] { ++beeps; };
        graph.recalculateDue = [this] { ++recalculations; };
    }
    GraphSite site;
    GraphController graph;
    int draws = 0;
    int beeps = 0;
    int recalculations = 0;
};

TEST(GraphController, CommandsRedrawAndBeep) {
    Wired w;
    EXPECT_EQ(w.graph.view, (ViewRange{0, 100000}));
    w.graph.ZoomIn();
    EXPECT_EQ(w.graph.view, (ViewRange{12500, 87500}));
    EXPECT_EQ(w.draws, 1);
    w.graph.ZoomOut();
    EXPECT_EQ(w.draws, 2);
    w.graph.view = {100, 100.1};
    w.graph.ZoomIn();
    EXPECT_EQ(w.beeps, 1);
    EXPECT_EQ(w.draws, 3);

    // A refused scroll still redraws.
    w.graph.view = {4, 12};
    w.graph.ScrollDown();
    EXPECT_EQ(w.graph.view, (ViewRange{4, 12}));
    EXPECT_EQ(w.draws, 4);
    w.graph.ScrollUp();
    EXPECT_EQ(w.graph.view, (ViewRange{8, 16}));
    EXPECT_EQ(w.draws, 5);

    w.graph.view = {440, 460};
    w.graph.StartDrag(4500);
    EXPECT_EQ(w.draws, 5);
    w.graph.Drop(4510);
    EXPECT_EQ(w.graph.view, (ViewRange{439, 459}));
    EXPECT_EQ(w.draws, 6);

    w.graph.PlotFirstOrderClicked();
    EXPECT_EQ(w.draws, 7);
    EXPECT_EQ(w.recalculations, 0);
}

TEST(GraphController, WheelNoticesZoom) {
    Wired w;
    w.graph.MouseWheel(wheel::Notch);
    EXPECT_EQ(w.graph.view, (ViewRange{12500, 87500}));
    w.graph.MouseWheel(-wheel::Notch);
    EXPECT_NEAR(w.graph.view.ViewLow, 50000 - 0.666666 * 75000, 1e-9);
    w.graph.view = {440, 460};
    w.graph.MouseWheel(0); // zero counts as a turn towards the user
    EXPECT_GT(w.graph.view.width(), 20);
    EXPECT_EQ(w.draws, 3);

    EXPECT_EQ(WordHi(0x00780000u), 120);
    EXPECT_EQ(WordHi(0xFF880000u), -120);
    EXPECT_EQ(WordLo(0xFFF60064u), 100);
    EXPECT_EQ(WordHi(0xFFF60064u), -10);
    EXPECT_EQ(WheelZoomFor(240), WheelZoom::In);
    EXPECT_EQ(WheelZoomFor(-120), WheelZoom::Out);
}

TEST(GraphController, FitsAndAutoZoom) {
    Wired w;
    w.graph.FitExtents(); // no rows, no products: nothing at all
    EXPECT_EQ(w.draws, 0);
    w.site.Entry("450", "0", "N/A", "Rx", "Exist", "25");
    w.site.Entry("460", "0", "N/A", "Rx", "Plan", "25");
    w.site.Product(451, 12.5, 3);

    EXPECT_TRUE(w.graph.autoZoom.extents);
    EXPECT_FALSE(w.graph.autoZoom.victims);
    w.graph.AutoFit(3);
    EXPECT_NEAR(w.graph.view.ViewLow, 449.9875, 1e-9);
    EXPECT_NEAR(w.graph.view.ViewHigh, 460.0125, 1e-9);
    EXPECT_EQ(w.draws, 1);

    w.graph.ToggleAutoVictims();
    EXPECT_TRUE(w.graph.autoZoom.victims);
    EXPECT_FALSE(w.graph.autoZoom.extents);
    EXPECT_EQ(w.recalculations, 1);
    w.graph.AutoFit(2);
    EXPECT_NEAR(w.graph.view.ViewLow, 459.9875, 1e-9);
    EXPECT_EQ(w.draws, 2);

    w.graph.ToggleAutoVictims();
    EXPECT_FALSE(w.graph.autoZoom.victims);
    EXPECT_FALSE(w.graph.autoZoom.extents);
    w.graph.AutoFit(2);
    EXPECT_EQ(w.draws, 2);
    w.graph.ToggleAutoExtents();
    EXPECT_TRUE(w.graph.autoZoom.extents);
    EXPECT_EQ(w.recalculations, 3);

    // Nothing admitted: the view stays, the graph redraws.
    w.site.list.SetChecked(1, false);
    w.graph.view = {440, 470};
    w.graph.FitVictims(2);
    EXPECT_EQ(w.graph.view, (ViewRange{440, 470}));
    EXPECT_EQ(w.draws, 3);
}

TEST(GraphController, GraphMenuAndHover) {
    Wired w;
    int target = EditFrequencyList;
    const EditMenuState menu = w.graph.GraphMenu(target);
    EXPECT_EQ(target, EditGraph);
    EXPECT_EQ(std::tie(menu.copy, menu.deleteItem, menu.cut, menu.selectAll, menu.selectChecked,
                       menu.invertSelection),
              std::make_tuple(true, false, false, false, false, false));

    w.site.Product(450, 25, 3)->setLevel(-20, 96);
    EXPECT_EQ(w.graph.MouseMove(4500, 50), "");
    EXPECT_EQ(w.graph.MouseMove(4500, 51), "450.00000 - (2 x [1] - 1 x [2])");
    EXPECT_FALSE(w.graph.Inputs().levelView);
    // The level view reads out the levels and is drawn as one.
    w.graph.levelView = true;
    EXPECT_EQ(w.graph.MouseMove(4500, 52), "450.00000 - (2 x [1] - 1 x [2]) at -20.00 dBm");
    EXPECT_TRUE(w.graph.Inputs().levelView);
    EXPECT_EQ(w.draws, 0);

    const GraphInputs inputs = w.graph.Inputs();
    EXPECT_EQ(inputs.list, &w.site.list);
    EXPECT_EQ(inputs.products, &w.site.products);
    EXPECT_EQ(inputs.ViewLow, 0);
    EXPECT_EQ(inputs.ViewHigh, 100000);
}

} // namespace
} // namespace spurline
