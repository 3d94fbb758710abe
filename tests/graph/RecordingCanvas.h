#pragma once

#include "graph/Canvas.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace spurline::testing {

// A canvas that keeps every primitive it is given, in graph units, instead of pixels. Its fonts
// are fixed-pitch: each character is charWidth pixels wide and every text lineHeight pixels high
// at 10 points, scaling with the size.
class RecordingCanvas final : public ICanvas {
public:
    enum class Kind { Clear, Line, Box, FilledBox, Text, RotatedText, Show };

    struct Op {
        Kind kind = Kind::Clear;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Colour colour = 0; // line, outline, box or text colour
        FillStyle fill = FillStyle::None;
        Colour fillColour = 0;
        std::string text;
        FontSpec font; // the font of a text
        int angle = 0;
    };

    static Op Make(Kind kind, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0,
                   Colour colour = 0, FillStyle fill = FillStyle::None, Colour fillColour = 0,
                   std::string_view text = {}, FontSpec font = {}, int angle = 0) {
        return {kind, x1, y1, x2, y2, colour, fill, fillColour, std::string(text), font, angle};
    }

    RecordingCanvas(int widthPixels, int heightPixels, double charWidth = 7, double lineHeight = 16)
        : widthPixels_(widthPixels), heightPixels_(heightPixels), charWidth_(charWidth),
          lineHeight_(lineHeight) {}

    bool SetScale(double left, double top, double right, double bottom) override {
        if (!(right != left) || !(top != bottom) || !std::isfinite(right - left) ||
            !std::isfinite(top - bottom)) {
            return false;
        }
        left_ = left, top_ = top, right_ = right, bottom_ = bottom;
        return true;
    }
    void Clear() override {
        ops.clear();
        ops.push_back(Make(Kind::Clear));
    }
    double PixelWidth() const override { return std::fabs(right_ - left_) / widthPixels_; }
    double PixelHeight() const override { return std::fabs(top_ - bottom_) / heightPixels_; }

    void SetFont(const FontSpec& font) override { font_ = font; }
    const FontSpec& font() const override { return font_; }
    double TextWidth(std::string_view text) const override {
        return static_cast<double>(text.size()) * charWidth_ * font_.size / 10 * PixelWidth();
    }
    double TextHeight(std::string_view) const override {
        return lineHeight_ * font_.size / 10 * PixelHeight();
    }

    void Line(double x1, double y1, double x2, double y2, Colour colour) override {
        ops.push_back(Make(Kind::Line, x1, y1, x2, y2, colour));
    }
    void Box(double x1, double y1, double x2, double y2, Colour outline, FillStyle fill,
             Colour fillColour) override {
        ops.push_back(Make(Kind::Box, x1, y1, x2, y2, outline, fill, fillColour));
    }
    void FilledBox(double x1, double y1, double x2, double y2, Colour colour) override {
        ops.push_back(Make(Kind::FilledBox, x1, y1, x2, y2, colour, FillStyle::Solid, colour));
    }
    void Text(double x, double y, std::string_view text, Colour colour) override {
        ops.push_back(Make(Kind::Text, x, y, x + TextWidth(text), y - TextHeight(text), colour,
                           FillStyle::None, 0, text, font_));
    }
    void RotatedText(double x, double y, std::string_view text, const FontSpec& font, int angle,
                     Colour colour) override {
        ops.push_back({Kind::RotatedText, x, y, x, y, colour, FillStyle::None, 0, std::string(text),
                       font, angle});
    }
    void Show() override { ops.push_back(Make(Kind::Show)); }

    std::vector<Op> Of(Kind kind) const {
        std::vector<Op> found;
        for (const auto& op : ops) {
            if (op.kind == kind) {
                found.push_back(op);
            }
        }
        return found;
    }
    const Op* FindText(std::string_view text) const {
        for (const auto& op : ops) {
            if ((op.kind == Kind::Text || op.kind == Kind::RotatedText) && op.text == text) {
                return &op;
            }
        }
        return nullptr;
    }

    std::vector<Op> ops;

private:
    int widthPixels_;
    int heightPixels_;
    double charWidth_;
    double lineHeight_;
    double left_ = 0, top_ = 1, right_ = 1, bottom_ = 0;
    FontSpec font_;
};

} // namespace spurline::testing
