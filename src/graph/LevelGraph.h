#pragma once

#include "graph/Canvas.h"
#include "graph/GraphLayout.h"

#include <vector>

namespace spurline {

class cIntermodItems;
struct GraphInputs;
struct LegendEntry;

// The level axis of the level view, dBm: ticks from low to high every step.
struct LevelAxis {
    double low = -150;
    double high = 0;
    double step = 10;
};

// An axis over levels from lowest to highest (dBm) with at least 5 dB to spare at either end, on
// whole steps of 1, 2, 5, 10, 20, 50 or 100 dB, at most 8 of them. Levels that are not finite are
// left out; none at all gives -150 to 0 dBm.
LevelAxis LevelAxisFor(const std::vector<double>& levels);

// Colours of the level classes.
namespace levelcolours {
inline constexpr Colour Harmful = 0x0000FF;    // red
inline constexpr Colour Marginal = 0x00A0FF;   // orange
inline constexpr Colour Negligible = 0x00A000; // green
inline constexpr Colour Grid = 0xD8D8D8;
} // namespace levelcolours
Colour LevelClassColour(double marginDb);

// The level view's legend: the three classes and the sensitivity line.
std::vector<LegendEntry> LevelLegendEntries();

inline const char* const LevelAxisTitle = "Level (dBm)";
// Levels come with products that reach a receiver, calculated with levels on.
inline const char* const NoLevelsNote =
    "No levels: calculate with Levels and margins on and receivers as victims";

// The level view of the spectrum on a frame drawn by DrawFrame: a dBm scale over the plot area,
// each product as a bar up to its level at its worst victim in the colour of its class (the
// worst drawn last, so they stay on top), and each ticked receiver's sensitivity as a line over
// its receive band.
void DrawLevels(ICanvas& canvas, const GraphLayout& layout, const GraphInputs& inputs);

} // namespace spurline
