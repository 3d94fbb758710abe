#include "graph/Splash.h"

#include <cmath>

namespace spurline {

std::string SplashVersionLabel(int major, int minor, int revision) {
    std::string label = "Version " + std::to_string(major) + "." + std::to_string(minor);
    if (revision >= 1) {
        label += " Build " + std::to_string(revision);
    }
    return label;
}

std::uint32_t HueColour(int hue) {
    // The usual six 60-degree sectors at full saturation and value.
    const int sector = hue / 60;
    const double f = (hue % 60) / 60.0;
    const auto level = [](double v) { return static_cast<std::uint32_t>(std::lround(v * 255)); };
    std::uint32_t r = 0;
    std::uint32_t g = 0;
    std::uint32_t b = 0;
    switch (sector) {
    case 0:
        r = 255, g = level(f);
        break;
    case 1:
        r = level(1 - f), g = 255;
        break;
    case 2:
        g = 255, b = level(f);
        break;
    case 3:
        g = level(1 - f), b = 255;
        break;
    case 4:
        r = level(f), b = 255;
        break;
    default:
        r = 255, b = level(1 - f);
        break;
    }
    return r | (g << 8) | (b << 16);
}

std::vector<std::uint32_t> HueBandColumns(int width, int phase) {
    std::vector<std::uint32_t> columns;
    for (int x = 1; x <= width; ++x) {
        // Halves go to the even neighbour (the default rounding mode).
        const double hue = std::nearbyint(static_cast<double>(x) / width * 360 + phase);
        columns.push_back(HueColour(static_cast<int>(std::fmod(hue, 360))));
    }
    return columns;
}

int NextAnimationPhase(int phase) {
    return phase < 360 ? phase + 1 : 0;
}

} // namespace spurline
