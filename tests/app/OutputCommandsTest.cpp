#include "app/OutputCommands.h"

#include "app/GraphWidget.h"
#include "app/IntermodListModel.h"
#include "app/IntermodPanel.h"
#include "app/MainWindowFixture.h"
#include "app/frmPrint.h"
#include "document/AtomicFile.h"
#include "document/FrequencyListCsv.h"
#include "document/SiteFile.h"
#include "support/TemporaryFolder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <filesystem>

namespace spurline {
namespace {

// Claims Ctrl+E for its text box, as a line edit does under the X11 key scheme ("end of line").
class ClaimsCtrlE final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->keyCombination() ==
                QKeyCombination(Qt::ControlModifier, Qt::Key_E)) {
            event->accept();
            return true;
        }
        return false;
    }
};

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
    QStringList PrintToPdf(bool graph, bool intermods, bool frequencies) {
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
        QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QChar('\f'));
        pages.removeLast(); // pdftotext ends every page with a form feed
        return pages;
    }

    static QStringList ClipboardLines() {
        return QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    }

    testing::TemporaryFolder folder;
    std::string pdf = folder.File("report.pdf");
};

TEST_F(OutputCommandsTest, ExportWritesTheListsAsShown) {
    CalculateExample();
    const std::string path = folder.File("report.txt");
    dialogs.answers.push_back(path);
    // Ctrl+E while a text box has the focus: the menu's shortcut, not the box's "end of line",
    // and the box keeps its text. A Linux desktop's key scheme makes the box claim Ctrl+E; the
    // offscreen platform's does not, so the box is taught to claim it here.
    auto* txtName = Find<QLineEdit>("txtName");
    ClaimsCtrlE claims;
    txtName->installEventFilter(&claims);
    const QString name = txtName->text();
    txtName->setFocus();
    txtName->setCursorPosition(0);
    QTest::keyClick(txtName, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(txtName->text(), name);
    EXPECT_EQ(txtName->cursorPosition(), 0);
    ASSERT_EQ(dialogs.shown.size(), 2u); // the open, then the export
    const QStringList lines =
        QString::fromStdString(testing::ReadBytes(path)).split(QStringLiteral("\r\n"));
    const int rows = window->document().count();
    const int products = lvIntermods->model()->rowCount();
    ASSERT_EQ(lines.size(), 5 + 3 + rows + 1 + 3 + products + 2 + 1);
    EXPECT_EQ(lines[0].toStdString(), "File:\t" + ExampleSite());
    EXPECT_TRUE(lines[8].startsWith(QStringLiteral(" 1 \t88.60000\t0\t180.00\tTx\t")))
        << lines[8].toStdString();
    // The shared file dialog now holds the export's name.
    EXPECT_EQ(window->fileCommands().dialogFileName(), path);
}

// The layout is pinned with the report itself; here it reaches a real PDF, page by page.
TEST_F(OutputCommandsTest, PdfShowsHeaderOnceAndTheGraphPage) {
    CalculateExample();
    const QStringList pages = PrintToPdf(true, true, true);
    ASSERT_GE(pages.size(), 4);
    for (const QString& page : pages) {
        EXPECT_FALSE(page.trimmed().isEmpty()) << "blank page";
    }
    const QString all = pages.join(QString());
    // The header and the intermod list's heading once, though the list spans pages.
    EXPECT_EQ(all.count(QStringLiteral("Name:")), 1);
    EXPECT_EQ(all.count(QStringLiteral("(by frequency)")), 1);
    // A row's texts in their columns' order.
    EXPECT_TRUE(all.contains(QRegularExpression(
        "\\b1\\s+88\\.60000\\s+0\\s+180\\.00\\s+Tx\\s+Exist\\s+N/A\\s+FM broadcast Ridge")));
    // The graph page: its own lines below the picture, nothing of the lists.
    const QString& graph = pages.back();
    EXPECT_TRUE(graph.contains(QString::fromStdString(ExampleSite())));
    EXPECT_FALSE(graph.contains(QStringLiteral("Composition")));
}

// Nothing is cut at the page's edge: a long remark continues below itself; a wide offset keeps
// a blank before the bandwidth after it.
TEST_F(OutputCommandsTest, PdfWrapsLongRemarksAndKeepsCellsApart) {
    OpenExample();
    const std::string remark = "County council emergency planning radio link to the reservoir";
    window->document().AddEntry({"470.5", "10000", "12.5", "Both", "Plan", "12.5", remark});
    const QStringList pages = PrintToPdf(false, false, true);
    ASSERT_FALSE(pages.isEmpty());
    const QString all = pages.join(QString());
    EXPECT_TRUE(all.contains(QRegularExpression("\\+10,000\\.00 +12\\.50"))) << all.toStdString();
    // The remark's words in order, over as many lines as it takes, none of them cut.
    QString words = QString::fromStdString(remark);
    words.replace(QChar(' '), QStringLiteral("\\s+"));
    EXPECT_TRUE(all.contains(QRegularExpression(words))) << all.toStdString();
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
    EXPECT_EQ(PrintToPdf(false, false, true).size(), 1);
    // Nothing selected: no document at all, and no PDF file asked for.
    pdf = folder.File("nothing.pdf");
    PrintToPdf(false, false, false);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(dialogs.answers.size(), 1u); // the file name was not asked for
    dialogs.answers.clear();
}

TEST_F(OutputCommandsTest, PrintDialogOptionsLabelAndButtons) {
    OpenExample();
    int opened = 0;
    window->output().printDialog().runModal = [&](frmPrint& d) {
        ++opened;
        d.show();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Print"));
        EXPECT_EQ(d.findChild<QCheckBox*>("chkIntermodList")->isEnabled(), opened == 2);
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

TEST_F(OutputCommandsTest, CopyAndCutSelectedRows) {
    CalculateExample("", "");
    // Rows selected with the left button; the click makes the list the one copied.
    ClickRow(0);
    ClickRow(2, Qt::ControlModifier);
    QTest::keyClick(lvFreqs, Qt::Key_C, Qt::ControlModifier);
    // The copied texts are pinned with the clipboard copy; here the clicked rows are the ones.
    const QStringList expected = ClipboardLines();
    ASSERT_EQ(expected.size(), 3);
    EXPECT_TRUE(expected[1].startsWith(QStringLiteral(" 1\t       88.60000\t")));
    EXPECT_TRUE(expected[2].startsWith(QStringLiteral(" 3\t      102.70000\t")));

    // Cut: the same copy, then the rows are gone.
    const int before = window->document().count();
    Find<QAction>("mnuCut")->trigger();
    EXPECT_EQ(ClipboardLines(), expected);
    EXPECT_EQ(window->document().count(), before - 2);

    // A click makes the intermod list the one copied; Select all takes every row. Cut there
    // copies them and deletes no frequency.
    ClickRow(0);
    QTest::mousePress(lvIntermods->viewport(), Qt::LeftButton);
    Find<QAction>("mnuSelectAll")->trigger();
    Find<QAction>("mnuCut")->trigger();
    EXPECT_EQ(ClipboardLines().size(), lvIntermods->model()->rowCount() + 1);
    EXPECT_EQ(window->document().count(), before - 2);
}

// The export, the copy and the printout carry the margin exactly while the window shows it: the
// window's texts in its convention, beside the frequency (export, print) or the order (copy).
TEST_F(OutputCommandsTest, MarginColumnGoesOutWhileShown) {
    const int m = IntermodListModel::MarginColumn;
    for (const Locale& locale : {Locale::German(), Locale::English()}) {
        SCOPED_TRACE(locale.decimalSeparator);
        window->close();
        CreateWindow(locale);
        ShowWindow();
        OpenExample();
        Find<QRadioButton>("optShow1")->click();
        Find<QAction>("mnuLevels")->trigger();
        Find<QAction>("mnuCalculate")->trigger();
        const int rows = lvIntermods->model()->rowCount();
        ASSERT_GT(rows, 1);
        ASSERT_TRUE(
            Cell(lvIntermods, 0, m).contains(QString::fromStdString(locale.decimalSeparator)));
        for (const bool shown : {true, false}) {
            SCOPED_TRACE(shown);
            QTest::mousePress(lvIntermods->viewport(), Qt::LeftButton);
            Find<QAction>("mnuSelectAll")->trigger();
            const std::string path = folder.File("report.txt");
            dialogs.answers.push_back(path);
            Find<QAction>("mnuExport")->trigger();
            const QStringList lines =
                QString::fromStdString(testing::ReadBytes(path)).split(QStringLiteral("\r\n"));
            const auto first = lines.indexOf(QStringLiteral("Intermodulation Products")) + 2;
            ASSERT_GE(first, 2);
            EXPECT_EQ(lines[first].toStdString(),
                      shown ? "Frequency (MHz)\tMargin (dB)\tComposition (by frequency)\t"
                              "Composition (by ID)"
                            : "Frequency (MHz)\tComposition (by frequency)\tComposition (by ID)");
            Find<QAction>("mnuCopy")->trigger();
            const QStringList copied = ClipboardLines();
            ASSERT_EQ(copied.size(), rows + 1);
            EXPECT_EQ(copied[0].split(QChar('\t')).size(), shown ? 10 : 9);
            EXPECT_EQ(copied[0].split(QChar('\t'))[2] == QStringLiteral("Margin (dB)"), shown);
            for (int row = 0; shown && row < rows; ++row) {
                const std::string margin = Cell(lvIntermods, row, m).toStdString();
                EXPECT_EQ(lines[first + 1 + row].split(QChar('\t'))[1].toStdString(), margin);
                EXPECT_EQ(copied[1 + row].split(QChar('\t'))[2].toStdString(), margin);
            }
            if (shown) {
                const QString all = PrintToPdf(false, true, false).join(QString());
                EXPECT_TRUE(all.contains(QRegularExpression(
                    QRegularExpression::escape(Cell(lvIntermods, 0, ImColFrequency).trimmed()) +
                    "\\s+" + QRegularExpression::escape(Cell(lvIntermods, 0, m)) + "\\s")))
                    << all.toStdString();
            }
            Find<QAction>("mnuLevels")->trigger(); // hides the column
        }
    }
}

using CsvMenuTest = MainWindowFixture;

// A list exported from a decimal-comma window imports into a decimal-point window unchanged.
TEST_F(CsvMenuTest, ExportedCsvImportsBackToTheSameList) {
    CreateWindow(Locale::German());
    OpenExample();
    testing::TemporaryFolder folder;
    const std::string path = folder.File("site.csv");
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

// A file over the size limit is refused before it is read, with its name.
TEST_F(CsvMenuTest, AFileOverTheSizeLimitIsRefusedWithItsName) {
    CreateWindow(Locale::English());
    testing::TemporaryFolder folder;
    const std::string path = folder.File("huge.csv");
    testing::WriteBytes(path, "");
    std::filesystem::resize_file(path, MaxSiteFileBytes + 1); // sparse
    dialogs.answers.push_back(path);
    Find<QAction>("mnuImportCsv")->trigger();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].prompt, "Error: 321 description: File too large: " + path +
                                            " (more than 64 MiB) at line: load/open");
    EXPECT_EQ(window->document().count(), 0);
}

// Imported rows are unsaved work: Save is offered and closing asks.
TEST_F(CsvMenuTest, AnImportIntoAnOpenedSiteEnablesSaveAndClosingAsks) {
    CreateWindow(Locale::English());
    ShowWindow();
    OpenExample();
    ASSERT_FALSE(Find<QPushButton>("cmdSave")->isEnabled());
    testing::TemporaryFolder folder;
    const std::string path = folder.File("new.csv");
    testing::WriteBytes(path, std::string(CsvListHeading) + "\r\n999.125,0,25,Tx,Plan,,\r\n");
    dialogs.answers.push_back(path);
    Find<QAction>("mnuImportCsv")->trigger();
    EXPECT_TRUE(Find<QPushButton>("cmdSave")->isEnabled());
    EXPECT_TRUE(Find<QAction>("mnuSave")->isEnabled());
    messages.answers = {msgbox::No};
    EXPECT_TRUE(window->close());
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].prompt,
              "Do you want to save changes made\r\nto the current frequency list?");
}

// Edit > Copy right after start-up copies the picture on screen; Edit > "Save graph as..."
// writes it as PNG, or an SVG of the same size.
TEST_F(OutputCommandsTest, CopyAndSaveGraphGiveThePictureOnScreen) {
    const QImage& shown = window->intermodPanel().picSpectrum().image();
    QGuiApplication::clipboard()->clear();
    Find<QAction>("mnuCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), shown.size());
    OpenExample();
    const std::string png = folder.File("graph.png");
    const std::string svg = folder.File("graph.SVG");
    dialogs.answers = {png, svg};
    Find<QAction>("mnuSaveGraph")->trigger();
    Find<QAction>("mnuSaveGraph")->trigger();
    const QImage saved(QString::fromStdString(png));
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
