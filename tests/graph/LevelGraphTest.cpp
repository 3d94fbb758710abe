#include "graph/LevelGraph.h"

#include "graph/DrawGraph.h"
#include "graph/GraphSite.h"
#include "graph/RecordingCanvas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace spurline {
namespace {

using testing::GraphSite;
using testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

TEST(LevelGraph, AxisOnWholeStepsWithSpareAtBothEnds) {
    constexpr double Inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::vector<double> levels;
        double low, high, step;
    };
    const Case cases[] = {
        {{}, -150, 0, 10},
        {{Inf, std::nan("")}, -150, 0, 10},
        {{-116, -60}, -130, -50, 10},
        {{0, 0}, -6, 6, 2},
        {{-100, -Inf}, -106, -94, 2},
        {{-116, 64}, -150, 100, 50},   // the default site's products stand far above sensitivity
        {{-300, 290}, -400, 300, 100}, // 600 dB in 8 steps: 75 rounds up to the next decade
        {{-1e7, 90}, -12e6, 2e6, 2e6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.levels.empty() ? 0 : c.levels.front());
        const LevelAxis axis = LevelAxisFor(c.levels);
        EXPECT_DOUBLE_EQ(axis.low, c.low);
        EXPECT_DOUBLE_EQ(axis.high, c.high);
        EXPECT_DOUBLE_EQ(axis.step, c.step);
    }
}

// 1600 x 600 pixels: "##" is 16 pixels high, H = 16 / 6 y units.
constexpr int Width = 1600;
constexpr int Height = 600;
constexpr double H = 16.0 / 6;
constexpr double PxY = 100.0 / Height;
constexpr double BarBase = 2 * H + 1;
constexpr double Top = 100 - 2.5 * H;

// The site's level view from 449 to 452 MHz.
GraphInputs LevelViewOf(const GraphSite& site) {
    GraphInputs inputs;
    inputs.list = &site.list;
    inputs.products = &site.products;
    inputs.ViewLow = 449;
    inputs.ViewHigh = 452;
    inputs.levelView = true;
    return inputs;
}

// A sensitivity line: a black bar three pixels high centred on the level.
void ExpectLine(const RecordingCanvas::Op& op, double x1, double x2, double y) {
    EXPECT_NEAR(op.x1, x1, 1e-6);
    EXPECT_NEAR(op.x2, x2, 1e-6);
    EXPECT_NEAR(op.y1, y + PxY, 1e-9);
    EXPECT_NEAR(op.y2, y - PxY, 1e-9);
    EXPECT_EQ(op.colour, 0u);
}

TEST(LevelGraph, ProductsAtTheirLevelsWorstOnTopAndReceiversAtTheirSensitivity) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        SCOPED_TRACE(locale.decimalSeparator);
        GraphSite site(locale);
        site.Entry("450" + locale.decimalSeparator + "25", "0", "0", "Rx", "Exist", "25");
        site.Entry("451", "0", "0", "Both", "Plan", "0");
        site.Entry("452", "0", "0", "Tx", "Exist", "0");
        site.Entry("453", "0", "0", "Rx", "Exist", "0"); // unticked: no line
        site.list.SetChecked(3, false);
        EntryLevels sensitive;
        sensitive.sensitivityDbm = -110;
        site.list.SetEntryLevels(0, sensitive);
        site.Product(450.5, 25, 3)->setLevel(-113, 3);   // harmful
        site.Product(450.6, 25, 3)->setLevel(-150, -40); // negligible
        site.Product(450.7, 25, 5)->setLevel(-121, -5);  // marginal
        site.Product(450.8, 25, 5);                      // calculated without levels
        site.Product(470, 25, 3)->setLevel(-140, -24);   // out of view, still on the scale
        GraphInputs inputs = LevelViewOf(site);
        RecordingCanvas canvas(Width, Height);
        ASSERT_TRUE(DrawGraph(canvas, inputs));

        // Levels -150 to -110 dBm with 5 dB spare: -160 to -100 in 10 dB steps.
        const auto y = [](double dbm) { return BarBase + (dbm + 160) / 60 * (Top - BarBase); };
        auto boxes = canvas.Of(Kind::FilledBox);
        boxes.erase(boxes.begin());            // the frequency axis title's
        ASSERT_EQ(boxes.size(), 3u + 2u + 7u); // products, sensitivity lines, tick label grounds
        struct Bar {
            double f, level;
            Colour colour;
        };
        const Bar bars[] = {{450.6, -150, levelcolours::Negligible},
                            {450.7, -121, levelcolours::Marginal},
                            {450.5, -113, levelcolours::Harmful}};
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_NEAR(boxes[i].x1, bars[i].f * 10 - 0.125, 1e-3);
            EXPECT_NEAR(boxes[i].x2, bars[i].f * 10 + 0.125, 1e-3);
            EXPECT_NEAR(boxes[i].y1, y(bars[i].level), 1e-9);
            EXPECT_NEAR(boxes[i].y2, BarBase, 1e-9);
            EXPECT_EQ(boxes[i].colour, bars[i].colour);
        }
        // The 25 kHz receiver's line spans its band; the one without a band is 8 pixels wide.
        const double pxX = 30.0 / Width;
        ExpectLine(boxes[3], 4502.5 - 0.125, 4502.5 + 0.125, y(-110));
        ExpectLine(boxes[4], 4510 - 4 * pxX, 4510 + 4 * pxX, y(-116));

        std::vector<std::string> labels;
        for (const auto& op : canvas.Of(Kind::Text)) {
            labels.push_back(op.text);
        }
        const std::vector<std::string> want{" Frequency (MHz)",
                                            "  Harmful ",
                                            "  Marginal ",
                                            "  Negligible ",
                                            "  Sensitivity ",
                                            "-160",
                                            "-150",
                                            "-140",
                                            "-130",
                                            "-120",
                                            "-110",
                                            "-100",
                                            "Level (dBm)"};
        // The frequency tick labels come first; the rest follow in this order.
        ASSERT_GE(labels.size(), want.size());
        EXPECT_EQ(
            std::vector<std::string>(labels.end() - static_cast<long>(want.size()), labels.end()),
            want);
        // Grid lines across the view; labels and title end two pixels inside its right edge.
        const RecordingCanvas::Op top = canvas.Of(Kind::Line).back();
        EXPECT_EQ(top.colour, levelcolours::Grid);
        EXPECT_NEAR(top.y1, Top, 1e-9);
        EXPECT_EQ(std::make_pair(top.x1, top.x2), std::make_pair(4490.0, 4520.0));
        for (const auto& op : canvas.Of(Kind::Text)) {
            if (op.text == "-100" || op.text == LevelAxisTitle) {
                EXPECT_NEAR(op.x1 + canvas.TextWidth(op.text), 4520 - 2 * pxX, 1e-9) << op.text;
            }
            if (op.text == LevelAxisTitle) {
                EXPECT_NEAR(op.y1, 100 - 2 * H / 5, 1e-9); // the site name's line
            }
        }
        // Each label stands on a white ground of its own size.
        EXPECT_NEAR(boxes.back().x2, 4520 - 2 * pxX, 1e-9);
        EXPECT_NEAR(boxes.back().y1 - boxes.back().y2, canvas.TextHeight("-100"), 1e-9);
        EXPECT_EQ(boxes.back().colour, 0xFFFFFFu);
    }
}

TEST(LevelGraph, ANoteWhenTheProductsCarryNoLevels) {
    GraphSite site;
    // A receiver 5 MHz wide: its band reaches past the axis on both sides of the view.
    site.Entry("450", "0", "0", "Rx", "Exist", "5000");
    site.Product(450.5, 25, 3);
    GraphInputs inputs = LevelViewOf(site);
    RecordingCanvas canvas(Width, Height);
    ASSERT_TRUE(DrawGraph(canvas, inputs));
    EXPECT_EQ(canvas.Of(Kind::Text).back().text, NoLevelsNote);
    // Only the receiver's line over its whole band and the labels' grounds: no product bar.
    int lines = 0;
    for (const auto& box : canvas.Of(Kind::FilledBox)) {
        EXPECT_NE(box.colour, levelcolours::Harmful);
        EXPECT_NE(box.colour, levelcolours::Negligible);
        if (box.colour == 0) {
            EXPECT_EQ(std::make_pair(box.x1, box.x2), std::make_pair(4475.0, 4525.0));
            ++lines;
        }
    }
    EXPECT_EQ(lines, 1);
    inputs.levelView = false;
    RecordingCanvas byOrder(Width, Height);
    ASSERT_TRUE(DrawGraph(byOrder, inputs));
    EXPECT_NE(byOrder.Of(Kind::Text).back().text, NoLevelsNote);
}

} // namespace
} // namespace spurline
