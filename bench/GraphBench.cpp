// Speed of a full redraw of the spectrum graph: a 32700-product result with 200 entries and their
// remark labels, on a 1600 x 600 picture. "null" measures the drawing logic on a canvas that
// only measures text; "qt" paints the picture the window shows.

#include "SilentMessageBox.h"
#include "document/FrequencyList.h"
#include "document/MessageBox.h"
#include "document/NumberFormat.h"
#include "engine/IntermodItems.h"
#include "engine/ProductRecorder.h"
#include "graph/DrawGraph.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

#ifdef SPURLINE_GRAPH_BENCH_QT
#include "platform/QtCanvas.h"

#include <QGuiApplication>
#endif

namespace spurline {
namespace {

using bench::SilentBox;

// Fixed-pitch text, everything else dropped: the cost of the drawing logic alone.
class NullCanvas final : public ICanvas {
public:
    bool SetScale(double left, double top, double right, double bottom) override {
        pxX_ = (right - left) / 1600;
        pxY_ = (top - bottom) / 600;
        return right != left && top != bottom;
    }
    void Clear() override {}
    double PixelWidth() const override { return pxX_; }
    double PixelHeight() const override { return pxY_; }
    void SetFont(const FontSpec& font) override { font_ = font; }
    const FontSpec& font() const override { return font_; }
    double TextWidth(std::string_view text) const override {
        return static_cast<double>(text.size()) * 7 * pxX_;
    }
    double TextHeight(std::string_view) const override { return 16 * pxY_; }
    void Line(double, double, double, double, Colour) override { ++primitives; }
    void Box(double, double, double, double, Colour, FillStyle, Colour) override { ++primitives; }
    void FilledBox(double, double, double, double, Colour) override { ++primitives; }
    void Text(double, double, std::string_view, Colour) override { ++primitives; }
    void RotatedText(double, double, std::string_view, const FontSpec&, int, Colour) override {
        ++primitives;
    }
    long primitives = 0;

private:
    double pxX_ = 1, pxY_ = 1;
    FontSpec font_;
};

struct FullSite {
    FullSite() : list(Locale::English()), products(box) {
        const Locale& locale = list.locale();
        const char* roles[] = {"Both", "Rx", "Tx", "Both"};
        for (int i = 0; i < 200; ++i) {
            const double f = 400 + i * 0.35;
            list.AddEntry({FormatNumber(f, "0.00000", locale), i % 2 == 0 ? "5000" : "0", "16",
                           roles[i % 4], i % 3 == 0 ? "Plan" : "Exist", "25",
                           "Site " + std::to_string(i + 1) + " repeater"});
        }
        const int orders[] = {2, 3, 3, 5, 5, 7, 9};
        products.Reserve(32700);
        for (int i = 0; i < 32700; ++i) {
            const int order = orders[i % 7];
            const double F = 400 + (i * 7919 % 70000) / 1000.0;
            const ProductTexts texts =
                BuildProductTexts(F, {F, order - 1, 1 + i % 200}, {F, -1, 1 + (i / 200) % 200}, {},
                                  0.0125 * (order - 1), locale);
            auto item = std::make_shared<cIntermodItem>();
            item->setFrequency(static_cast<float>(F));
            item->setBandwidth(static_cast<float>(25 * (order - 1)));
            item->setOrder(static_cast<std::int16_t>(order));
            item->setBycomposition(texts.bycomposition);
            item->setTag(texts.tag);
            products.Add(item, "ID: " + std::to_string(i + 1));
        }
        products.SortByOrder();
    }

    GraphInputs Inputs(double low, double high) const {
        GraphInputs inputs;
        inputs.list = &list;
        inputs.products = &products;
        inputs.ViewLow = low;
        inputs.ViewHigh = high;
        inputs.plotFirstOrder = true;
        inputs.showRemarks = true;
        for (int order : {2, 3, 5, 7, 9}) {
            inputs.orders[static_cast<std::size_t>(order)] = true;
        }
        return inputs;
    }

    SilentBox box;
    FrequencyList list;
    cIntermodItems products;
};

const FullSite& Site() {
    static const FullSite site;
    return site;
}

// Range 0: the whole site (400 to 470 MHz); range 1: the start-up view 0 to 100000 MHz.
GraphInputs InputsFor(const benchmark::State& state) {
    return state.range(0) == 0 ? Site().Inputs(399.9, 470.1) : Site().Inputs(0, 100000);
}

void BM_DrawGraphNull(benchmark::State& state) {
    const GraphInputs inputs = InputsFor(state);
    NullCanvas canvas;
    for (auto _ : state) {
        DrawGraph(canvas, inputs);
    }
    state.counters["primitives"] =
        static_cast<double>(canvas.primitives) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DrawGraphNull)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

#ifdef SPURLINE_GRAPH_BENCH_QT
void BM_DrawGraphQt(benchmark::State& state) {
    const GraphInputs inputs = InputsFor(state);
    QtCanvas canvas;
    canvas.Resize(QSize(1600, 600), 1);
    for (auto _ : state) {
        DrawGraph(canvas, inputs);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_DrawGraphQt)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
#endif

} // namespace
} // namespace spurline

int main(int argc, char** argv) {
#ifdef SPURLINE_GRAPH_BENCH_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
