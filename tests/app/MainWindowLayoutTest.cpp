#include "app/MainWindowLayout.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

// The design sizes in twips: 375-twip buttons, the label "Intermodulation products" 255 high,
// and the label "Frequencies" placed so that the list starts at 500.
MainWindowControls Design() {
    MainWindowControls c;
    for (ControlRect* button : {&c.cmdCalculate, &c.cmdPrint, &c.cmdClear, &c.cmdDelete, &c.cmdAdd,
                                &c.cmdQuit, &c.cmdHelp}) {
        button->width = 1215;
        button->height = 375;
    }
    c.lblFrequencies = {500, 145, 1000, 255};
    c.lblIntermods = {500, 3000, 2000, 255};
    c.pcdone = {40, 60, 600, 255};
    c.statusline = {0, 0, 3000, 255};
    return c;
}

constexpr TabClientInsets Tabs{30, 330, 60, 30, 50};

TEST(MainWindowLayoutTest, ListTakesOneThirdAndTabStripTwoThirdsAtTwoSizes) {
    const MainWindowControls c = PlaceMainWindow(Design(), 9000, 6000, 100, Tabs);
    // Bottom row at H - m - 375; A = 5525 - 500 - 255 - 300 = 4470, list A / 3, tab strip 2A / 3.
    EXPECT_EQ(c.cmdCalculate, (ControlRect{100, 5525, 1215, 375}));
    EXPECT_EQ(c.cmdPrint, (ControlRect{1415, 5525, 1215, 375}));
    EXPECT_EQ(c.lblFrequencies.left, 100);
    EXPECT_EQ(c.lvFreqs, (ControlRect{100, 500, 8800, 1490}));
    EXPECT_EQ(c.lblIntermods.top, 500 + 1490 + 100);
    EXPECT_EQ(c.tbsIntermods, (ControlRect{100, 500 + 1490 + 255 + 200, 8800, 2980}));
    // The right-hand buttons from W - m leftwards, m apart.
    EXPECT_EQ(c.cmdClear, (ControlRect{7685, 45, 1215, 375}));
    EXPECT_EQ(c.cmdDelete.left, 7685 - 1215 - 100);
    EXPECT_EQ(c.cmdAdd.left, c.cmdDelete.left - 1215 - 100);
    EXPECT_EQ(c.cmdQuit, (ControlRect{7685, 5525, 1215, 375}));
    EXPECT_EQ(c.cmdHelp.left, 7685 - 1215 - 100);
    EXPECT_EQ(c.progressbarouter, (ControlRect{2730, 5525, c.cmdHelp.left - 2730 - 100, 375}));
    EXPECT_EQ(c.pcdone, (ControlRect{(c.progressbarouter.width - 600) / 2, 60, 600, 255}));
    EXPECT_EQ(c.statusline, (ControlRect{2730, 5525 + 60, c.progressbarouter.width, 255}));
    for (const ControlRect& page : c.pages) {
        EXPECT_EQ(page, (ControlRect{30, 330, 8800 - 90, 2980 - 360 - 50}));
    }

    // Wider and taller: the right-hand buttons move, the list and tab strip grow, the left-hand
    // controls stay; the proportions hold (A = 8525 - 500 - 255 - 300 = 7470).
    const MainWindowControls d = PlaceMainWindow(c, 12000, 9000, 100, Tabs);
    EXPECT_EQ(d.cmdCalculate, (ControlRect{100, 8525, 1215, 375}));
    EXPECT_EQ(d.lblFrequencies.left, 100);
    EXPECT_EQ(d.cmdClear.left, 12000 - 100 - 1215);
    EXPECT_EQ(d.lvFreqs, (ControlRect{100, 500, 11800, 2490}));
    EXPECT_EQ(d.tbsIntermods.height, 4980);
}

TEST(MainWindowLayoutTest, ImpossiblePlacementsAreSkipped) {
    const MainWindowControls before = PlaceMainWindow(Design(), 9000, 6000, 100, Tabs);
    // Too low for the list: its height would be negative, so it keeps its last size; the
    // buttons still move.
    const MainWindowControls c = PlaceMainWindow(before, 3000, 900, 100, Tabs);
    EXPECT_EQ(c.cmdCalculate.top, 900 - 375 - 100);
    EXPECT_EQ(c.lvFreqs.height, before.lvFreqs.height);
    EXPECT_EQ(c.lvFreqs.width, before.lvFreqs.width);
    EXPECT_EQ(c.cmdQuit.left, 3000 - 100 - 1215);
    // Too narrow for the progress frame between "&Print" and "&Help".
    EXPECT_EQ(c.progressbarouter.width, before.progressbarouter.width);
}

} // namespace
} // namespace spurline
