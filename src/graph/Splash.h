#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace spurline {

inline constexpr const char* ProgramTitle = "Spurline";

// "Version 3.5 Build 312"; the build part only for revision 1 or more.
std::string SplashVersionLabel(int major, int minor, int revision);

// The colour band of the about window: one colour per pixel column (red in the low byte), the
// hue running once round the circle across width and shifted by phase degrees.
std::vector<std::uint32_t> HueBandColumns(int width, int phase);

// Full-saturation, full-value colour of a hue in degrees 0 to 359, red in the low byte.
std::uint32_t HueColour(int hue);

// The next animation phase: 0 to 360, then back to 0.
int NextAnimationPhase(int phase);

inline constexpr int SplashAutoCloseMs = 10000;
inline constexpr int SplashAnimationMs = 25;

} // namespace spurline
