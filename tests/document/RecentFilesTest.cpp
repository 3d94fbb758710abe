#include "document/RecentFiles.h"

#include "document/CompactPath.h"
#include "support/CLocale.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

// Every character 7 pixels wide, so 500 pixels hold 71 characters.
class FixedPitch final : public ITextMeasurer {
public:
    int TextWidth(std::string_view text) const override {
        return static_cast<int>(text.size()) * 7;
    }
};

class RecentFilesTest : public ::testing::Test {
protected:
    // One field of every entry, newest first.
    static std::vector<std::string> Column(const RecentFiles& list,
                                           std::string RecentFile::*field = &RecentFile::path) {
        std::vector<std::string> column;
        for (const RecentFile& entry : list.entries())
            column.push_back(entry.*field);
        return column;
    }
    std::vector<std::string> Paths() const { return Column(files); }

    FixedPitch measurer;
    RecentFiles files{measurer};
};

TEST_F(RecentFilesTest, TheTenNewestNewestFirstAndReopenedOnTop) {
    for (int i = 0; i <= 10; ++i)
        files.AddMRUItem("/sites/site" + std::to_string(i) + ".frq");
    ASSERT_EQ(files.entries().size(), 10u);
    EXPECT_EQ(files.entries().front().path, "/sites/site10.frq");
    EXPECT_EQ(files.entries().back().path, "/sites/site1.frq");
    // Reopening moves a file to the top, also when only the case differs.
    files.AddMRUItem("/SITES/SITE3.FRQ");
    files.AddMRUItem("/sites/site1.frq");
    std::vector<std::string> expected{"/sites/site1.frq", "/SITES/SITE3.FRQ"};
    for (int i : {10, 9, 8, 7, 6, 5, 4, 2})
        expected.push_back("/sites/site" + std::to_string(i) + ".frq");
    EXPECT_EQ(Paths(), expected);
}

TEST_F(RecentFilesTest, EqualNamesFromTwoFoldersShowTheirShortenedPaths) {
    const std::string deep = "/home/user/radio/sites/" + std::string(60, 'x') + "/North.frq";
    files.AddMRUItem("/home/user/A/North.frq");
    files.AddMRUItem("/home/user/other.frq");
    files.AddMRUItem(deep);
    files.AddMRUItem("/home/user/B/north.FRQ");
    const std::string compacted = CompactPath(deep, measurer, 500);
    ASSERT_NE(compacted, deep);
    // The newest has no partner with an equal caption (theirs are long now): it stays short.
    EXPECT_EQ(Column(files, &RecentFile::caption),
              (std::vector<std::string>{"north.FRQ", "North.frq - (" + compacted + ")", "other.frq",
                                        "North.frq - (/home/user/A/North.frq)"}));
}

TEST_F(RecentFilesTest, StoredListRestoresTheSameOrder) {
    testing::MemorySettingsStore store;
    store.Write("MRUFiles", "9", "/stale/left/over.frq");
    for (const char* path : {"/a/one.frq", "/a/two.frq", "/a/three.frq"})
        files.AddMRUItem(path);
    files.Save(store);
    EXPECT_EQ(store.values.size(), 3u);
    EXPECT_EQ(*store.Read("MRUFiles", "0"), "/a/three.frq");
    RecentFiles restored(measurer);
    restored.Load(store);
    EXPECT_EQ(Column(restored), Paths());
    // Reading stops at the first missing or empty value.
    store.Write("MRUFiles", "1", "");
    RecentFiles cut(measurer);
    cut.Load(store);
    EXPECT_EQ(Column(cut), std::vector<std::string>{"/a/three.frq"});
}

TEST_F(RecentFilesTest, ReopenedInAnotherCaseUnderATurkishCLocale) {
    // There toupper('i') is 'i': the dotted capital I has no one-byte form.
    testing::ScopedCLocale turkish("tr_TR.UTF-8");
    SPURLINE_REQUIRE_C_LOCALE(turkish, "tr_TR.UTF-8");
    files.AddMRUItem("/sites/site1.frq");
    files.AddMRUItem("/sites/other.frq");
    files.AddMRUItem("/SITES/SITE1.FRQ");
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/SITES/SITE1.FRQ", "/sites/other.frq"}));
}

} // namespace
} // namespace spurline
