#pragma once

#include <cstdint>

namespace spurline {

// Colours are 32-bit values with red in the low byte, then green, then blue.
inline constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

// The one colour of an intermodulation order, used by the graph and by the victim marks:
// 2 blue, 3 red, 5 green, 7 cyan, anything else magenta.
std::uint32_t order2colour(int order);

} // namespace spurline
