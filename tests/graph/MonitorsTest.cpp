#include "graph/Monitors.h"

#include "graph/Splash.h"
#include "support/FakeMonitors.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace spurline {
namespace {

class MonitorsTest : public ::testing::Test {
protected:
    testing::FakeMonitorSource source;
};

TEST_F(MonitorsTest, MonitorForWindowTakesTheLargerShareAndNothingOffScreen) {
    const cMonitors monitors(source);
    struct Case {
        ScreenRect window;
        const char* expected; // nullptr: on no monitor
    };
    const Case cases[] = {
        {{100, 100, 800, 600}, "DP-1"},
        {{1500, 100, 800, 600}, "DP-1"}, // 420 pixels wide on the first, 380 on the second
        {{1800, 100, 800, 600}, "HDMI-1"},
        {{1520, 100, 800, 600}, "DP-1"}, // a tie goes to the first listed
        {{-900, 100, 800, 600}, nullptr},
        {{1920, 1030, 200, 100}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window.left);
        const std::optional<cMonitor> found = monitors.MonitorForWindow(c.window);
        if (c.expected == nullptr) {
            EXPECT_FALSE(found);
        } else {
            ASSERT_TRUE(found);
            EXPECT_EQ(found->Name, c.expected);
        }
    }
    EXPECT_EQ(monitors.MonitorForPoint(1919, 0)->Name, "DP-1");
    EXPECT_EQ(monitors.MonitorForPoint(1920, 1023)->Name, "HDMI-1");
    EXPECT_FALSE(monitors.MonitorForPoint(1920, 1024));
}

TEST_F(MonitorsTest, VirtualScreenCoversEveryMonitor) {
    cMonitors monitors(source);
    EXPECT_EQ(monitors.MonitorCount(), 2);
    EXPECT_EQ(monitors.Monitor(2).Name, "HDMI-1");
    EXPECT_TRUE(monitors.Monitor(1).IsPrimary);
    EXPECT_THROW(monitors.Monitor(0), std::out_of_range);
    EXPECT_THROW(monitors.Monitor(3), std::out_of_range);
    EXPECT_EQ(monitors.VirtualScreenLeft(), 0);
    EXPECT_EQ(monitors.VirtualScreenWidth(), 3200);
    EXPECT_EQ(monitors.VirtualScreenHeight(), 1080);

    // A screen left of and above the primary one.
    source.monitors.push_back(
        cMonitor("VGA-1", false, {-1024, -200, 1024, 768}, {-1024, -200, 1024, 768}));
    monitors.Refresh();
    EXPECT_EQ(monitors.MonitorCount(), 3);
    EXPECT_EQ(monitors.VirtualScreenLeft(), -1024);
    EXPECT_EQ(monitors.VirtualScreenTop(), -200);
    EXPECT_EQ(monitors.VirtualScreenWidth(), 4224);
    EXPECT_EQ(monitors.VirtualScreenHeight(), 1280);
}

TEST_F(MonitorsTest, CentringUsesTheWorkingAreaRoundingDown) {
    const cMonitor& second = source.monitors[1];
    struct Case {
        int width, height;
        int left, top;
    };
    const Case cases[] = {
        {441, 301, 1920 + 419, 30 + 346}, // halves rounded down
        {2000, 1200, 1920, 30},           // larger than the area: its top left corner
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        const ScreenRect placed = CentreInWorkArea(second, c.width, c.height);
        EXPECT_EQ(placed.left, c.left);
        EXPECT_EQ(placed.top, c.top);
        EXPECT_EQ(placed.width, c.width);
    }
    // A box near the bottom right edge comes back inside; one inside stays.
    EXPECT_EQ(KeepInWorkArea({1800, 1000, 300, 100}, source.monitors[0]).left, 1620);
    EXPECT_EQ(KeepInWorkArea({1800, 1000, 300, 100}, source.monitors[0]).top, 940);
    EXPECT_EQ(KeepInWorkArea({-50, 100, 300, 100}, source.monitors[0]).left, 0);
}

TEST(Splash, VersionLabelAndHueBand) {
    EXPECT_EQ(SplashVersionLabel(3, 5, 312), "Version 3.5 Build 312");
    EXPECT_EQ(SplashVersionLabel(0, 12, 0), "Version 0.12");
    EXPECT_EQ(SplashVersionLabel(1, 0, 1), "Version 1.0 Build 1");

    struct Case {
        int hue;
        std::uint32_t colour; // red in the low byte
    };
    const Case colours[] = {{0, 0x0000FF},   {30, 0x0080FF},  {60, 0x00FFFF},  {120, 0x00FF00},
                            {180, 0xFFFF00}, {240, 0xFF0000}, {300, 0xFF00FF}, {359, 0x0400FF}};
    for (const Case& c : colours) {
        SCOPED_TRACE(c.hue);
        EXPECT_EQ(HueColour(c.hue), c.colour);
    }
    // Width 720: column x has hue x / 2 rounded half to even; 361 -> 180.5 -> 180, 363 -> 182.
    const std::vector<std::uint32_t> band = HueBandColumns(720, 0);
    ASSERT_EQ(band.size(), 720u);
    EXPECT_EQ(band[360], HueColour(180));
    EXPECT_EQ(band[362], HueColour(182));
    EXPECT_EQ(band[0], HueColour(0));   // column 1: hue 0.5 goes to 0
    EXPECT_EQ(band[719], HueColour(0)); // a full turn
    EXPECT_EQ(HueBandColumns(720, 100)[719], HueColour(100));
    EXPECT_EQ(NextAnimationPhase(359), 360);
    EXPECT_EQ(NextAnimationPhase(360), 0);
}

} // namespace
} // namespace spurline
