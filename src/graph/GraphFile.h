#pragma once

#include "engine/IntermodOptions.h"

#include <string>

namespace spurline {

class FrequencyList;
class cIntermodItems;

struct GraphInputs;

// The graph of the given inputs (their view as it is) as an SVG document of width x height pixels.
std::string GraphSvgOfView(const GraphInputs& inputs, int width, int height);

// The spectrum graph of a calculated site as an SVG document of width x height pixels, drawn by
// the window's drawing code, its view fitted to every product and entry with a small margin.
// orders: the orders drawn (the order boxes of the calculation).
std::string GraphSvg(const FrequencyList& list, const cIntermodItems& products,
                     const IntermodOptions& orders, int width, int height);

} // namespace spurline
