#include "graph/GraphFontMetrics.h"

#include "graph/LiberationSansMetrics.h"

#include <algorithm>
#include <cmath>

namespace spurline::graphfont {

namespace {

using namespace liberationsans;

// A character outside the table takes a digit's width: the picture falls back to another face
// for it, whose width the table cannot know.
constexpr int FallbackAdvance = 1139;
constexpr char32_t SoftHyphen = 0xAD;

// Font units at a pixel size, in 1/64 pixel, cut towards zero (FreeType's 16.16 linear advance
// taken to 26.6).
long Cut64(long units, int pixelSize) {
    return units * pixelSize * 64 / UnitsPerEm;
}

// Rounded to the nearest 1/64 pixel, as a shaper scales a kern value.
long Round64(long units, int pixelSize) {
    return std::lround(static_cast<double>(units) * pixelSize * 64 / UnitsPerEm);
}

// The next code point of UTF-8 text; a malformed byte stands for itself.
char32_t Next(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = more == 3   ? lead & 0x07
                    : more == 2 ? lead & 0x0F
                    : more == 1 ? lead & 0x1F
                                : lead;
    for (; more > 0 && at < text.size(); --more) {
        const auto next = static_cast<unsigned char>(text[at]);
        if ((next & 0xC0) != 0x80) {
            break;
        }
        code = (code << 6) | (next & 0x3F);
        ++at;
    }
    return code;
}

int Advance(char32_t c) {
    return c >= 0x20 && c < 0x20 + Advances.size() ? Advances[c - 0x20] : FallbackAdvance;
}

int Kern(char32_t first, char32_t second) {
    const auto found =
        std::lower_bound(Kerning.begin(), Kerning.end(), KernPair{first, second, 0},
                         [](const auto& a, const auto& b) {
                             return a.first != b.first ? a.first < b.first : a.second < b.second;
                         });
    return found != Kerning.end() && found->first == first && found->second == second
               ? found->adjust
               : 0;
}

} // namespace

int PixelSize(double points, double dpi) {
    return std::max(1, static_cast<int>(std::lround(points * dpi / 72)));
}

double TextWidth(std::string_view text, int pixelSize) {
    long width = 0;
    char32_t previous = 0;
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = Next(text, at);
        if (c == SoftHyphen) {
            continue; // shown only where a line breaks, which labels never do
        }
        width += Cut64(Advance(c), pixelSize) + Round64(Kern(previous, c), pixelSize);
        previous = c;
    }
    return width / 64.0;
}

double Ascent(int pixelSize) {
    return static_cast<double>(Cut64(Ascender, pixelSize)) / 64;
}

double Descent(int pixelSize) {
    return static_cast<double>(Cut64(Descender, pixelSize)) / 64;
}

double Height(int pixelSize) {
    return Ascent(pixelSize) + Descent(pixelSize);
}

} // namespace spurline::graphfont
