#include "app/MainWindow.h"

#include "document/AtomicFile.h"
#include "document/FrequencyListFile.h"
#include "document/TextEncoding.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace spurline {
namespace {

std::array<std::string, 7> Fields(std::string frequency, std::string offset, std::string txrx,
                                  std::string remarks, bool comma) {
    return {std::move(frequency), std::move(offset), comma ? "12,5" : "12.5",
            std::move(txrx),      "Exist",           "25",
            std::move(remarks)};
}

// Writes a frequency list file the way the program itself does.
void WriteSite(const std::string& path, const Locale& locale) {
    testing::ScriptedMessageBox messages;
    FrequencyList site(locale, messages);
    const bool comma = locale.decimalSeparator == ",";
    site.SetSiteName("North Ridge");
    site.SetComment("Hilltop site");
    site.AddEntry(Fields("174", "4600", "Both", "Mast A", comma));
    site.AddEntry(Fields(comma ? "165,25" : "165.25", "0", "Rx", "Control receiver", comma));
    site.AddEntry(Fields(comma ? "1234,5" : "1234.5", "-100", "Tx", "Broadcast", comma));
    WriteFileAtomically(path, EncodeFileText(WriteFrequencyListText(site, "05 Dec 2026 11:54:39")));
}

// Types text key by key; letters beyond ASCII arrive as key events carrying their text, as a
// keyboard layout that has them sends them.
void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(widget, static_cast<char>(ch.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Open(Locale::German()); }

    void Open(const Locale& locale) {
        window = std::make_unique<frmMain>(locale, messages, dialogs);
        window->show();
        lvFreqs = window->findChild<QTableView*>(QStringLiteral("lvFreqs"));
        txtName = window->findChild<QLineEdit*>(QStringLiteral("txtName"));
        txtComment = window->findChild<QLineEdit*>(QStringLiteral("txtComment"));
        txtFilename = window->findChild<QLineEdit*>(QStringLiteral("txtFilename"));
        txtDate = window->findChild<QLineEdit*>(QStringLiteral("txtDate"));
        cmdSave = window->findChild<QPushButton*>(QStringLiteral("cmdSave"));
        cmdClear = window->findChild<QPushButton*>(QStringLiteral("cmdClear"));
        cmdLoad = window->findChild<QPushButton*>(QStringLiteral("cmdLoad"));
        mnuNew = window->findChild<QAction*>(QStringLiteral("mnuNew"));
        mnuOpen = window->findChild<QAction*>(QStringLiteral("mnuOpen"));
        mnuSave = window->findChild<QAction*>(QStringLiteral("mnuSave"));
        mnuExit = window->findChild<QAction*>(QStringLiteral("mnuExit"));
        ASSERT_TRUE(lvFreqs && txtName && txtComment && txtFilename && txtDate && cmdSave &&
                    cmdClear && cmdLoad && mnuNew && mnuOpen && mnuSave && mnuExit);
    }

    void TearDown() override {
        if (window && window->isVisible()) {
            // Leave without questions: the document is marked saved.
            window->document().SetChanged(false);
            window->close();
        }
        EXPECT_EQ(messages.unansweredQuestions, 0);
        EXPECT_TRUE(messages.answers.empty());
        EXPECT_TRUE(dialogs.answers.empty());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    std::string SitePath(const char* name = "north-ridge.frq") {
        return (std::filesystem::path(folder.path().toStdString()) / name).string();
    }

    // Opens a site written in the given locale through File > Open.
    void OpenSite(const Locale& writer) {
        const std::string path = SitePath();
        WriteSite(path, writer);
        dialogs.answers.push_back(path);
        mnuOpen->trigger();
    }

    QString Cell(int row, int column) const {
        return lvFreqs->model()->index(row, column).data().toString();
    }

    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QRect cell = lvFreqs->visualRect(lvFreqs->model()->index(row, ColRemarks));
        QTest::mouseClick(lvFreqs->viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    QList<int> ViewSelectedRows() const {
        QList<int> rows;
        for (const QModelIndex& index : lvFreqs->selectionModel()->selectedRows()) {
            rows << index.row();
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    QTemporaryDir folder;
    testing::ScriptedMessageBox messages;
    testing::ScriptedFileDialogs dialogs;
    std::unique_ptr<frmMain> window;
    QTableView* lvFreqs = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtComment = nullptr;
    QLineEdit* txtFilename = nullptr;
    QLineEdit* txtDate = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdLoad = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuExit = nullptr;
};

TEST(MainCaptionTest, TitleVersionTwoDigitMinorAndBuild) {
    EXPECT_EQ(MainCaption(3, 5, 312, ""), "Spurline V3.05 build 312");
    EXPECT_EQ(MainCaption(3, 12, 0, ""), "Spurline V3.12 build 0");
}

TEST(MainCaptionTest, FileNameInBrackets) {
    EXPECT_EQ(MainCaption(0, 1, 0, "/home/ann/sites/north-ridge.frq"),
              "Spurline V0.01 build 0 - [north-ridge.frq]");
}

TEST_F(MainWindowTest, StartsEmptyWithTheProgramCaption) {
    EXPECT_EQ(
        window->windowTitle().toStdString(),
        MainCaption(SPURLINE_VERSION_MAJOR, SPURLINE_VERSION_MINOR, SPURLINE_VERSION_PATCH, ""));
    EXPECT_EQ(lvFreqs->model()->rowCount(), 0);
    EXPECT_EQ(lvFreqs->model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Frequency (MHz)"));
    EXPECT_FALSE(cmdSave->isEnabled());
    EXPECT_FALSE(mnuSave->isEnabled());
    EXPECT_FALSE(cmdClear->isEnabled());
    EXPECT_TRUE(txtFilename->isReadOnly());
    EXPECT_TRUE(txtDate->isReadOnly());
    EXPECT_EQ(lvFreqs->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(lvFreqs->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(MainWindowTest, SemicolonTypedIntoSiteNameDisappearsInDecimalCommaLocale) {
    txtName->setFocus();
    QTest::keyClicks(txtName, QStringLiteral("a;b"));
    EXPECT_EQ(txtName->text(), QStringLiteral("ab"));
    EXPECT_EQ(txtName->cursorPosition(), 2);
    EXPECT_EQ(window->document().siteName(), "ab");
    EXPECT_TRUE(cmdSave->isEnabled());
    EXPECT_TRUE(mnuSave->isEnabled());
}

TEST_F(MainWindowTest, CaretStaysWhereItWasWhenTheSeparatorIsRemoved) {
    QTest::keyClicks(txtComment, QStringLiteral("abcd"));
    txtComment->setCursorPosition(2);
    QTest::keyClicks(txtComment, QStringLiteral(";"));
    EXPECT_EQ(txtComment->text(), QStringLiteral("abcd"));
    EXPECT_EQ(txtComment->cursorPosition(), 2);
    QTest::keyClicks(txtComment, QStringLiteral("X"));
    EXPECT_EQ(txtComment->text(), QStringLiteral("abXcd"));
    EXPECT_EQ(window->document().comment(), "abXcd");
}

TEST_F(MainWindowTest, CommaStaysInDecimalCommaLocale) {
    QTest::keyClicks(txtName, QStringLiteral("a,b"));
    EXPECT_EQ(txtName->text(), QStringLiteral("a,b"));
    EXPECT_EQ(window->document().siteName(), "a,b");
}

TEST_F(MainWindowTest, CaretIsKeptAfterNonAsciiLetters) {
    Type(txtName, QString::fromUtf8("Sägewerk"));
    ASSERT_EQ(txtName->text(), QString::fromUtf8("Sägewerk"));
    txtName->setCursorPosition(2); // after "Sä"
    QTest::keyClicks(txtName, QStringLiteral(";"));
    EXPECT_EQ(txtName->text(), QString::fromUtf8("Sägewerk"));
    EXPECT_EQ(txtName->cursorPosition(), 2);
    QTest::keyClicks(txtName, QStringLiteral("-"));
    EXPECT_EQ(txtName->text(), QString::fromUtf8("Sä-gewerk"));
    EXPECT_EQ(window->document().siteName(), "S\xC3\xA4-gewerk");
}

TEST_F(MainWindowTest, CommaTypedIntoSiteNameDisappearsInDecimalPointLocale) {
    Open(Locale::English());
    QTest::keyClicks(txtName, QStringLiteral("a,b;c"));
    EXPECT_EQ(txtName->text(), QStringLiteral("ab;c"));
    EXPECT_EQ(txtName->cursorPosition(), 4);
}

TEST_F(MainWindowTest, OpenShowsTheRowsHeaderAndCaption) {
    QSignalSpy due(window.get(), &frmMain::recalculationDue);
    OpenSite(Locale::German());

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_FALSE(dialogs.shown[0].save);
    EXPECT_EQ(dialogs.shown[0].options.title, "Open frequency list");
    ASSERT_EQ(lvFreqs->model()->rowCount(), 3);
    EXPECT_EQ(Cell(0, ColFrequency), QStringLiteral("      174,00000"));
    EXPECT_EQ(Cell(0, ColOffset), QStringLiteral("+4.600,00"));
    EXPECT_EQ(Cell(0, ColTxBandwidth), QStringLiteral("12,50"));
    EXPECT_EQ(Cell(1, ColTxBandwidth), QStringLiteral("N/A"));
    EXPECT_EQ(Cell(2, ColFrequency), QStringLiteral("    1.234,50000"));
    EXPECT_EQ(Cell(2, ColRemarks), QStringLiteral("Broadcast"));
    EXPECT_EQ(txtName->text(), QStringLiteral("North Ridge"));
    EXPECT_EQ(txtComment->text(), QStringLiteral("Hilltop site"));
    EXPECT_EQ(txtDate->text(), QStringLiteral("05 Dec 2026 11:54:39"));
    EXPECT_TRUE(txtFilename->text().endsWith(QStringLiteral("north-ridge.frq")));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" - [north-ridge.frq]")));
    EXPECT_FALSE(cmdSave->isEnabled());
    EXPECT_FALSE(mnuSave->isEnabled());
    EXPECT_TRUE(cmdClear->isEnabled());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_GE(due.count(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, FileWrittenInDecimalPointLocaleOpensWithDecimalCommas) {
    OpenSite(Locale::English());
    ASSERT_EQ(lvFreqs->model()->rowCount(), 3);
    EXPECT_EQ(Cell(1, ColFrequency), QStringLiteral("      165,25000"));
    EXPECT_EQ(Cell(2, ColOffset), QStringLiteral("-100,00"));
    EXPECT_EQ(Cell(0, ColTxBandwidth), QStringLiteral("12,50"));
}

TEST_F(MainWindowTest, LongPathIsShortenedToFitTheFileNameField) {
    const std::string deep =
        (std::filesystem::path(folder.path().toStdString()) /
         "a-rather-long-folder-name/another-rather-long-folder-name/yet-another-folder")
            .string();
    std::filesystem::create_directories(deep);
    const std::string path = deep + "/north-ridge.frq";
    WriteSite(path, Locale::German());
    txtFilename->setFixedWidth(260);
    dialogs.answers.push_back(path);
    mnuOpen->trigger();

    ASSERT_EQ(lvFreqs->model()->rowCount(), 3);
    const QString shown = txtFilename->text();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/north-ridge.frq"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("..."))) << shown.toStdString();
    EXPECT_LE(txtFilename->fontMetrics().horizontalAdvance(shown), 260);
    EXPECT_EQ(window->document().filePath(), path);
}

TEST_F(MainWindowTest, ClickOnTheFileNameFieldRunsTheLoadCommand) {
    QTest::mouseClick(txtFilename, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u); // cancelled by the script
    EXPECT_EQ(dialogs.shown[0].options.title, "Open frequency list");
    EXPECT_EQ(lvFreqs->model()->rowCount(), 0);
}

TEST_F(MainWindowTest, LoadButtonOpensAFile) {
    WriteSite(SitePath(), Locale::German());
    dialogs.answers.push_back(SitePath());
    QTest::mouseClick(cmdLoad, Qt::LeftButton);
    EXPECT_EQ(lvFreqs->model()->rowCount(), 3);
}

TEST_F(MainWindowTest, SaveAsWritesTheFileAndMarksTheListSaved) {
    OpenSite(Locale::German());
    QTest::keyClicks(txtName, QStringLiteral(" West"));
    ASSERT_TRUE(mnuSave->isEnabled());

    const std::string target = SitePath("saved.frq");
    dialogs.answers.push_back(target);
    mnuSave->trigger();

    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].save);
    EXPECT_EQ(dialogs.shown[1].options.title, "Save frequency list");
    ASSERT_TRUE(std::filesystem::exists(target));
    const std::vector<std::string> lines = SplitLines(DecodeFileText(ReadWholeFile(target)));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "North Ridge West");
    EXPECT_EQ(lines[2], "Hilltop site");
    // Decimal-comma files drop the grouping points and the padding blanks of numbers.
    EXPECT_EQ(lines[3], "174,00000;+4600,00;12,50;Both;Exist;25,00;Mast A;");
    EXPECT_EQ(lines[5], "1234,50000;-100,00;12,50;Tx;Exist;N/A;Broadcast;");
    EXPECT_EQ(txtDate->text().toStdString(), lines[1]);
    EXPECT_FALSE(cmdSave->isEnabled());
    EXPECT_FALSE(mnuSave->isEnabled());
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" - [saved.frq]")));
    EXPECT_TRUE(txtFilename->text().endsWith(QStringLiteral("saved.frq")));
}

TEST_F(MainWindowTest, SaveButtonMirrorsTheChangedState) {
    OpenSite(Locale::German());
    EXPECT_FALSE(cmdSave->isEnabled());
    QTest::keyClicks(txtComment, QStringLiteral("!"));
    EXPECT_TRUE(cmdSave->isEnabled());
    dialogs.answers.push_back(SitePath("other.frq"));
    QTest::mouseClick(cmdSave, Qt::LeftButton);
    EXPECT_FALSE(cmdSave->isEnabled());
    EXPECT_TRUE(std::filesystem::exists(SitePath("other.frq")));
}

TEST_F(MainWindowTest, NewAsksThenClearsEverything) {
    OpenSite(Locale::German());
    QSignalSpy due(window.get(), &frmMain::recalculationDue);
    messages.answers.push_back(msgbox::Yes);
    mnuNew->trigger();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "Are you sure you want to\r\nclear all of the data?");
    EXPECT_EQ(messages.shown[0].buttons, msgbox::Question);
    EXPECT_EQ(lvFreqs->model()->rowCount(), 0);
    EXPECT_TRUE(txtName->text().isEmpty());
    EXPECT_TRUE(txtComment->text().isEmpty());
    EXPECT_TRUE(txtFilename->text().isEmpty());
    EXPECT_TRUE(txtDate->text().isEmpty());
    EXPECT_FALSE(cmdClear->isEnabled());
    EXPECT_FALSE(cmdSave->isEnabled());
    EXPECT_EQ(due.count(), 1);
}

TEST_F(MainWindowTest, NewAnsweredNoKeepsTheListButStillMarksResultsStale) {
    OpenSite(Locale::German());
    QSignalSpy due(window.get(), &frmMain::recalculationDue);
    messages.answers.push_back(msgbox::No);
    mnuNew->trigger();
    EXPECT_EQ(lvFreqs->model()->rowCount(), 3);
    EXPECT_EQ(due.count(), 1);
}

TEST_F(MainWindowTest, ClearAllButtonClearsWithoutMarkingResultsStale) {
    OpenSite(Locale::German());
    QSignalSpy due(window.get(), &frmMain::recalculationDue);
    messages.answers.push_back(msgbox::Yes);
    QTest::mouseClick(cmdClear, Qt::LeftButton);
    EXPECT_EQ(lvFreqs->model()->rowCount(), 0);
    EXPECT_EQ(due.count(), 0);
}

TEST_F(MainWindowTest, ClickedRowsBecomeTheDocumentsSelection) {
    OpenSite(Locale::German());
    ClickRow(1);
    EXPECT_TRUE(window->document().entry(1).selected);
    EXPECT_FALSE(window->document().entry(0).selected);
    EXPECT_EQ(window->document().currentRow(), 1);

    ClickRow(2, Qt::ControlModifier);
    EXPECT_TRUE(window->document().entry(1).selected);
    EXPECT_TRUE(window->document().entry(2).selected);
    EXPECT_EQ(window->document().currentRow(), 2);

    ClickRow(0);
    EXPECT_TRUE(window->document().entry(0).selected);
    EXPECT_FALSE(window->document().entry(1).selected);
    EXPECT_FALSE(window->document().entry(2).selected);
}

TEST_F(MainWindowTest, DocumentSelectionIsShownInTheView) {
    OpenSite(Locale::German());
    EXPECT_TRUE(ViewSelectedRows().isEmpty());
    window->document().SetSelected(2, true);
    EXPECT_EQ(ViewSelectedRows(), QList<int>({2}));
    window->document().InvertSelection();
    EXPECT_EQ(ViewSelectedRows(), QList<int>({0, 1}));
    window->document().SetAllSelected(false);
    EXPECT_TRUE(ViewSelectedRows().isEmpty());
}

TEST_F(MainWindowTest, ClickOnCheckBoxUnchecksTheEntry) {
    OpenSite(Locale::German());
    QSignalSpy due(window.get(), &frmMain::recalculationDue);
    const QModelIndex index = lvFreqs->model()->index(1, ColId);
    QStyleOptionViewItem option;
    option.initFrom(lvFreqs->viewport());
    option.rect = lvFreqs->visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = index.data().toString();
    option.checkState = Qt::Checked;
    const QRect box =
        lvFreqs->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, lvFreqs);
    ASSERT_TRUE(box.isValid());
    QTest::mouseClick(lvFreqs->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());

    EXPECT_FALSE(window->document().entry(1).checked);
    EXPECT_TRUE(window->document().entry(0).checked);
    EXPECT_EQ(due.count(), 1);
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsksAndNoCloses) {
    OpenSite(Locale::German());
    QTest::keyClicks(txtName, QStringLiteral("x"));
    messages.answers.push_back(msgbox::No);
    EXPECT_TRUE(window->close());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt,
              "Do you want to save changes made\r\nto the current frequency list?");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ClosingAnUnchangedListAsksNothing) {
    OpenSite(Locale::German());
    mnuExit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAndAnEmptyListAsksNothing) {
    txtName->setFocus();
    QTest::keyClicks(txtName, QStringLiteral("North"));
    ASSERT_TRUE(cmdSave->isEnabled());
    ASSERT_EQ(lvFreqs->model()->rowCount(), 0);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAndYesSaves) {
    OpenSite(Locale::German());
    QTest::keyClicks(txtName, QStringLiteral("x"));
    messages.answers.push_back(msgbox::Yes);
    dialogs.answers.push_back(SitePath("on-exit.frq"));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(std::filesystem::exists(SitePath("on-exit.frq")));
}

TEST_F(MainWindowTest, CancelledSaveOnCloseKeepsTheWindowOpen) {
    OpenSite(Locale::German());
    QTest::keyClicks(txtName, QStringLiteral("x"));

    messages.answers.push_back(msgbox::Yes);
    dialogs.answers.push_back(std::nullopt); // the Save dialog is cancelled
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(lvFreqs->model()->rowCount(), 3);

    // Asked again, No lets the window close.
    messages.answers.push_back(msgbox::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(MainWindowTest, FailedSaveOnCloseReportsAndKeepsTheWindowOpen) {
    OpenSite(Locale::German());
    QTest::keyClicks(txtName, QStringLiteral("x"));

    messages.answers.push_back(msgbox::Yes);
    dialogs.answers.push_back(SitePath("no-such-folder/x.frq"));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].buttons, msgbox::Critical);
    EXPECT_EQ(messages.shown[1].prompt.rfind("Error: ", 0), 0u);
    EXPECT_TRUE(cmdSave->isEnabled());
}

TEST_F(MainWindowTest, LargeFileLoadsEveryRow) {
    std::string text = "Big site\r\n05 Dec 2026 11:54:39\r\n\r\n";
    constexpr int rows = 20000;
    for (int i = 0; i < rows; ++i) {
        text += std::to_string(10000 + i) + ";0;12,5;Both;Exist;12,5;row " + std::to_string(i) +
                ";\r\n";
    }
    const std::string path = SitePath("big.frq");
    WriteFileAtomically(path, text);
    dialogs.answers.push_back(path);
    mnuOpen->trigger();
    ASSERT_EQ(lvFreqs->model()->rowCount(), rows);
    EXPECT_EQ(Cell(rows - 1, ColRemarks), QStringLiteral("row 19999"));
    EXPECT_EQ(Cell(rows - 1, ColId), QStringLiteral("20000"));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, BrokenFileReportsTheErrorAndLeavesTheWindowUsable) {
    const std::string path = SitePath("broken.frq");
    WriteFileAtomically(path, "only one line\r\n");
    dialogs.answers.push_back(path);
    mnuOpen->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].buttons, msgbox::Critical);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(lvFreqs->model()->rowCount(), 0);
}

} // namespace
} // namespace spurline
