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
    // Where the file system ignores letter case, so does the list.
    RecentFiles files(measurer, PathCase::Ignored);
    for (int i = 0; i <= 10; ++i)
        files.AddMRUItem("/sites/site" + std::to_string(i) + ".frq");
    ASSERT_EQ(files.entries().size(), 10u);
    EXPECT_EQ(files.entries().front().path, "/sites/site10.frq");
    EXPECT_EQ(files.entries().back().path, "/sites/site1.frq");
    files.AddMRUItem("/SITES/SITE3.FRQ");
    files.AddMRUItem("/sites/site1.frq");
    std::vector<std::string> expected{"/sites/site1.frq", "/SITES/SITE3.FRQ"};
    for (int i : {10, 9, 8, 7, 6, 5, 4, 2})
        expected.push_back("/sites/site" + std::to_string(i) + ".frq");
    EXPECT_EQ(Column(files), expected);
}

#if !defined(_WIN32) && !defined(__APPLE__)
TEST_F(RecentFilesTest, PathsDifferingInCaseAreTwoFilesWhereTheFileSystemSaysSo) {
    files.AddMRUItem("/sites/site05.frq");
    files.AddMRUItem("/sites/SITE05.FRQ");
    files.AddMRUItem("/sites/site05.frq");
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/sites/site05.frq", "/sites/SITE05.FRQ"}));
}
#endif

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
    // Where the file system ignores letter case.
    RecentFiles ignoring(measurer, PathCase::Ignored);
    ignoring.AddMRUItem("/sites/site1.frq");
    ignoring.AddMRUItem("/sites/other.frq");
    ignoring.AddMRUItem("/SITES/SITE1.FRQ");
    ASSERT_EQ(ignoring.entries().size(), 2U);
    EXPECT_EQ(ignoring.entries()[0].path, "/SITES/SITE1.FRQ");
    EXPECT_EQ(ignoring.entries()[1].path, "/sites/other.frq");
}

// Counts the values read, so a test can see where reading stopped.
class CountingStore final : public ISettingsStore {
public:
    std::optional<std::string> Read(const std::string& section, const std::string& key) override {
        ++reads;
        return inner.Read(section, key);
    }
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override {
        inner.Write(section, key, value);
    }
    void DeleteSection(const std::string& section) override { inner.DeleteSection(section); }

    testing::MemorySettingsStore inner;
    int reads = 0;
};

TEST_F(RecentFilesTest, LoadReadsUpToTheTenthFileAndTellsOnce) {
    CountingStore store;
    // Repeats and values without a file name take no place among the ten.
    const std::vector<std::string> values{"/a/0.frq", "/a/", "/a/0.frq", "/b/  "};
    for (std::size_t i = 0; i < 1000; ++i)
        store.Write("MRUFiles", std::to_string(i),
                    i < values.size() ? values[i] : "/a/" + std::to_string(i) + ".frq");
    int changes = 0;
    files.changed = [&] { ++changes; };
    files.Load(store);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(store.reads, 13);
    std::vector<std::string> expected{"/a/0.frq"};
    for (int i = 4; i <= 12; ++i)
        expected.push_back("/a/" + std::to_string(i) + ".frq");
    EXPECT_EQ(Paths(), expected);
    for (const RecentFile& entry : files.entries())
        EXPECT_FALSE(entry.caption.empty());
}

} // namespace
} // namespace spurline
