#pragma once

#include <cstdint>

namespace spurline {

// What a wheel notice carries, decoded from the platform's message words, and what the graph
// makes of it.
namespace wheel {
inline constexpr int Notch = 120; // Delta of one wheel notch

// Shift masks.
inline constexpr int ShiftKey = 1;
inline constexpr int CtrlKey = 2;
inline constexpr int AltKey = 4;
// Button masks.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;
} // namespace wheel

// The high and low 16 bits of a message word, as signed values.
inline std::int16_t WordHi(std::uint32_t DWord) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(DWord >> 16));
}
inline std::int16_t WordLo(std::uint32_t DWord) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(DWord & 0xFFFFu));
}

// One wheel turn: Delta in multiples of 120 (positive away from the user or to the right), the
// modifier and button masks, the pointer in screen coordinates. A receiver sets Cancel to keep the
// window's own wheel handling from running.
struct MouseWheelEvent {
    int Delta = 0;
    int Shift = 0;
    int Button = 0;
    int X = 0;
    int Y = 0;
    bool Cancel = false;
};

enum class WheelZoom { In, Out };

// The graph zooms in on a turn away from the user and out on any other notice.
inline WheelZoom WheelZoomFor(int Delta) {
    return Delta > 0 ? WheelZoom::In : WheelZoom::Out;
}

} // namespace spurline
