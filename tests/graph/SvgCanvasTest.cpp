#include "graph/SvgCanvas.h"

#include "support/CLocale.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

// Coordinates of a line and a turned text, in pixels: a decimal comma would make them two
// numbers each, or none, to every program that reads the picture.
std::string Drawn() {
    SvgCanvas canvas(300, 200);
    canvas.SetScale(0, 0, 1, 1);
    canvas.Line(-0.59683, 0.25, 0.5, 0.33335, 0x0000FF);
    canvas.RotatedText(0.5, 0.5, "MHz", FontSpec{}, 900, 0);
    return canvas.Document();
}

void ExpectPlainDecimals(const std::string& svg) {
    EXPECT_NE(svg.find("<line x1=\"-179.05\" y1=\"50.00\" x2=\"150.00\" y2=\"66.67\" "
                       "stroke=\"#ff0000\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find(" transform=\"rotate(-90.00 150.00 100.00)\""), std::string::npos) << svg;
}

TEST(SvgCanvas, WritesPlainDecimalsInTheCLocaleInForce) {
    ExpectPlainDecimals(Drawn());
}

TEST(SvgCanvas, WritesPlainDecimalsUnderAGermanCLocale) {
    testing::ScopedCLocale german("de_DE.UTF-8");
    SPURLINE_REQUIRE_C_LOCALE(german, "de_DE.UTF-8");
    ExpectPlainDecimals(Drawn());
}

// The window draws Arial with Liberation Sans at whole pixel sizes (10 points at 96 dpi: 13
// pixels), kerned: these are Qt's widths, pixels.
TEST(SvgCanvas, MeasuresTextAsTheWindowDoes) {
    struct Case {
        double points;
        const char* text;
        double width;
    };
    const Case cases[] = {{10, "Telemetry receiver water utility", 174.625},
                          {11, "Telemetry receiver water utility", 201.4375},
                          {10, " Frequency (MHz)", 103.9375},
                          {10, "AV", 16.34375},
                          {11, "Te", 15.828125}};
    SvgCanvas canvas(1000, 100);
    canvas.SetScale(0, 0, 1000, 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        canvas.SetFont(FontSpec{"Arial", c.points});
        EXPECT_DOUBLE_EQ(canvas.TextWidth(c.text), c.width);
    }
    canvas.SetFont(FontSpec{"Arial", 10});
    EXPECT_DOUBLE_EQ(canvas.TextHeight("##"), 14.515625);
}

// Bars far narrower than a pixel fill whole pixels, without an outline, neighbours merged into
// one run of columns; a text stands on its baseline one ascent below its top.
TEST(SvgCanvas, DrawsBarsOnWholePixelsAndTextOnItsBaseline) {
    SvgCanvas canvas(100, 50);
    canvas.SetScale(0, 50, 100, 0);
    for (const double x : {10.30, 10.62, 13.20}) {
        canvas.FilledBox(x, 40, x + 0.02, 10, 0x0000FF);
    }
    canvas.Text(5, 30, "0", 0);
    const std::string svg = canvas.Document();
    EXPECT_NE(svg.find("<rect x=\"10\" y=\"10\" width=\"2\" height=\"30\" fill=\"#ff0000\"/>\n"
                       "<rect x=\"13\" y=\"10\" width=\"1\" height=\"30\" fill=\"#ff0000\"/>\n"
                       "<text x=\"5.00\" y=\"31.77\" "),
              std::string::npos)
        << svg;
    EXPECT_EQ(svg.find("stroke"), std::string::npos) << svg;
    EXPECT_EQ(svg.find("dominant-baseline"), std::string::npos) << svg;
}

// Receivers hatched in one colour share one pattern, defined before its first use.
TEST(SvgCanvas, EachHatchPatternIsDefinedOnce) {
    SvgCanvas canvas(100, 50);
    canvas.SetScale(0, 50, 100, 0);
    for (const double x : {10.0, 40.0, 70.0}) {
        canvas.Box(x, 40, x + 20, 10, 0x000000, FillStyle::DiagonalCross, 0x000000);
    }
    canvas.Box(5, 45, 95, 5, 0x000000, FillStyle::DiagonalCross, 0x0000FF);
    const std::string svg = canvas.Document();
    std::size_t patterns = 0;
    for (std::size_t at = svg.find("<pattern id="); at != std::string::npos;
         at = svg.find("<pattern id=", at + 1)) {
        ++patterns;
    }
    EXPECT_EQ(patterns, 2u) << svg;
    const std::size_t use = svg.find("url(#");
    ASSERT_NE(use, std::string::npos);
    EXPECT_LT(svg.find("<pattern id=\"" + svg.substr(use + 5, svg.find(')', use) - use - 5)), use);
}

} // namespace
} // namespace spurline
