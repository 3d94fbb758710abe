#include "graph/HoverReadout.h"

#include "engine/IntermodItems.h"

namespace spurline {

std::string ProductsAt(float f, const cIntermodItems& products, const Locale& locale) {
    std::string text;
    for (const auto& product : products) {
        if (product->lowerfrequency() <= f && f <= product->upperfrequency()) {
            if (!text.empty()) {
                text += ", ";
            }
            text += product->frequencystring(locale) + " - (" + product->bycomposition() + ")";
        }
    }
    return text;
}

std::string HoverReadout::Move(float X, float Y, const cIntermodItems& products,
                               const Locale& locale) {
    std::string text;
    if (X == LastMouseX || Y == LastMouseY) {
        text = ProductsAt(X / 10, products, locale);
    }
    LastMouseX = X;
    LastMouseY = Y;
    return text;
}

} // namespace spurline
