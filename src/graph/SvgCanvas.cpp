#include "graph/SvgCanvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace spurline {

namespace {

constexpr double PixelsPerPoint = 96.0 / 72.0;
constexpr double AverageGlyph = 0.6; // em
constexpr double LineSpacing = 1.2;  // em

std::string Hex(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

// Two decimals after a '.', whatever the C locale: "%.2f" would write "-179,05" under a
// German one, which no SVG reader takes.
std::string Num(double value) {
    char text[400]; // fixed notation of the largest double
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return std::string(text, written.ptr);
}

// Text content with the characters XML reserves escaped.
std::string XmlText(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

SvgCanvas::SvgCanvas(int width, int height) : width_(width), height_(height) {}

bool SvgCanvas::SetScale(double left, double top, double right, double bottom) {
    if (!(right != left) || !(bottom != top) || !std::isfinite(right - left) ||
        !std::isfinite(bottom - top)) {
        return false;
    }
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    return true;
}

void SvgCanvas::Clear() {
    body_ = "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
}

double SvgCanvas::PixelWidth() const {
    return std::abs(right_ - left_) / width_;
}
double SvgCanvas::PixelHeight() const {
    return std::abs(bottom_ - top_) / height_;
}

double SvgCanvas::TextWidth(std::string_view text) const {
    // UTF-8 continuation bytes take no room of their own.
    const auto glyphs = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return std::max(1.0, static_cast<double>(glyphs) * font_.size * PixelsPerPoint * AverageGlyph) *
           PixelWidth();
}

double SvgCanvas::TextHeight(std::string_view) const {
    return font_.size * PixelsPerPoint * LineSpacing * PixelHeight();
}

void SvgCanvas::Line(double x1, double y1, double x2, double y2, Colour colour) {
    body_ += "<line x1=\"" + Num(X(x1)) + "\" y1=\"" + Num(Y(y1)) + "\" x2=\"" + Num(X(x2)) +
             "\" y2=\"" + Num(Y(y2)) + "\" stroke=\"" + Hex(colour) + "\"/>\n";
}

void SvgCanvas::Rect(double x1, double y1, double x2, double y2, const std::string& style) {
    const double left = std::min(X(x1), X(x2));
    const double top = std::min(Y(y1), Y(y2));
    body_ += "<rect x=\"" + Num(left) + "\" y=\"" + Num(top) + "\" width=\"" +
             Num(std::abs(X(x2) - X(x1))) + "\" height=\"" + Num(std::abs(Y(y2) - Y(y1))) + "\" " +
             style + "/>\n";
}

void SvgCanvas::Box(double x1, double y1, double x2, double y2, Colour outline, FillStyle fill,
                    Colour fillColour) {
    std::string style = "stroke=\"" + Hex(outline) + "\" fill=";
    if (fill == FillStyle::Solid) {
        style += "\"" + Hex(fillColour) + "\"";
    } else if (fill == FillStyle::DiagonalCross) {
        // One pattern per colour, defined where first used.
        const std::string id = "hatch" + Hex(fillColour).substr(1);
        if (body_.find("id=\"" + id + "\"") == std::string::npos) {
            body_ += "<pattern id=\"" + id +
                     "\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
                     "<path d=\"M0,0 L8,8 M8,0 L0,8\" stroke=\"" +
                     Hex(fillColour) + "\"/></pattern>\n";
        }
        style += "\"url(#" + id + ")\"";
    } else {
        style += "\"none\"";
    }
    Rect(x1, y1, x2, y2, style);
}

void SvgCanvas::FilledBox(double x1, double y1, double x2, double y2, Colour colour) {
    Rect(x1, y1, x2, y2, "fill=\"" + Hex(colour) + "\"");
}

void SvgCanvas::TextElement(double x, double y, std::string_view text, const FontSpec& font,
                            const std::string& transform, Colour colour) {
    body_ += "<text x=\"" + Num(X(x)) + "\" y=\"" + Num(Y(y)) +
             "\" dominant-baseline=\"hanging\" font-family=\"" + XmlText(font.name) +
             ", sans-serif\" font-size=\"" + Num(font.size * PixelsPerPoint) + "\"" +
             (font.weight >= 600 ? " font-weight=\"bold\"" : "") +
             (font.italic ? " font-style=\"italic\"" : "") + transform + " fill=\"" + Hex(colour) +
             "\">" + XmlText(text) + "</text>\n";
}

void SvgCanvas::Text(double x, double y, std::string_view text, Colour colour) {
    TextElement(x, y, text, font_, "", colour);
}

void SvgCanvas::RotatedText(double x, double y, std::string_view text, const FontSpec& font,
                            int angle, Colour colour) {
    TextElement(x, y, text, font,
                " transform=\"rotate(" + Num(-angle / 10.0) + " " + Num(X(x)) + " " + Num(Y(y)) +
                    ")\"",
                colour);
}

std::string SvgCanvas::Document() const {
    const std::string w = std::to_string(width_);
    const std::string h = std::to_string(height_);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n" + body_ +
           "</svg>\n";
}

} // namespace spurline
