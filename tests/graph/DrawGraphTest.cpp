#include "graph/DrawGraph.h"

#include "engine/OrderColours.h"
#include "graph/GraphSite.h"
#include "graph/RecordingCanvas.h"
#include "support/PlainNumbers.h"

#include <algorithm>
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

// The recording canvas at 1600 x 600 pixels: "##" is 16 pixels high at 10 points, so
// H = 16 / 6 y units, the axis at 2 H.
constexpr int Width = 1600;
constexpr int Height = 600;
constexpr double H = 16.0 / 6;
constexpr double AxisY = 2 * H;
constexpr double Tolerance = 1e-9;
constexpr double PxY = 100.0 / Height;
constexpr double FullPxX = 1000000.0 / Width; // one pixel across the whole view

constexpr Colour Black = Rgb(0, 0, 0);
constexpr Colour Grey = Rgb(128, 128, 128);
constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour Yellow = Rgb(255, 255, 0);

bool Near(double a, double b) {
    return std::fabs(a - b) < Tolerance;
}

constexpr double Any = std::numeric_limits<double>::quiet_NaN();

// Expects the corners of a drawn primitive in graph units; Any leaves one unchecked.
void ExpectAt(const RecordingCanvas::Op& op, double x1, double x2, double y1, double y2) {
    const double got[] = {op.x1, op.x2, op.y1, op.y2};
    const double want[] = {x1, x2, y1, y2};
    for (int i = 0; i < 4; ++i) {
        if (!std::isnan(want[i])) {
            EXPECT_NEAR(got[i], want[i], Tolerance) << "corner " << i << " of " << op.text;
        }
    }
}

GraphInputs InputsFor(const GraphSite& site, double low, double high) {
    GraphInputs inputs;
    inputs.list = &site.list;
    inputs.products = &site.products;
    inputs.ViewLow = low;
    inputs.ViewHigh = high;
    return inputs;
}

// The tick labels in drawing order, without their blanks.
std::vector<std::string> TickLabels(const RecordingCanvas& canvas) {
    std::vector<std::string> labels;
    for (const auto& op : canvas.Of(Kind::Text)) {
        if (Near(op.y1, AxisY) && op.text.size() > 2 && op.text.front() == ' ' &&
            op.text.back() == ' ' && op.text != AxisTitle) {
            labels.push_back(op.text.substr(1, op.text.size() - 2));
        }
    }
    return labels;
}

std::vector<double> TickXs(const RecordingCanvas& canvas) {
    std::vector<double> xs;
    for (const auto& op : canvas.Of(Kind::Line)) {
        if (op.x1 == op.x2) {
            xs.push_back(op.x1);
        }
    }
    return xs;
}

// The legend's labels, left to right.
std::vector<std::string> LegendLabels(const RecordingCanvas& canvas) {
    std::vector<std::string> labels;
    for (const auto& op : canvas.Of(Kind::Text)) {
        if (Near(op.y1, AxisY / 2 + 2 * PxY)) {
            labels.push_back(op.text);
        }
    }
    return labels;
}

// The position of the first (or last) primitive of a kind among all drawn.
std::ptrdiff_t IndexOf(const RecordingCanvas& canvas, Kind kind, bool last = false) {
    std::ptrdiff_t found = -1;
    for (std::size_t i = 0; i < canvas.ops.size() && (last || found < 0); ++i) {
        found = canvas.ops[i].kind == kind ? static_cast<std::ptrdiff_t>(i) : found;
    }
    return found;
}

TEST(DrawGraph, TicksAndLabelsAtTheStepTablesBounds) {
    GraphSite english;
    GraphSite german(Locale::German());
    // English labels (the decimal-comma ones differ only in the comma); each tick is at ten
    // times its label in graph units.
    struct Case {
        double low, high;
        std::vector<std::string> labels;
    };
    const Case cases[] = {{0,
                           100000,
                           {"0", "10000", "20000", "30000", "40000", "50000", "60000", "70000",
                            "80000", "90000", "100000", "110000"}},
                          {100, 103, {"100", "101", "102", "103", "104"}},
                          {100, 103.5, {"100", "102.5", "105"}},
                          {100, 101, {"100", "100.2", "100.4", "100.6", "100.8", "101", "101.2"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.high - c.low);
        RecordingCanvas canvas(Width, Height);
        ASSERT_TRUE(DrawGraph(canvas, InputsFor(english, c.low, c.high)));
        EXPECT_EQ(TickLabels(canvas), c.labels);
        std::vector<double> xs;
        for (const std::string& label : c.labels) {
            xs.push_back(std::round(testing::LeadingPlainNumber(label) * 10));
        }
        EXPECT_EQ(TickXs(canvas), xs);

        ASSERT_TRUE(DrawGraph(canvas, InputsFor(german, c.low, c.high)));
        std::vector<std::string> labels = c.labels;
        for (std::string& label : labels) {
            std::replace(label.begin(), label.end(), '.', ',');
        }
        EXPECT_EQ(TickLabels(canvas), labels);
    }
}

TEST(DrawGraph, FrameGeometryAndAnEmptyResultInBlackText) {
    GraphSite site;
    site.list.SetSiteName("  North Ridge ");
    GraphInputs inputs = InputsFor(site, 0, 100000);
    inputs.plotFirstOrder = true;
    inputs.orders[3] = true;
    RecordingCanvas canvas(Width, Height);
    ASSERT_TRUE(DrawGraph(canvas, inputs));

    ASSERT_FALSE(canvas.ops.empty());
    EXPECT_EQ(canvas.ops.front().kind, Kind::Clear);

    // The axis line runs from one tick below the view to one above it, in grey.
    const auto lines = canvas.Of(Kind::Line);
    ASSERT_FALSE(lines.empty());
    ExpectAt(lines[0], -100000, 1100000, AxisY, AxisY);
    EXPECT_EQ(lines[0].colour, Grey);
    // Tick marks from the rounded axisY + 5 (10.33 -> 10) down to the axis.
    ExpectAt(lines[1], Any, Any, 10, AxisY);
    EXPECT_EQ(lines[1].colour, Grey);

    // Only the digits are centred on the tick: "10000" is 5 characters of 7 pixels.
    const RecordingCanvas::Op* label = canvas.FindText(" 10000 ");
    ASSERT_NE(label, nullptr);
    EXPECT_NEAR(label->x1, 100000 - 5 * 7 * FullPxX / 2, Tolerance);

    // The axis title on a white box of its own size, one pixel below the axis.
    const RecordingCanvas::Op* title = canvas.FindText(" Frequency (MHz)");
    ASSERT_NE(title, nullptr);
    ExpectAt(*title, 0, Any, AxisY - PxY, Any);
    const auto boxes = canvas.Of(Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].colour, White);
    ExpectAt(boxes[0], 0, 16 * 7 * FullPxX, AxisY - PxY, AxisY - PxY - H);
    // The title is drawn after the tick labels, over them.
    EXPECT_GT(title - canvas.ops.data(), label - canvas.ops.data());

    // The site name, trimmed, centred a fifth of the axis band below the top.
    const RecordingCanvas::Op* name = canvas.FindText("North Ridge");
    ASSERT_NE(name, nullptr);
    ExpectAt(*name, (1000000 - 11 * 7 * FullPxX) / 2, Any, 100 - AxisY / 5, Any);

    // The frame is shown before any data is drawn; there is none, only the frame in black.
    EXPECT_EQ(canvas.ops.back().kind, Kind::Show);
    EXPECT_EQ(lines.size(), 1u + 12u);          // axis and ticks
    EXPECT_EQ(canvas.Of(Kind::Box).size(), 3u); // legend swatches
    EXPECT_TRUE(canvas.Of(Kind::RotatedText).empty());
    const auto texts = canvas.Of(Kind::Text);
    ASSERT_EQ(texts.size(), 12u + 1u + 3u + 1u); // labels, title, legend, name
    for (const auto& text : texts) {
        SCOPED_TRACE(text.text);
        EXPECT_EQ(text.colour, Black);
        EXPECT_EQ(text.font, (FontSpec{"Arial", 10}));
    }
}

TEST(DrawGraph, LegendFollowsTheOrderBoxes) {
    GraphSite site;
    site.Product(450, 25, 2); // a second-order product, its box unticked
    GraphInputs inputs = InputsFor(site, 0, 100000);
    inputs.orders[3] = true;
    inputs.orders[5] = true;
    inputs.orders[9] = true;
    RecordingCanvas canvas(Width, Height);
    ASSERT_TRUE(DrawGraph(canvas, inputs));

    EXPECT_EQ(LegendLabels(canvas), (std::vector<std::string>{"  Receiver ", "  3rd Order ",
                                                              "  5th Order ", "  9th Order "}));

    const auto swatches = canvas.Of(Kind::Box);
    ASSERT_EQ(swatches.size(), 4u);
    EXPECT_EQ(swatches[0].fill, FillStyle::DiagonalCross);
    EXPECT_EQ(swatches[0].colour, Black);
    EXPECT_EQ(swatches[0].fillColour, Black);
    EXPECT_EQ(swatches[1].fill, FillStyle::Solid);
    EXPECT_EQ(swatches[1].fillColour, Rgb(255, 0, 0)); // the bars pin every order's colour
    // The line ends at the right edge: it starts its own width (labels plus "##" each) left of it.
    const std::string legendText = "  Receiver ##  3rd Order ##  5th Order ##  9th Order ##";
    const double legendX = 1000000 - legendText.size() * 7 * FullPxX;
    const double legendY = AxisY / 2 + 2 * PxY;
    ExpectAt(swatches[0], legendX, legendX + 2 * 7 * FullPxX, legendY, legendY - H);
    // Each label follows its swatch; the next swatch starts where the label ended.
    const RecordingCanvas::Op* receiver = canvas.FindText("  Receiver ");
    ASSERT_NE(receiver, nullptr);
    EXPECT_DOUBLE_EQ(receiver->x1, swatches[0].x2);
    EXPECT_NEAR(swatches[1].x1, receiver->x2, Tolerance);
    const RecordingCanvas::Op* ninth = canvas.FindText("  9th Order ");
    ASSERT_NE(ninth, nullptr);
    EXPECT_NEAR(ninth->x2, 1000000, Tolerance);

    // The unticked second order's product is still drawn.
    EXPECT_EQ(canvas.Of(Kind::FilledBox).size(), 2u);

    inputs.plotFirstOrder = true;
    inputs.orders = {};
    inputs.orders[2] = true;
    inputs.orders[7] = true;
    ASSERT_TRUE(DrawGraph(canvas, inputs));
    EXPECT_EQ(LegendLabels(canvas), (std::vector<std::string>{"  Receiver ", "  Fundamental ",
                                                              "  2nd Order ", "  7th Order "}));
    const auto second = canvas.Of(Kind::Box);
    ASSERT_EQ(second.size(), 4u);
    EXPECT_EQ(second[1].fill, FillStyle::Solid);
    EXPECT_EQ(second[1].fillColour, Black);
}

TEST(DrawGraph, ProductsByTagWidthAndOrderHeight) {
    GraphSite site;
    site.Product(450, 12.5, 3);
    site.Product(451, 37.5, 9);
    site.Product(452, 25, 4);
    site.Product(453, 25, 2);
    site.Product(454, 25, 5);
    site.Product(455, 25, 7);
    site.Product(600, 25, 3); // wholly beyond the axis
    RecordingCanvas canvas(Width, Height);
    ASSERT_TRUE(DrawGraph(canvas, InputsFor(site, 440, 460)));

    auto boxes = canvas.Of(Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 7u); // the axis title's and six products
    // The title's box starts at the view's lower edge.
    ExpectAt(boxes[0], 4400, 4400 + 16 * 7 * 200.0 / Width, Any, Any);
    boxes.erase(boxes.begin());
    const double barBase = AxisY + 1;
    // 12.5 kHz is tagged as 12 kHz and drawn so; 37.5 kHz as 38 kHz. Bar tops: axisY +
    // (100 - axisY) x share, rounded (3rd 40 %: 43.2, 9th 10 %: 14.8, 2nd 50 %: 52.67, 5th:
    // 33.73, 7th: 24.27); an order outside 2, 3, 5, 7 is low and magenta.
    const double left[] = {4499.94, 4509.81, Any, Any, Any, Any};
    const double right[] = {4500.06, 4510.19, Any, Any, Any, Any};
    const double tops[] = {43, 15, 15, 53, 34, 24};
    const Colour colours[] = {Rgb(255, 0, 0), Rgb(255, 0, 255), Rgb(255, 0, 255),
                              Rgb(0, 0, 255), Rgb(0, 255, 0),   Rgb(0, 255, 255)};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectAt(boxes[i], left[i], right[i], tops[i], barBase);
        EXPECT_EQ(boxes[i].colour, colours[i]);
    }

    // Products come after the frame is shown: the last filled box is one, the title's is before.
    EXPECT_GT(IndexOf(canvas, Kind::Show), IndexOf(canvas, Kind::FilledBox));
    EXPECT_GT(IndexOf(canvas, Kind::FilledBox, true), IndexOf(canvas, Kind::Show));
}

std::vector<RecordingCanvas::Op> EntryBoxesOf(const RecordingCanvas& canvas, std::size_t legend) {
    auto boxes = canvas.Of(Kind::Box);
    boxes.erase(boxes.begin(), boxes.begin() + static_cast<std::ptrdiff_t>(legend));
    return boxes;
}

TEST(DrawGraph, EntriesByRoleAndFundamental) {
    GraphSite site;
    site.Entry("445", "0", "25", "Tx", "Exist", "N/A");
    site.Entry("450", "0", "16", "Both", "Exist", "25");       // overlapping bands
    site.Entry("452", "1000", "1500", "Both", "Exist", "500"); // touching: 452.25
    site.Entry("455", "0", "N/A", "Rx", "Exist", "20");
    site.Entry("500", "0", "N/A", "Rx", "Exist", "20");         // beyond the axis
    site.Entry("459", "-1000", "1500", "Both", "Exist", "500"); // Tx up to 458.75, Rx from there
    GraphInputs inputs = InputsFor(site, 440, 460);
    const double topY = AxisY + (100 - AxisY) * 0.9;
    const double midY = AxisY + (100 - AxisY) * 0.5;
    const double barBase = AxisY + 1;

    RecordingCanvas canvas(Width, Height);
    ASSERT_TRUE(DrawGraph(canvas, inputs));
    // Fundamental unticked: no Tx box, transceivers as receivers only.
    auto boxes = EntryBoxesOf(canvas, 1);
    ASSERT_EQ(boxes.size(), 4u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.fill, FillStyle::DiagonalCross);
        EXPECT_EQ(box.colour, Black);
        EXPECT_EQ(box.fillColour, Black);
    }
    ExpectAt(boxes[0], 4499.875, 4500.125, topY, barBase);
    ExpectAt(boxes[1], 4517.5, 4522.5, topY, barBase);
    ExpectAt(boxes[2], 4549.9, 4550.1, topY, barBase);
    ExpectAt(boxes[3], 4587.5, 4592.5, topY, barBase);

    inputs.plotFirstOrder = true;
    ASSERT_TRUE(DrawGraph(canvas, inputs));
    boxes = EntryBoxesOf(canvas, 2);
    ASSERT_EQ(boxes.size(), 8u);
    // "Tx": the solid transmit box. Overlapping "Both": transmit in the upper half, receive in
    // the lower half. Touching bands, from above or below, count as apart: two full-height
    // boxes, transmit first. "Rx" is the same either way.
    const FillStyle fills[] = {FillStyle::Solid, FillStyle::Solid,         FillStyle::DiagonalCross,
                               FillStyle::Solid, FillStyle::DiagonalCross, FillStyle::DiagonalCross,
                               FillStyle::Solid, FillStyle::DiagonalCross};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].fill, fills[i]) << i;
    }
    ExpectAt(boxes[0], 4449.875, 4450.125, topY, barBase);
    ExpectAt(boxes[1], 4499.92, 4500.08, topY, midY);
    ExpectAt(boxes[2], 4499.875, 4500.125, midY, barBase);
    ExpectAt(boxes[3], 4522.5, 4537.5, topY, barBase);
    ExpectAt(boxes[4], 4517.5, 4522.5, topY, barBase);
    ExpectAt(boxes[5], 4549.9, 4550.1, topY, barBase);
    ExpectAt(boxes[6], 4572.5, 4587.5, topY, barBase);
    ExpectAt(boxes[7], 4587.5, 4592.5, topY, barBase);

    // Unticked rows are not drawn.
    site.list.SetChecked(0, false);
    site.list.SetChecked(3, false);
    ASSERT_TRUE(DrawGraph(canvas, inputs));
    boxes = EntryBoxesOf(canvas, 2);
    ASSERT_EQ(boxes.size(), 6u);
    ExpectAt(boxes[0], 4499.92, Any, Any, Any);
    ExpectAt(boxes[3], 4517.5, Any, Any, Any);
}

TEST(DrawGraph, RemarkLabels) {
    GraphSite site;
    site.Entry("445", "0", "25", "Tx", "Plan", "N/A", "Repeater"); // no box, still a label
    site.Entry("450", "0", "16", "Both", "Exist", "25", "Hub");    // offset 0: one label
    site.Entry("452", "1000", "25", "Both", "Plan", "25", "Base"); // two labels
    site.Entry("455", "0", "N/A", "Rx", "Exist", "20", "   ");     // blank: none
    site.Entry("456", "0", "N/A", "Rx", "Exist", "20", "Hidden");  // unticked: none
    site.list.SetChecked(4, false);
    GraphInputs inputs = InputsFor(site, 440, 460);
    const double pxX = 200.0 / Width;

    // Texts 14 pixels high at 10 points, so that whole pixels are taken rounded up.
    RecordingCanvas canvas(Width, Height, 7, 14);
    ASSERT_TRUE(DrawGraph(canvas, inputs));
    EXPECT_TRUE(canvas.Of(Kind::RotatedText).empty()); // "&Show remarks" unchecked

    inputs.showRemarks = true;
    ASSERT_TRUE(DrawGraph(canvas, inputs));
    const auto texts = canvas.Of(Kind::RotatedText);
    ASSERT_EQ(texts.size(), 4u);
    const char* remarks[] = {"Repeater", "Hub", "Base", "Base"};
    for (const auto& text : texts) {
        EXPECT_EQ(text.text, remarks[&text - texts.data()]);
        EXPECT_EQ(text.angle, 900);
        EXPECT_EQ(text.colour, Black);
        EXPECT_EQ(text.font, (FontSpec{"Arial", 11, 400}));
    }

    auto labels = canvas.Of(Kind::FilledBox);
    ASSERT_EQ(labels.size(), 5u); // the axis title's and four labels
    labels.erase(labels.begin());
    // At 11 points "Repeater" is 61.6 x 15.4 pixels: upright, the label is 16 pixels wide and
    // 1.02 x 62 pixels high, centred on the frequency and the picture's middle, one pixel more
    // above and below.
    const double Lw = 16 * pxX;
    const double Lh = 1.02 * 62 * PxY;
    // Planned rows on yellow, existing ones on white.
    EXPECT_EQ(labels[0].colour, Yellow);
    ExpectAt(labels[0], 4450 - Lw / 2, 4450 + Lw / 2, 50 - Lh / 2 - PxY, 50 + Lh / 2 + PxY);
    ExpectAt(texts[0], 4450 - Lw / 2 + pxX / 2, Any, 50 - Lh / 2, Any);
    EXPECT_EQ(labels[1].colour, White);
    // "Hub" is 23.1 pixels wide: 24 whole ones.
    const double hubLh = 1.02 * 24 * PxY;
    ExpectAt(labels[1], 4500 - Lw / 2, 4500 + Lw / 2, 50 - hubLh / 2 - PxY, 50 + hubLh / 2 + PxY);
    // "Base" (4 characters: 30.8 pixels, 31 whole) at the receive and the transmit frequency; the
    // second label has no extra pixel.
    const double baseLh = 1.02 * 31 * PxY;
    EXPECT_EQ(labels[2].colour, Yellow);
    ExpectAt(labels[2], 4520 - Lw / 2, Any, 50 - baseLh / 2 - PxY, Any);
    EXPECT_EQ(labels[3].colour, Yellow);
    ExpectAt(labels[3], 4530 - Lw / 2, Any, 50 - baseLh / 2, 50 + baseLh / 2);
    ExpectAt(texts[3], 4530 - Lw / 2 + pxX / 2, Any, Any, Any);

    // Each label comes straight after its row's boxes, so later boxes may cover it.
    EXPECT_LT(IndexOf(canvas, Kind::RotatedText), IndexOf(canvas, Kind::Box, true));
}

TEST(DrawGraph, HalvesRoundToEven) {
    GraphSite site;
    site.Product(450, 25, 2);
    site.Product(451, 25, 9);
    site.Product(452, 25, 3);
    // 400 pixels high: one pixel is 0.25 y units. A text 10 pixels high puts the axis at 5, so
    // the second-order bar top is 52.5 and the ninth-order one 14.5.
    RecordingCanvas low(Width, 400, 7, 10);
    ASSERT_TRUE(DrawGraph(low, InputsFor(site, 440, 460)));
    auto boxes = low.Of(Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_DOUBLE_EQ(boxes[1].y1, 52);
    EXPECT_DOUBLE_EQ(boxes[2].y1, 14);
    EXPECT_DOUBLE_EQ(boxes[3].y1, 43);
    EXPECT_DOUBLE_EQ(low.Of(Kind::Line)[1].y1, 10);

    // 15 pixels: the axis at 7.5, the tick tops at 12.5 and the third-order bar top at 44.5.
    RecordingCanvas high(Width, 400, 7, 15);
    ASSERT_TRUE(DrawGraph(high, InputsFor(site, 440, 460)));
    boxes = high.Of(Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_DOUBLE_EQ(boxes[3].y1, 44);
    const auto lines = high.Of(Kind::Line);
    ASSERT_GE(lines.size(), 2u);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_DOUBLE_EQ(lines[i].y1, 12);
        EXPECT_DOUBLE_EQ(lines[i].y2, 7.5);
    }
}

TEST(DrawGraph, RangeTestsAtTheAxisEnds) {
    // A view of 440 to 460 MHz has its axis from 437.5 to 462.5 MHz.
    GraphSite site;
    site.Product(437.25, 500, 3);                           // upper edge on axisLow: drawn
    site.Product(437, 500, 5);                              // wholly below: skipped
    site.Product(462.75, 500, 7);                           // lower edge on axisHigh: drawn
    site.Entry("437.25", "0", "N/A", "Rx", "Exist", "500"); // only touches: skipped
    site.Entry("437.3", "0", "N/A", "Rx", "Exist", "500");  // reaches in
    site.Entry("462.75", "0", "N/A", "Rx", "Exist", "500"); // only touches: skipped
    // Transmit bands that only touch the axis ends (437 to 437.5, 462.5 to 463): skipped too.
    site.Entry("470", "-32750", "500", "Both", "Exist", "0");
    site.Entry("430", "32750", "500", "Both", "Exist", "0");
    // Transmit bands across either axis end reach in.
    site.Entry("437.4", "0", "500", "Tx", "Exist", "N/A");
    site.Entry("462.6", "0", "500", "Tx", "Exist", "N/A");
    GraphInputs inputs = InputsFor(site, 440, 460);
    inputs.plotFirstOrder = true;
    RecordingCanvas canvas(Width, Height);
    ASSERT_TRUE(DrawGraph(canvas, inputs));
    const auto products = canvas.Of(Kind::FilledBox);
    ASSERT_EQ(products.size(), 3u);
    EXPECT_EQ(products[1].colour, Rgb(255, 0, 0));
    ExpectAt(products[1], Any, 4375, Any, Any);
    EXPECT_EQ(products[2].colour, Rgb(0, 255, 255));
    ExpectAt(products[2], 4625, Any, Any, Any);
    const auto entries = EntryBoxesOf(canvas, 2);
    ASSERT_EQ(entries.size(), 3u);
    ExpectAt(entries[0], 4370.5, Any, Any, Any);
    ExpectAt(entries[1], 4371.5, 4376.5, Any, Any);
    ExpectAt(entries[2], 4623.5, 4628.5, Any, Any);
}

class CountingHost final : public IGraphDrawHost {
public:
    void SetBusyCursor(bool busy) override { cursor.push_back(busy); }
    void LetEventsRun() override { ++events; }
    std::vector<bool> cursor;
    int events = 0;
};

TEST(DrawGraph, BusyPointerOneEventRunAndNothingForViewsWithoutWidth) {
    GraphSite site;
    site.Entry("450", "0", "N/A", "Rx", "Exist", "0");
    site.Product(450, 25, 3);
    RecordingCanvas canvas(Width, Height);
    CountingHost host;
    ASSERT_TRUE(DrawGraph(canvas, InputsFor(site, 440, 460), &host));
    EXPECT_EQ(host.cursor, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.events, 1);
    const std::size_t drawn = canvas.ops.size();

    EXPECT_FALSE(DrawGraph(canvas, InputsFor(site, 450, 450), &host));
    EXPECT_EQ(host.cursor, (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(DrawGraph(canvas, InputsFor(site, 100000, 0)));
    EXPECT_FALSE(DrawGraph(canvas, InputsFor(site, 0, std::numeric_limits<double>::infinity())));
    // The picture keeps what it showed.
    EXPECT_EQ(canvas.ops.size(), drawn);
}

} // namespace
} // namespace spurline
