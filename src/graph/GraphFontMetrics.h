#pragma once

#include <string_view>

namespace spurline {

// Text metrics of the graph's font without a font engine: Arial is drawn with Liberation Sans,
// its metric twin, whose widths are kept as a table. The results follow Qt's text layout to the
// 1/64 pixel: the pixel size rounded to whole pixels, each advance cut to 1/64 pixel, the kern
// pairs applied and rounded to 1/64 pixel.
namespace graphfont {

// Pixel size of a font of the given points at dpi dots per inch, in whole pixels.
int PixelSize(double points, double dpi = 96);

// Width (pixels) of a UTF-8 text at a pixel size.
double TextWidth(std::string_view text, int pixelSize);
// Above and below the baseline, and the whole line, pixels.
double Ascent(int pixelSize);
double Descent(int pixelSize);
double Height(int pixelSize);

} // namespace graphfont
} // namespace spurline
