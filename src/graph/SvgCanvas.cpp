#include "graph/SvgCanvas.h"

#include "graph/GraphFontMetrics.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace spurline {

namespace {

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
    pending_ = {};
    body_ = "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
}

double SvgCanvas::PixelWidth() const {
    return std::abs(right_ - left_) / width_;
}
double SvgCanvas::PixelHeight() const {
    return std::abs(bottom_ - top_) / height_;
}

int SvgCanvas::PixelSize(const FontSpec& font) const {
    return graphfont::PixelSize(font.size);
}

double SvgCanvas::TextWidth(std::string_view text) const {
    return graphfont::TextWidth(text, PixelSize(font_)) * PixelWidth();
}

double SvgCanvas::TextHeight(std::string_view) const {
    return graphfont::Height(PixelSize(font_)) * PixelHeight();
}

PixelBox SvgCanvas::Snap(double x1, double y1, double x2, double y2) const {
    return SnapToPixels(X(x1), Y(y1), X(x2), Y(y2), width_, height_);
}

void SvgCanvas::Rect(const PixelBox& box, const std::string& style) {
    body_ += "<rect x=\"" + std::to_string(box.left) + "\" y=\"" + std::to_string(box.top) +
             "\" width=\"" + std::to_string(box.width()) + "\" height=\"" +
             std::to_string(box.height()) + "\" " + style + "/>\n";
}

void SvgCanvas::Line(double x1, double y1, double x2, double y2, Colour colour) {
    Flush();
    const PixelBox span = Snap(x1, y1, x2, y2);
    if (x1 == x2 || y1 == y2) {
        // One pixel wide (or high), on the pixels the window's line covers.
        PixelBox line = span;
        if (x1 == x2) {
            line.right = line.left + 1;
        } else {
            line.bottom = line.top + 1;
        }
        Rect(line, "fill=\"" + Hex(colour) + "\"");
        return;
    }
    body_ += "<line x1=\"" + Num(X(x1)) + "\" y1=\"" + Num(Y(y1)) + "\" x2=\"" + Num(X(x2)) +
             "\" y2=\"" + Num(Y(y2)) + "\" stroke=\"" + Hex(colour) + "\"/>\n";
}

void SvgCanvas::Box(double x1, double y1, double x2, double y2, Colour outline, FillStyle fill,
                    Colour fillColour) {
    Flush();
    const PixelBox box = Snap(x1, y1, x2, y2);
    if (fill == FillStyle::Solid) {
        Rect(box, "fill=\"" + Hex(fillColour) + "\"");
    } else if (fill == FillStyle::DiagonalCross) {
        // One pattern per colour, defined where first used: the window's 8 x 8 pixel hatch, its
        // two diagonals through the picture's origin.
        const std::string id = "hatch" + Hex(fillColour).substr(1);
        if (body_.find("id=\"" + id + "\"") == std::string::npos) {
            std::string dots;
            for (int i = 0; i < 8; ++i) {
                dots += "M" + std::to_string(i) + "," + std::to_string(i) + "h1v1h-1z";
                dots += "M" + std::to_string(7 - i) + "," + std::to_string(i) + "h1v1h-1z";
            }
            body_ += "<pattern id=\"" + id +
                     "\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\"><path d=\"" +
                     dots + "\" fill=\"" + Hex(fillColour) + "\"/></pattern>\n";
        }
        Rect(box, "fill=\"url(#" + id + ")\"");
    }
    // The outline on the box's outermost pixels; a box two pixels wide or high is all outline.
    if (box.width() <= 2 || box.height() <= 2) {
        Rect(box, "fill=\"" + Hex(outline) + "\"");
        return;
    }
    body_ += "<rect x=\"" + Num(box.left + 0.5) + "\" y=\"" + Num(box.top + 0.5) + "\" width=\"" +
             Num(box.width() - 1) + "\" height=\"" + Num(box.height() - 1) +
             "\" fill=\"none\" stroke=\"" + Hex(outline) + "\"/>\n";
}

void SvgCanvas::FilledBox(double x1, double y1, double x2, double y2, Colour colour) {
    const PixelBox box = Snap(x1, y1, x2, y2);
    if (!pending_.active || pending_.colour != colour || pending_.rows.top != box.top ||
        pending_.rows.bottom != box.bottom) {
        Flush();
        pending_.active = true;
        pending_.colour = colour;
        pending_.rows = box;
        pending_.covered.assign(static_cast<std::size_t>(width_), false);
    }
    for (int x = std::max(box.left, 0); x < std::min(box.right, width_); ++x) {
        pending_.covered[static_cast<std::size_t>(x)] = true;
    }
}

std::string SvgCanvas::PendingRuns() const {
    std::string runs;
    if (!pending_.active) {
        return runs;
    }
    const auto& covered = pending_.covered;
    for (int x = 0; x < width_;) {
        if (!covered[static_cast<std::size_t>(x)]) {
            ++x;
            continue;
        }
        const int start = x;
        while (x < width_ && covered[static_cast<std::size_t>(x)]) {
            ++x;
        }
        runs += "<rect x=\"" + std::to_string(start) + "\" y=\"" +
                std::to_string(pending_.rows.top) + "\" width=\"" + std::to_string(x - start) +
                "\" height=\"" + std::to_string(pending_.rows.height()) + "\" fill=\"" +
                Hex(pending_.colour) + "\"/>\n";
    }
    return runs;
}

void SvgCanvas::Flush() {
    body_ += PendingRuns();
    pending_ = {};
}

void SvgCanvas::TextElement(double x, double y, std::string_view text, const FontSpec& font,
                            const std::string& transform, Colour colour) {
    Flush();
    // On its baseline, one ascent below the top: renderers disagree on any other alignment.
    const int pixels = PixelSize(font);
    body_ += "<text x=\"" + Num(X(x)) + "\" y=\"" + Num(Y(y) + graphfont::Ascent(pixels)) +
             "\" font-family=\"" + XmlText(font.name) +
             ", Liberation Sans, sans-serif\" font-size=\"" + std::to_string(pixels) + "\"" +
             (font.weight >= 600 ? " font-weight=\"bold\"" : "") +
             (font.italic ? " font-style=\"italic\"" : "") + transform + " fill=\"" + Hex(colour) +
             "\" xml:space=\"preserve\">" + XmlText(text) + "</text>\n";
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
           PendingRuns() + "</svg>\n";
}

} // namespace spurline
