#include "graph/TickScale.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(TickScale, StepTableBoundsBelongToTheRowBelow) {
    // Each bound, and half a MHz above it; views the navigation never sets (0 and below) still
    // get a step.
    const double widths[] = {100000.5, 100000, 50000.5, 50000, 30000.5, 30000, 10000.5, 10000,
                             5000.5,   5000,   3000.5,  3000,  1000.5,  1000,  500.5,   500,
                             300.5,    300,    100.5,   100,   50.5,    50,    3.5,     3,
                             1.01,     1,      0.12,    0,     -100000};
    const int steps[] = {250000, 100000, 100000, 50000, 50000, 25000, 25000, 10000, 10000, 5000,
                         5000,   2500,   2500,   1000,  1000,  500,   500,   250,   250,   100,
                         100,    25,     25,     10,    10,    2,     2,     2,     2};
    static_assert(std::size(widths) == std::size(steps));
    for (std::size_t i = 0; i < std::size(widths); ++i) {
        EXPECT_EQ(TickStep(widths[i]), steps[i]) << widths[i];
    }
}

TEST(TickScale, AxisStartsAndEndsOneTickOutsideTheView) {
    // The full view's axis is pinned by the drawing test's axis line.
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
    // Whole numbers and tenths of ticks in both conventions are pinned by the drawn labels.
    EXPECT_EQ(GeneralNumber(0.2, english), "0.2");
    EXPECT_EQ(GeneralNumber(1234567.5, german), "1234567,5");
    EXPECT_EQ(GeneralNumber(-0.0, english), "0");
    EXPECT_EQ(GeneralNumber(0.123456789012345678, english), "0.123456789012346");
}

} // namespace
} // namespace spurline
