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
                                 "Caf\xC3\xA9 \xC2\xB1 5 \xC2\xB0"};
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

} // namespace
} // namespace spurline
