#include "MainWindowFixture.h"
#include "app/GraphWidget.h"
#include "app/IntermodPanel.h"
#include "document/AtomicFile.h"
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
    const std::string& prompt = messages.shown[0].prompt;
    EXPECT_EQ(prompt.substr(0, 60),
              "0 entries imported; lines not taken:\r\nline 2: duplicate freq");
    // The first 15 lines are named, the rest counted.
    const int n = first->document().count();
    ASSERT_GT(n, 15);
    EXPECT_EQ(prompt.find("\r\nline 17:"), std::string::npos);
    EXPECT_NE(prompt.find("\r\nline 16: duplicate"), std::string::npos);
    EXPECT_TRUE(prompt.ends_with("\r\nand " + std::to_string(n - 15) + " more"));
}

// Edit > "Save graph as...": the picture on screen as PNG, or an SVG of the same size.
TEST_F(CsvMenuTest, SaveGraphAsWritesThePngOrAnSvgOfTheSameSize) {
    CreateWindow(Locale::English());
    ShowWindow();
    OpenExample();
    testing::TemporaryFolder folder;
    const std::string png = (folder.path() / "graph.png").string();
    const std::string svg = (folder.path() / "graph.SVG").string();
    dialogs.answers = {png, svg};
    Find<QAction>("mnuSaveGraph")->trigger();
    Find<QAction>("mnuSaveGraph")->trigger();
    const QImage saved(QString::fromStdString(png));
    const QImage& shown = window->intermodPanel().picSpectrum().image();
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), shown.size());
    const std::string text = ReadWholeFile(svg);
    EXPECT_NE(text.find("width=\"" + std::to_string(shown.width()) + "\" height=\"" +
                        std::to_string(shown.height()) + "\""),
              std::string::npos);
    EXPECT_NE(text.find(">North Ridge</text>"), std::string::npos);
}

} // namespace
} // namespace spurline
