#pragma once

#include "document/Locale.h"

#include <string>

namespace spurline {

class cIntermodItems;

// The graph's tooltip: the products under the mouse, listed while the mouse moves along one axis
// (or stands still), cleared while it moves diagonally. Remembers the previous position.
class HoverReadout {
public:
    // X, Y in graph units (x = MHz x 10). Returns the tooltip text, empty for none.
    std::string Move(float X, float Y, const cIntermodItems& products, const Locale& locale,
                     bool withLevels = false);

    float LastMouseX = 0;
    float LastMouseY = 0;
};

// The products whose band (both edges included) holds the frequency f (MHz), as
// "450.00000 - (2 x [1] - 1 x [2])", joined with ", " in collection order; withLevels adds each
// product's level at its worst victim: "... - (2 x [1] - 1 x [2]) at -117.06 dBm".
std::string ProductsAt(float f, const cIntermodItems& products, const Locale& locale,
                       bool withLevels = false);

} // namespace spurline
