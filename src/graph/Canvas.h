#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace spurline {

// Colours are 32-bit values with red in the low byte, then green, then blue.
using Colour = std::uint32_t;

enum class FillStyle { None, Solid, DiagonalCross };

// A font request: face name, size in points, weight (400 normal, 700 bold) and the three styles.
struct FontSpec {
    std::string name = "Arial";
    double size = 10;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontSpec&) const = default;
};

// The drawing surface of the spectrum graph as the drawing code sees it: everything in user units
// set by SetScale, with y growing upwards when top is above bottom. A text is placed by its
// top-left corner. The window's picture and the test recorder both implement it.
class ICanvas {
public:
    virtual ~ICanvas() = default;

    // Maps the picture's left, top, right and bottom edges to these user values. A surface
    // refuses a scale with no extent in either direction (returns false, keeping the old one).
    virtual bool SetScale(double left, double top, double right, double bottom) = 0;
    // Fills the whole picture with its background colour.
    virtual void Clear() = 0;
    // Width and height of one device pixel in user units (positive).
    virtual double PixelWidth() const = 0;
    virtual double PixelHeight() const = 0;

    virtual void SetFont(const FontSpec& font) = 0;
    virtual const FontSpec& font() const = 0;
    // Size of a text in the current font, in user units (positive).
    virtual double TextWidth(std::string_view text) const = 0;
    virtual double TextHeight(std::string_view text) const = 0;

    // One-pixel line.
    virtual void Line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    // Box between two corners with a one-pixel outline and a fill in fillColour; a
    // diagonal cross-hatch leaves what lies below showing between its lines.
    virtual void Box(double x1, double y1, double x2, double y2, Colour outline, FillStyle fill,
                     Colour fillColour) = 0;
    // Box between two corners filled in one colour, without a separate outline.
    virtual void FilledBox(double x1, double y1, double x2, double y2, Colour colour) = 0;
    // Text in the current font with its top-left corner at (x, y).
    virtual void Text(double x, double y, std::string_view text, Colour colour) = 0;
    // Text in its own font turned by angle (tenths of a degree, counter-clockwise; 900 reads
    // upwards) about its reference corner at (x, y), the text's unturned top-left corner.
    virtual void RotatedText(double x, double y, std::string_view text, const FontSpec& font,
                             int angle, Colour colour) = 0;

    // The frame is complete: a surface on screen may show what is drawn so far.
    virtual void Show() {}
};

} // namespace spurline
