#include "document/MessageBox.h"

#include <cmath>

namespace spurline {

ScreenRect CentreOver(const ScreenRect& owner, int boxWidth, int boxHeight) {
    // Halves in floating point, the sum rounded to nearest with ties to even (the default mode).
    const double left = owner.left + owner.width / 2.0 - boxWidth / 2.0;
    const double top = owner.top + owner.height / 2.0 - boxHeight / 2.0;
    return {static_cast<int>(std::nearbyint(left)), static_cast<int>(std::nearbyint(top)), boxWidth,
            boxHeight};
}

} // namespace spurline
