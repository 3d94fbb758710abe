#include "graph/GraphLegend.h"

#include "engine/OrderColours.h"

namespace spurline {

std::vector<LegendEntry> LegendEntries(bool plotFirstOrder, const std::array<bool, 10>& orders) {
    std::vector<LegendEntry> entries;
    entries.push_back({"  Receiver ", FillStyle::DiagonalCross, Rgb(0, 0, 0)});
    if (plotFirstOrder) {
        entries.push_back({"  Fundamental ", FillStyle::Solid, Rgb(0, 0, 0)});
    }
    const std::array<std::pair<int, const char*>, 5> orderLabels{{{2, "  2nd Order "},
                                                                  {3, "  3rd Order "},
                                                                  {5, "  5th Order "},
                                                                  {7, "  7th Order "},
                                                                  {9, "  9th Order "}}};
    for (const auto& [order, label] : orderLabels) {
        if (orders[static_cast<std::size_t>(order)]) {
            entries.push_back({label, FillStyle::Solid, order2colour(order)});
        }
    }
    return entries;
}

} // namespace spurline
