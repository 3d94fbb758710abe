#include "graph/LiberationSansMetrics.h"
#include "graph/SvgCanvas.h"
#include "platform/QtCanvas.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

// The SVG picture lays its labels out with the font table; the window measures with Qt. Both in
// pixels (one graph unit to a pixel), the graph's font and the remark labels' size.
TEST(GraphFontMetrics, TableMeasuresAsQtDoes) {
    const char* const texts[] = {"##",
                                 " Frequency (MHz)",
                                 "  Receiver ",
                                 "  2nd Order ",
                                 " 10000 ",
                                 "Telemetry receiver water utility",
                                 "County council emergency planning",
                                 "AVATAR Tower WAVE ff fi",
                                 "Caf\xC3\xA9 \xC2\xB1 5 \xC2\xB0",
                                 "Trans\xC2\xADmitter A\xC2\xADV"};
    QtCanvas screen;
    screen.Resize(QSize(2000, 100), 1, 96);
    SvgCanvas svg(2000, 100);
    for (ICanvas* canvas : {static_cast<ICanvas*>(&screen), static_cast<ICanvas*>(&svg)}) {
        ASSERT_TRUE(canvas->SetScale(0, 0, 2000, 100));
    }
    for (const double points : {10.0, 11.0}) {
        const FontSpec font{"Arial", points};
        screen.SetFont(font);
        svg.SetFont(font);
        EXPECT_NEAR(svg.TextHeight("Ag"), screen.TextHeight("Ag"), 0.5) << points;
        for (const char* text : texts) {
            SCOPED_TRACE(std::string(text) + " at " + std::to_string(points));
            EXPECT_NEAR(svg.TextWidth(text), screen.TextWidth(text), 1.0);
        }
    }
}

std::string Utf8(char32_t c) {
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

// At one pixel per font unit every advance and kern pair of the table shows whole; each must be
// the width Qt draws, or the SVG's labels drift from the window's.
TEST(GraphFontMetrics, EveryAdvanceAndKernPairIsTheFontsOwn) {
    const double points = liberationsans::UnitsPerEm * 72.0 / 96.0;
    QtCanvas screen;
    screen.Resize(QSize(100, 100), 1, 96);
    SvgCanvas svg(100, 100);
    for (ICanvas* canvas : {static_cast<ICanvas*>(&screen), static_cast<ICanvas*>(&svg)}) {
        ASSERT_TRUE(canvas->SetScale(0, 0, 100, 100));
        canvas->SetFont({"Arial", points});
    }
    for (char32_t c = 0x20; c <= 0xFF; ++c) {
        if (c == 0x9C) {
            continue; // the one control character the font engine leaves out; no label holds it
        }
        const std::string text = Utf8(c);
        EXPECT_NEAR(svg.TextWidth(text), screen.TextWidth(text), 0.5) << std::hex << int(c);
    }
    for (const auto& pair : liberationsans::Kerning) {
        const std::string text = Utf8(pair.first) + Utf8(pair.second);
        EXPECT_NEAR(svg.TextWidth(text), screen.TextWidth(text), 0.5)
            << std::hex << int(pair.first) << " " << int(pair.second);
    }
}

} // namespace
} // namespace spurline
