#include "graph/GraphFile.h"

#include "graph/DrawGraph.h"
#include "graph/SvgCanvas.h"
#include "graph/ViewNavigation.h"

#include <algorithm>

namespace spurline {

namespace {
constexpr double Margin = 0.05; // of the fitted width, on each side
} // namespace

std::string GraphSvg(const FrequencyList& list, const cIntermodItems& products,
                     const IntermodOptions& orders, int width, int height) {
    GraphInputs inputs;
    inputs.list = &list;
    inputs.products = &products;
    inputs.plotFirstOrder = true;
    inputs.orders = orders.orders;
    const FitResult fit = FitExtents(ViewRange{}, list, products);
    if (fit.redraw()) {
        const double margin = std::max(fit.view.width() * Margin, 0.01);
        inputs.ViewLow = std::max(0.0, fit.view.ViewLow - margin);
        inputs.ViewHigh = std::min(view::UpperLimit, fit.view.ViewHigh + margin);
    }
    return GraphSvgOfView(inputs, width, height);
}

std::string GraphSvgOfView(const GraphInputs& inputs, int width, int height) {
    SvgCanvas canvas(width, height);
    DrawGraph(canvas, inputs);
    return canvas.Document();
}

} // namespace spurline
