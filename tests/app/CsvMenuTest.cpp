#include "MainWindowFixture.h"
#include "document/FrequencyListCsv.h"
#include "support/TemporaryFolder.h"

namespace spurline {
namespace {

using CsvMenuTest = MainWindowFixture;

// A list exported from a decimal-comma window imports into a decimal-point window unchanged.
TEST_F(CsvMenuTest, ExportedCsvImportsBackToTheSameList) {
    CreateWindow(Locale::German());
    OpenExample();
    testing::TemporaryFolder folder;
    const std::string path = (folder.path() / "site.csv").string();
    dialogs.answers.push_back(path);
    Find<QAction>("mnuExportCsv")->trigger();

    auto first = std::move(window);
    CreateWindow(Locale::English());
    dialogs.answers.push_back(path);
    Find<QAction>("mnuImportCsv")->trigger();
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(window->document().count(), first->document().count());
    EXPECT_EQ(WriteFrequencyListCsv(window->document()), WriteFrequencyListCsv(first->document()));

    dialogs.answers.push_back(path); // again: every line is now a duplicate
    Find<QAction>("mnuImportCsv")->trigger();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].prompt.substr(0, 60),
              "0 entries imported; lines not taken:\r\nline 2: duplicate freq");
}

} // namespace
} // namespace spurline
