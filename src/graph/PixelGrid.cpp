#include "graph/PixelGrid.h"

#include <algorithm>
#include <cmath>

namespace spurline {

PixelBox SnapToPixels(double x1, double y1, double x2, double y2, int width, int height) {
    const auto clamp = [](double v, int size) {
        return std::isnan(v) ? 0.0 : std::clamp(v, -2.0, static_cast<double>(size) + 2);
    };
    const double ax = clamp(x1, width), bx = clamp(x2, width);
    const double ay = clamp(y1, height), by = clamp(y2, height);
    PixelBox box;
    box.left = static_cast<int>(std::lround(std::min(ax, bx)));
    box.right = static_cast<int>(std::lround(std::max(ax, bx)));
    box.top = static_cast<int>(std::lround(std::min(ay, by)));
    box.bottom = static_cast<int>(std::lround(std::max(ay, by)));
    box.right = std::max(box.right, box.left + 1);
    box.bottom = std::max(box.bottom, box.top + 1);
    return box;
}

} // namespace spurline
