#pragma once

#include "graph/Canvas.h"

#include <array>
#include <string>
#include <vector>

namespace spurline {

// One entry of the legend under the axis: its label (with its blanks) and the look of its swatch.
struct LegendEntry {
    std::string label;
    FillStyle fill = FillStyle::Solid;
    Colour colour = 0; // outline and fill
};

// The legend follows the option boxes, not the orders present in the result: the receiver always,
// the fundamental when "&fundamental" is ticked, then each ticked order box 2, 3, 5, 7, 9.
// orders is indexed by order.
std::vector<LegendEntry> LegendEntries(bool plotFirstOrder, const std::array<bool, 10>& orders);

} // namespace spurline
