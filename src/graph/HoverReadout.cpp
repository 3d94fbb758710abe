#include "graph/HoverReadout.h"

#include "engine/IntermodItems.h"
#include "engine/LevelModel.h"

namespace spurline {

std::string ProductsAt(float f, const cIntermodItems& products, const Locale& locale,
                       bool withLevels) {
    std::string text;
    for (const auto& product : products) {
        if (product->lowerfrequency() <= f && f <= product->upperfrequency()) {
            if (!text.empty()) {
                text += ", ";
            }
            text += product->frequencystring(locale) + " - (" + product->bycomposition() + ")";
            if (withLevels && product->hasLevel()) {
                text += " at " + LevelText(product->levelDbm(), locale) + " dBm";
            }
        }
    }
    return text;
}

std::string HoverReadout::Move(float X, float Y, const cIntermodItems& products,
                               const Locale& locale, bool withLevels) {
    std::string text;
    if (X == LastMouseX || Y == LastMouseY) {
        text = ProductsAt(X / 10, products, locale, withLevels);
    }
    LastMouseX = X;
    LastMouseY = Y;
    return text;
}

} // namespace spurline
