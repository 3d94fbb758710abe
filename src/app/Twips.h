#pragma once

#include <QWidget>

namespace spurline {

// Window geometry is designed in twips (1/1440 inch); the screen's logical DPI turns it into
// pixels.
inline int TwipsToPixels(int twips, const QWidget& widget) {
    return static_cast<int>(twips * widget.logicalDpiX() / 1440.0 + 0.5);
}

} // namespace spurline
