#include "app/OutputCommands.h"

#include "app/GraphWidget.h"
#include "app/IntermodPanel.h"
#include "app/MainWindowFixture.h"
#include "app/frmPrint.h"
#include "document/TextHelpers.h"
#include "support/TemporaryFolder.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <filesystem>

namespace spurline {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (auto at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + separator.size();
    }
    parts.push_back(text.substr(from));
    return parts;
}

class OutputCommandsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        CreateWindow(Locale::English());
        ShowWindow();
    }

    void CalculateExample(const char* lower = "100", const char* upper = "200") {
        OpenExample();
        Find<QLineEdit>("txtLowerLimit")->setText(QString::fromLatin1(lower));
        Find<QLineEdit>("txtUpperLimit")->setText(QString::fromLatin1(upper));
        Find<QAction>("mnuCalculate")->trigger();
        ASSERT_GT(window->products().Count(), 0);
    }

    // Prints the selected parts through Qt's PDF output; returns the pages' text as laid out.
    std::vector<std::string> PrintToPdf(bool graph, bool intermods, bool frequencies) {
        PrintWhat& what = window->output().printWhat();
        what.spectrumDisplay.checked = graph;
        what.intermodList.checked = intermods;
        what.frequencyList.checked = frequencies;
        window->output().printer().setOutputFormat(QPrinter::PdfFormat);
        dialogs.answers.push_back(pdf);
        window->output().print_selection();
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(60000));
        std::vector<std::string> pages = Split(text.readAllStandardOutput().toStdString(), "\f");
        pages.pop_back(); // pdftotext ends every page with a form feed
        return pages;
    }

    std::string ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

    TemporaryFolder folder;
    std::string pdf = folder.File("report.pdf");
};

TEST_F(OutputCommandsTest, ExportWritesTheListsAsShown) {
    CalculateExample();
    const std::string path = folder.File("report.txt");
    dialogs.answers.push_back(path);
    Find<QAction>("mnuExport")->trigger();
    const std::string bytes = ReadBytes(path);
    const std::vector<std::string> lines = Split(bytes, "\r\n");
    const int rows = window->document().count();
    const int products = Find<QTableView>("lvIntermods")->model()->rowCount();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(5 + 3 + rows + 1 + 3 + products + 2 + 1));
    EXPECT_EQ(lines[0], "File:\t" + ExampleSite());
    const FrequencyEntry& first = window->document().entry(0);
    std::string row = " 1 ";
    for (std::size_t cell = 1; cell < FrequencyColumnCount; ++cell) {
        row += "\t" + TrimBlanks(first.texts[cell]);
    }
    EXPECT_EQ(lines[8], row);
    EXPECT_EQ(lines[lines.size() - 2], "n.b. intermods filtered from 100 to 200 MHz");
    EXPECT_EQ(lines.back(), "");
    // The shared file dialog now holds the export's name.
    EXPECT_EQ(window->fileCommands().dialogFileName(), path);
}

TEST_F(OutputCommandsTest, PdfShowsHeaderOnceListsInColumnsAndTheGraphPage) {
    CalculateExample();
    const std::vector<std::string> pages = PrintToPdf(true, true, true);
    ASSERT_GE(pages.size(), 3u);
    std::string all;
    for (const std::string& page : pages) {
        EXPECT_NE(page.find_first_not_of(" \n"), std::string::npos) << "blank page";
        all += page;
    }
    EXPECT_EQ(Count(all, "Name:"), 1);
    EXPECT_EQ(Count(all, "Frequency List"), 1);
    EXPECT_EQ(Count(all, "Intermodulation Products"), 1);
    EXPECT_EQ(Count(all, "n.b. intermods filtered from 100 to 200 MHz."), 1);
    const std::string columns = all.substr(all.find("ID"), all.find('\n', all.find("ID")));
    std::size_t previous = 0;
    for (const char* title :
         {"ID", "Frequency", "Offset", "Tx BW", "Tx/Rx", "Status", "Rx BW", "Remarks"}) {
        SCOPED_TRACE(title);
        const std::size_t at = columns.find(title);
        ASSERT_NE(at, std::string::npos);
        EXPECT_GE(at, previous);
        previous = at + 1;
    }
    // The graph page: its own lines below the picture, nothing of the lists.
    const std::string& graph = pages.back();
    EXPECT_NE(graph.find("File:"), std::string::npos);
    EXPECT_NE(graph.find(ExampleSite()), std::string::npos);
    EXPECT_NE(graph.find("Last Saved:"), std::string::npos);
    EXPECT_NE(graph.find(window->document().siteName()), std::string::npos);
    EXPECT_EQ(graph.find("Composition"), std::string::npos);
}

TEST_F(OutputCommandsTest, LongListSpansPagesWithoutRepeatedHeadings) {
    FrequencyList& list = window->document();
    for (int i = 1; i <= 150; ++i) {
        list.AddEntry({std::to_string(100 + i), "0", "12.5", "Both", "Exist", "25", "row"});
    }
    list.SetListCommandsEnabled(true);
    const std::vector<std::string> pages = PrintToPdf(false, false, true);
    std::string all;
    for (const std::string& page : pages) {
        EXPECT_NE(page.find("row"), std::string::npos) << "a page without rows";
        all += page;
    }
    EXPECT_GE(pages.size(), 3u);
    EXPECT_EQ(Count(all, "Remarks"), 1);
    EXPECT_EQ(Count(all, "(MHz)"), 1);
    EXPECT_EQ(Count(all, "row"), 150);
    EXPECT_NE(pages.back().find("150   250.00000"), std::string::npos);
}

TEST_F(OutputCommandsTest, PrintFailureEndsTheJobAndPrintingGoesOn) {
    OpenExample();
    const std::string wanted = pdf;
    pdf = folder.File("gone/report.pdf");
    EXPECT_TRUE(PrintToPdf(false, false, true).empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt,
              "Error: 482 description: Printer error at line: print/start");
    pdf = wanted;
    EXPECT_EQ(PrintToPdf(false, false, true).size(), 1u);
    // Nothing selected: no document at all.
    pdf = folder.File("nothing.pdf");
    PrintToPdf(false, false, false);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(OutputCommandsTest, PrintDialogOptionsLabelAndButtons) {
    OpenExample();
    frmPrint& dialog = window->output().printDialog();
    int opened = 0;
    dialog.runModal = [&](frmPrint& d) {
        ++opened;
        d.show();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Print"));
        EXPECT_EQ(d.findChild<QCheckBox*>("chkIntermodList")->isEnabled(),
                  window->products().Count() > 0);
        EXPECT_TRUE(d.findChild<QCheckBox*>("chkFrequencyList")->isEnabled());
        EXPECT_TRUE(d.findChild<QCheckBox*>("chkSpectrumDisplay")->isEnabled());
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            EXPECT_EQ(d.findChild<QLabel*>("lblPrinter")->text(),
                      QStringLiteral("Print to PDF on FILE:"));
        }
        if (opened == 1) {
            d.findChild<QCheckBox*>("chkSpectrumDisplay")->click();
            QTest::keyClick(&d, Qt::Key_Escape);
        } else {
            d.findChild<QPushButton*>("cmdOK")->click();
        }
        EXPECT_FALSE(d.isVisible());
    };
    Find<QPushButton>("cmdPrint")->click();
    EXPECT_FALSE(window->output().printWhat().spectrumDisplay.selected());
    EXPECT_FALSE(window->output().printWhat().intermodList.selected());

    Find<QAction>("mnuCalculate")->trigger();
    window->output().printer().setOutputFormat(QPrinter::PdfFormat);
    dialogs.answers.push_back(pdf);
    Find<QAction>("mnuPrint")->trigger();
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(dialogs.shown.back().options.title, "Print to PDF");
}

TEST_F(OutputCommandsTest, CopyGraphRightAfterStartUp) {
    QGuiApplication::clipboard()->clear();
    Find<QAction>("mnuCopy")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    const QImage& shown = Find<GraphWidget>("picSpectrum")->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), shown.size());
}

TEST_F(OutputCommandsTest, CopyAndCutSelectedRows) {
    CalculateExample("", "");
    FrequencyList& list = window->document();
    list.EditMenuTarget = EditFrequencyList;
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    QTableView* lvFreqs = Find<QTableView>("lvFreqs");
    lvFreqs->setFocus();
    QTest::keyClick(lvFreqs, Qt::Key_C, Qt::ControlModifier);
    std::string expected = "ID\tFrequency (MHz)\tOffset (kHz)\tTx BW (kHz)\tTx/Rx\tStatus\t"
                           "Rx BW (kHz)\tRemarks";
    for (int row : {0, 2}) {
        for (std::size_t cell = 0; cell < FrequencyColumnCount; ++cell) {
            expected += (cell == 0 ? "\r\n" : "\t") + list.entry(row).texts[cell];
        }
    }
    EXPECT_EQ(ClipboardText(), expected);

    // Cut: the same copy, then the rows are gone.
    const int before = list.count();
    list.SetCurrentRow(0);
    Find<QAction>("mnuCut")->trigger();
    EXPECT_EQ(ClipboardText(), expected);
    EXPECT_EQ(list.count(), before - 2);

    // Every intermod row: nine cells, the hidden victim columns included.
    list.EditMenuTarget = EditIntermodList;
    Find<QAction>("mnuSelectAll")->trigger();
    Find<QAction>("mnuCopy")->trigger();
    const std::vector<std::string> lines = Split(ClipboardText(), "\r\n");
    const int rows = Find<QTableView>("lvIntermods")->model()->rowCount();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(rows + 1));
    for (const std::string& line : lines) {
        EXPECT_EQ(Split(line, "\t").size(), 9u) << line;
    }
}

} // namespace
} // namespace spurline
