#include "document/CompactPath.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

// A fixed-pitch font: every character is 7 pixels wide, a "W" 21.
class FakeMeasurer final : public ITextMeasurer {
public:
    int TextWidth(std::string_view text) const override {
        int width = 0;
        for (char c : text)
            width += c == 'W' ? 21 : 7;
        return width;
    }
};

const FakeMeasurer measurer;

int Width(std::string_view text) {
    return measurer.TextWidth(text);
}

TEST(CompactPath, LeavesOutAsFewFoldersAsNeeded) {
    const std::string path = "/home/username/sites/north.frq";
    EXPECT_EQ(CompactPath(path, measurer, Width(path)), path);
    EXPECT_EQ(CompactPath(path, measurer, 1000), path);
    EXPECT_EQ(CompactPath("", measurer, 0), "");
    EXPECT_EQ(CompactPath(path, measurer, Width(path) - 1), "/home/.../sites/north.frq");
    EXPECT_EQ(CompactPath(path, measurer, Width("/home/.../sites/north.frq")),
              "/home/.../sites/north.frq");
    EXPECT_EQ(CompactPath(path, measurer, Width("/home/.../sites/north.frq") - 1),
              "/.../sites/north.frq");
    // Two folders left out, the shorter of the two results that remain.
    EXPECT_EQ(CompactPath(path, measurer, Width("/.../sites/north.frq") - 1),
              "/home/.../north.frq");
    EXPECT_EQ(CompactPath(path, measurer, Width("/home/.../north.frq") - 1), "/.../north.frq");
    // Not even the root fits beside the file name: the file name alone, kept whole.
    EXPECT_EQ(CompactPath(path, measurer, Width("/.../north.frq") - 1), ".../north.frq");
    EXPECT_EQ(CompactPath(path, measurer, -5), ".../north.frq");
    // Leaving out the short middle folder gains nothing; one wide folder goes instead.
    const std::string wide = "/WWWWWW/x/WWWWWW/f.frq";
    EXPECT_EQ(CompactPath(wide, measurer, Width(wide) - 1), "/.../x/WWWWWW/f.frq");
}

TEST(CompactPath, WindowsRootsAndSeparators) {
    const std::string path = "C:\\Users\\radio\\Documents\\Sites\\north.frq";
    EXPECT_EQ(CompactPath(path, measurer, Width(path) - 1),
              "C:\\Users\\...\\Documents\\Sites\\north.frq");
    EXPECT_EQ(CompactPath(path, measurer, Width("C:\\...\\north.frq")), "C:\\...\\north.frq");
    EXPECT_EQ(CompactPath(path, measurer, 20), "...\\north.frq");
    const std::string unc = "\\\\server\\share\\planning\\2026\\north.frq";
    EXPECT_EQ(CompactPath(unc, measurer, Width("\\\\server\\share\\...\\north.frq")),
              "\\\\server\\share\\...\\north.frq");
    const std::string relative = "sites/planning/north.frq";
    EXPECT_EQ(CompactPath(relative, measurer, Width(relative) - 1), ".../planning/north.frq");
}

TEST(CompactPath, FileNameIsNeverCut) {
    EXPECT_EQ(CompactPath("/a-very-long-site-name.frq", measurer, 50),
              "/a-very-long-site-name.frq");
    EXPECT_EQ(CompactPath("north.frq", measurer, 7), "north.frq");
    // Whatever the width, the result fits or is the bare file name behind the ellipsis.
    const std::string path = "/home/username/projects/rf/sites/north ridge.frq";
    for (int width = 0; width <= Width(path); ++width) {
        const std::string result = CompactPath(path, measurer, width);
        ASSERT_TRUE(result.ends_with("/north ridge.frq")) << result;
        ASSERT_TRUE(Width(result) <= width || result == ".../north ridge.frq")
            << width << ": " << result;
        if (result != path) {
            ASSERT_NE(result.find("..."), std::string::npos) << result;
        }
    }
}

} // namespace
} // namespace spurline
