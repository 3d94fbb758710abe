#include "document/ErrorReport.h"

#include "document/MessageBox.h"
#include "support/ScriptedMessageBox.h"

#include <array>
#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(ErrorReport, TextWithAndWithoutFailingStep) {
    // The full form with a step, and the box it shows in, are pinned by the file commands'
    // failures.
    EXPECT_EQ(FormatErrorReport(62, "Input past end of file"),
              "Error: 62 description: Input past end of file");
    // A source step number 0 means no step is known.
    EXPECT_EQ(FormatErrorReport(75, "Path/File access error", "0"),
              "Error: 75 description: Path/File access error");
    testing::ScriptedMessageBox box;
    ShowErrorReport(box, CommandFailure(70, "Permission denied", "save/write"));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, "");
}

// Left, top, width and height.
std::array<int, 4> Corners(const ScreenRect& r) {
    return {r.left, r.top, r.width, r.height};
}

TEST(CentreOver, CentresOnOwnerWithTiesToEven) {
    // Owner 100..500 x 50..350, box 200 x 100: centred exactly.
    EXPECT_EQ(Corners(CentreOver({100, 50, 400, 300}, 200, 100)), (std::array{200, 150, 200, 100}));
    // Half pixels round to even: 0 + 101/2 - 100/2 = 0.5 -> 0; 0 + 103/2 - 100/2 = 1.5 -> 2.
    EXPECT_EQ(Corners(CentreOver({0, 0, 101, 103}, 100, 100)), (std::array{0, 2, 100, 100}));
    // A box larger than its owner still shares the owner's centre and sticks out.
    EXPECT_EQ(Corners(CentreOver({300, 300, 100, 80}, 400, 200)), (std::array{150, 240, 400, 200}));
}

} // namespace
} // namespace spurline
