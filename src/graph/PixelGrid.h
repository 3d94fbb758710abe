#pragma once

namespace spurline {

// A box on whole device pixels: columns left to right - 1, rows top to bottom - 1.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PixelBox&) const = default;
};

// The box between two corners given in device pixels (fractions allowed) on a picture of
// width x height pixels, its edges rounded to the nearest pixel edge and never thinner than one
// pixel, so a narrow band stays visible at any zoom. Far-off corners are cut to just beyond the
// picture so the result stays within int.
PixelBox SnapToPixels(double x1, double y1, double x2, double y2, int width, int height);

} // namespace spurline
