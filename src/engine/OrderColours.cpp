#include "engine/OrderColours.h"

namespace spurline {

std::uint32_t order2colour(int order) {
    switch (order) {
    case 2:
        return Rgb(0, 0, 255);
    case 3:
        return Rgb(255, 0, 0);
    case 5:
        return Rgb(0, 255, 0);
    case 7:
        return Rgb(0, 255, 255);
    default:
        return Rgb(255, 0, 255);
    }
}

} // namespace spurline
