#include "document/CompactPath.h"

#include <gtest/gtest.h>
#include <optional>

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
    EXPECT_EQ(CompactPath("C:\\", measurer, 7), "C:\\"); // a bare root is never cut
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

// Every cut, fewest folders first, each count from the middle outwards: the search CompactPath
// must agree with on every path.
std::string EveryCut(const std::string& path, int width) {
    if (Width(path) <= width)
        return path;
    const std::size_t root = path.starts_with("/") ? 1 : 0;
    std::vector<std::pair<std::size_t, std::size_t>> folders;
    for (std::size_t begin = root, end; (end = path.find('/', begin)) != std::string::npos;
         begin = end + 1)
        folders.emplace_back(begin, end);
    const int n = static_cast<int>(folders.size());
    for (int count = 1; count <= n; ++count) {
        const int middle = (n - count) / 2;
        for (int step = 0; step < 2 * (n - count + 1); ++step) {
            const int start = middle + (step % 2 == 0 ? 1 : -1) * ((step + 1) / 2);
            if (start < 0 || start > n - count)
                continue;
            const std::string cut = path.substr(0, folders[start].first) + "..." +
                                    path.substr(folders[start + count - 1].second);
            if (Width(cut) <= width)
                return cut;
        }
    }
    return "..." + path.substr(folders.back().second);
}

TEST(CompactPath, SameAsTryingEveryCut) {
    // Folders of assorted lengths, some of them wide.
    unsigned seed = 7;
    for (int p = 0; p < 40; ++p) {
        std::string path = p % 3 == 0 ? "" : "/";
        const int folders = 1 + p % 11;
        for (int f = 0; f < folders; ++f) {
            seed = seed * 1103515245u + 12345u;
            path += std::string(1 + (seed >> 16) % 9, (seed >> 8) % 4 == 0 ? 'W' : 'a') + "/";
        }
        path += "site.frq";
        for (int width = 0; width <= Width(path); ++width) {
            SCOPED_TRACE(path + " in " + std::to_string(width));
            ASSERT_EQ(CompactPath(path, measurer, width), EveryCut(path, width));
        }
    }
}

// Counts what is measured.
class CountingMeasurer final : public ITextMeasurer {
public:
    int TextWidth(std::string_view text) const override {
        ++calls;
        bytes += text.size();
        return Width(text);
    }
    mutable long calls = 0;
    mutable long bytes = 0;
};

TEST(CompactPath, ADeepPathCostsAFewMeasurements) {
    std::string path;
    for (int i = 0; i < 400; ++i)
        path += i % 2 == 0 ? "/f" : "/folder";
    path += "/site.frq";
    const CountingMeasurer counting;
    const std::string result = CompactPath(path, counting, 500);
    EXPECT_TRUE(result.starts_with("/f/folder/f/")) << result;
    EXPECT_TRUE(result.ends_with("/folder/site.frq")) << result;
    EXPECT_LE(Width(result), 500);
    // Trying every cut measures millions of texts, thousands of characters long.
    EXPECT_LT(counting.calls, 1000);
    EXPECT_LT(counting.bytes, 20 * static_cast<long>(path.size()));
}

} // namespace
} // namespace spurline
