#pragma once

#include "graph/Canvas.h"
#include "graph/PixelGrid.h"

#include <string>
#include <vector>

namespace spurline {

// The graph's canvas as an SVG picture of a fixed size in pixels at 96 dpi, standard C++ only,
// drawn as the window's picture is: texts measured with the metrics of the face the window draws
// Arial with, placed on baselines; boxes and lines on whole pixels, never thinner than one; solid
// bars of one colour over the same rows merged into runs of columns.
class SvgCanvas final : public ICanvas {
public:
    SvgCanvas(int width, int height);

    bool SetScale(double left, double top, double right, double bottom) override;
    void Clear() override;
    double PixelWidth() const override;
    double PixelHeight() const override;
    void SetFont(const FontSpec& font) override { font_ = font; }
    const FontSpec& font() const override { return font_; }
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void Line(double x1, double y1, double x2, double y2, Colour colour) override;
    void Box(double x1, double y1, double x2, double y2, Colour outline, FillStyle fill,
             Colour fillColour) override;
    void FilledBox(double x1, double y1, double x2, double y2, Colour colour) override;
    void Text(double x, double y, std::string_view text, Colour colour) override;
    void RotatedText(double x, double y, std::string_view text, const FontSpec& font, int angle,
                     Colour colour) override;

    // The whole document.
    std::string Document() const;

private:
    double X(double x) const { return (x - left_) / (right_ - left_) * width_; }
    double Y(double y) const { return (y - top_) / (bottom_ - top_) * height_; }
    PixelBox Snap(double x1, double y1, double x2, double y2) const;
    void Rect(const PixelBox& box, const std::string& style);
    void Flush();
    std::string PendingRuns() const;
    int PixelSize(const FontSpec& font) const;
    void TextElement(double x, double y, std::string_view text, const FontSpec& font,
                     const std::string& transform, Colour colour);

    int width_;
    int height_;
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    FontSpec font_;
    std::string body_;
    // Solid boxes of one colour over the same rows, waiting to be written as runs of columns.
    struct PendingFill {
        bool active = false;
        Colour colour = 0;
        PixelBox rows;
        std::vector<bool> covered;
    } pending_;
};

} // namespace spurline
