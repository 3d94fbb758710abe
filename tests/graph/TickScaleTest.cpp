#include "graph/TickScale.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(TickScale, StepTableBoundsBelongToTheRowBelow) {
    EXPECT_EQ(TickStep(100000.5), 250000);
    EXPECT_EQ(TickStep(100000), 100000);
    EXPECT_EQ(TickStep(50000), 50000);
    EXPECT_EQ(TickStep(30000), 25000);
    EXPECT_EQ(TickStep(10000), 10000);
    EXPECT_EQ(TickStep(5000), 5000);
    EXPECT_EQ(TickStep(3000), 2500);
    EXPECT_EQ(TickStep(1000), 1000);
    EXPECT_EQ(TickStep(500), 500);
    EXPECT_EQ(TickStep(300), 250);
    EXPECT_EQ(TickStep(100), 100);
    EXPECT_EQ(TickStep(50), 25);
    EXPECT_EQ(TickStep(3.5), 25);
    EXPECT_EQ(TickStep(3), 10);
    EXPECT_EQ(TickStep(1.01), 10);
    EXPECT_EQ(TickStep(1), 2);
    EXPECT_EQ(TickStep(0.12), 2);
    // Views the navigation never sets still get a step.
    EXPECT_EQ(TickStep(0), 2);
    EXPECT_EQ(TickStep(-100000), 2);
}

TEST(TickScale, AxisStartsAndEndsOneTickOutsideTheView) {
    const AxisRange full = AxisFor(0, 100000);
    EXPECT_EQ(full.step, 100000);
    EXPECT_EQ(full.first, -100000);
    EXPECT_EQ(full.last, 1100000);
    EXPECT_DOUBLE_EQ(full.lowMHz(), -10000);
    EXPECT_DOUBLE_EQ(full.highMHz(), 110000);

    const AxisRange narrow = AxisFor(100, 103.5);
    EXPECT_EQ(narrow.step, 25);
    EXPECT_EQ(narrow.first, 975);
    EXPECT_EQ(narrow.last, 1050);

    const AxisRange tiny = AxisFor(100.03, 100.15);
    EXPECT_EQ(tiny.step, 2);
    EXPECT_EQ(tiny.first, 998);
    EXPECT_EQ(tiny.last, 1002);
}

TEST(TickScale, GeneralNumberIsShortestWithTheLocalesSeparator) {
    const Locale english = Locale::English();
    const Locale german = Locale::German();
    EXPECT_EQ(GeneralNumber(450, english), "450");
    EXPECT_EQ(GeneralNumber(100000, english), "100000");
    EXPECT_EQ(GeneralNumber(0.2, english), "0.2");
    EXPECT_EQ(GeneralNumber(1002.0 / 10, english), "100.2");
    EXPECT_EQ(GeneralNumber(1002.0 / 10, german), "100,2");
    EXPECT_EQ(GeneralNumber(1234567.5, german), "1234567,5");
    EXPECT_EQ(GeneralNumber(-0.0, english), "0");
    EXPECT_EQ(GeneralNumber(0.123456789012345678, english), "0.123456789012346");
}

} // namespace
} // namespace spurline
