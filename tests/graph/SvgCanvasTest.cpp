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

} // namespace
} // namespace spurline
