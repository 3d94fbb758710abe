#include "app/MainWindow.h"

#include "app/MainWindowFixture.h"
#include "document/AtomicFile.h"
#include "document/FrequencyListFile.h"
#include "document/TextEncoding.h"
#include "support/TemporaryFolder.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <filesystem>

namespace spurline {
namespace {

// Writes a frequency list file the way the program itself does.
void WriteSite(const std::string& path, const Locale& locale) {
    FrequencyList site(locale);
    const std::string bw = locale.decimalSeparator == "," ? "12,5" : "12.5";
    site.SetSiteName("North Ridge");
    site.SetComment("Hilltop site");
    site.AddEntry({"174", "4600", bw, "Both", "Exist", "25", "Mast A"});
    site.AddEntry(
        {"165" + locale.decimalSeparator + "25", "0", bw, "Rx", "Exist", "25", "Control receiver"});
    site.AddEntry(
        {"1234" + locale.decimalSeparator + "5", "-100", bw, "Tx", "Exist", "25", "Broadcast"});
    WriteFileAtomically(path, EncodeFileText(WriteFrequencyListText(site, "05 Dec 2026 11:54:39")));
}

class MainWindowTest : public MainWindowFixture {
protected:
    void SetUp() override { Start(Locale::German()); }

    void Start(const Locale& locale) {
        CreateWindow(locale);
        window->show();
        txtName = Find<QLineEdit>("txtName");
        txtComment = Find<QLineEdit>("txtComment");
        txtFilename = Find<QLineEdit>("txtFilename");
        txtDate = Find<QLineEdit>("txtDate");
        cmdSave = Find<QPushButton>("cmdSave");
        cmdClear = Find<QPushButton>("cmdClear");
        mnuSave = Find<QAction>("mnuSave");
    }

    std::string SitePath(const char* name = "north-ridge.frq") { return folder.File(name); }

    // Opens a site written with the decimal comma through File > Open.
    void OpenSite() {
        WriteSite(SitePath(), Locale::German());
        Open(SitePath());
    }

    std::vector<bool> Selected() const {
        std::vector<bool> selected;
        for (int row = 0; row < window->document().count(); ++row) {
            selected.push_back(window->selection().selected(row));
        }
        return selected;
    }

    QList<int> ViewSelectedRows() const {
        QList<int> rows;
        for (const QModelIndex& index : lvFreqs->selectionModel()->selectedRows()) {
            rows << index.row();
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    testing::TemporaryFolder folder;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtComment = nullptr;
    QLineEdit* txtFilename = nullptr;
    QLineEdit* txtDate = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClear = nullptr;
    QAction* mnuSave = nullptr;
};

TEST(MainCaptionTest, TitleVersionTwoDigitMinorBuildAndFileName) {
    EXPECT_EQ(MainCaption(3, 5, 312, ""), "Spurline V3.05 build 312");
    EXPECT_EQ(MainCaption(3, 12, 0, ""), "Spurline V3.12 build 0");
    EXPECT_EQ(MainCaption(0, 1, 0, "/home/ann/sites/north-ridge.frq"),
              "Spurline V0.01 build 0 - [north-ridge.frq]");
}

TEST_F(MainWindowTest, StartsEmptyWithTheProgramCaption) {
    EXPECT_EQ(
        window->windowTitle().toStdString(),
        MainCaption(SPURLINE_VERSION_MAJOR, SPURLINE_VERSION_MINOR, SPURLINE_VERSION_PATCH, ""));
    EXPECT_FALSE(cmdSave->isEnabled() || mnuSave->isEnabled() || cmdClear->isEnabled());
    EXPECT_TRUE(txtFilename->isReadOnly() && txtDate->isReadOnly());
    // The two columns of header fields share the width alike.
    EXPECT_EQ(txtName->width(), txtFilename->width());
    EXPECT_EQ(lvFreqs->selectionBehavior(), QAbstractItemView::SelectRows);
}

// Typed at the caret into the preset text; "ä" is a letter of two bytes before the caret.
TEST_F(MainWindowTest, TheFileSeparatorTypedIntoTheHeaderFieldsDisappears) {
    struct Case {
        bool english;
        const char* field;
        const char* preset;
        int at;
        const char* typed;
        const char* text;
        int caret;
    };
    for (const Case& c : {Case{false, "txtName", "", 0, "a;b", "ab", 2},
                          Case{true, "txtComment", "", 0, "a,b;c", "ab;c", 4},
                          Case{false, "txtName", "Sägewerk", 2, ";-", "Sä-gewerk", 3}}) {
        SCOPED_TRACE(c.typed);
        Start(c.english ? Locale::English() : Locale::German());
        auto* field = Find<QLineEdit>(c.field);
        field->setText(QString::fromUtf8(c.preset));
        field->setFocus();
        field->setCursorPosition(c.at);
        QTest::keyClicks(field, QString::fromLatin1(c.typed));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(field->cursorPosition(), c.caret);
        EXPECT_EQ(c.field[3] == 'N' ? window->document().siteName() : window->document().comment(),
                  c.text);
        EXPECT_TRUE(cmdSave->isEnabled() && mnuSave->isEnabled());
    }
}

// File > Open runs the same load command in every other test.
TEST_F(MainWindowTest, LoadShowsTheRowsHeaderAndCaptionInTheWindowsLocale) {
    QTest::mouseClick(txtFilename, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u); // cancelled by the script
    EXPECT_EQ(dialogs.shown[0].options.title, "Open frequency list");
    EXPECT_EQ(lvFreqs->model()->rowCount(), 0);
    // Written with a decimal point, shown with the window's decimal comma; the long path is
    // shortened to fit the file name's field.
    const std::string deep =
        SitePath("a-rather-long-folder-name/another-rather-long-folder-name/yet-another-folder");
    std::filesystem::create_directories(deep);
    WriteSite(deep + "/north-ridge.frq", Locale::English());
    txtFilename->setFixedWidth(260);
    QSignalSpy due(window.get(), &frmMain::recalculationDue);
    dialogs.answers.push_back(deep + "/north-ridge.frq");
    QTest::mouseClick(Find<QPushButton>("cmdLoad"), Qt::LeftButton);
    ASSERT_EQ(lvFreqs->model()->rowCount(), 3);
    QStringList shown;
    for (int row = 0; row < 3; ++row) {
        shown << Cell(row, ColFrequency) + "|" + Cell(row, ColOffset) + "|" +
                     Cell(row, ColTxBandwidth) + "|" + Cell(row, ColRemarks);
    }
    EXPECT_EQ(shown, QStringList({"      174,00000|+4.600,00|12,50|Mast A",
                                  "      165,25000|0|N/A|Control receiver",
                                  "    1.234,50000|-100,00|12,50|Broadcast"}));
    EXPECT_EQ(txtName->text() + "|" + txtComment->text() + "|" + txtDate->text(),
              QStringLiteral("North Ridge|Hilltop site|05 Dec 2026 11:54:39"));
    const QString path = txtFilename->text();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/north-ridge.frq")) && path.contains("..."))
        << path.toStdString();
    EXPECT_LE(txtFilename->fontMetrics().horizontalAdvance(path), 260);
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" - [north-ridge.frq]")));
    EXPECT_FALSE(cmdSave->isEnabled() || mnuSave->isEnabled());
    EXPECT_TRUE(cmdClear->isEnabled());
    EXPECT_GE(due.count(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, SaveAsWritesTheFileAndMarksTheListSaved) {
    OpenSite();
    QTest::keyClicks(txtName, QStringLiteral(" West"));
    const std::string target = SitePath("saved.frq");
    dialogs.answers.push_back(target);
    mnuSave->trigger();

    // The file's bytes are pinned with the file commands; here the window's part of them.
    const std::vector<std::string> lines = SplitLines(DecodeFileText(ReadWholeFile(target)));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "North Ridge West");
    EXPECT_EQ(txtDate->text().toStdString(), lines[1]);
    EXPECT_FALSE(cmdSave->isEnabled() || mnuSave->isEnabled());
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" - [saved.frq]")));
    EXPECT_TRUE(txtFilename->text().endsWith(QStringLiteral("saved.frq")));

    // The button saves too.
    QTest::keyClicks(txtComment, QStringLiteral("!"));
    dialogs.answers.push_back(SitePath("other.frq"));
    QTest::mouseClick(cmdSave, Qt::LeftButton);
    EXPECT_FALSE(cmdSave->isEnabled());
    EXPECT_TRUE(std::filesystem::exists(SitePath("other.frq")));
}

TEST_F(MainWindowTest, NewAndClearAllAskThenClear) {
    struct Case {
        const char* control;
        int answer;
        int rows;
        int recalculations; // File > New marks the results stale even when answered No
    };
    for (const Case& c : {Case{"mnuNew", msgbox::Yes, 0, 1}, Case{"mnuNew", msgbox::No, 3, 1},
                          Case{"cmdClear", msgbox::Yes, 0, 0}}) {
        SCOPED_TRACE(c.control);
        SetUp();
        messages.shown.clear();
        OpenSite();
        QSignalSpy due(window.get(), &frmMain::recalculationDue);
        messages.answers.push_back(c.answer);
        if (c.control[0] == 'm') {
            Find<QAction>(c.control)->trigger();
        } else {
            QTest::mouseClick(cmdClear, Qt::LeftButton);
        }
        ASSERT_EQ(messages.shown.size(), 1u); // its text is the list's own
        EXPECT_EQ(lvFreqs->model()->rowCount(), c.rows);
        EXPECT_EQ(due.count(), c.recalculations);
        if (c.rows == 0) {
            EXPECT_TRUE(txtName->text().isEmpty() && txtComment->text().isEmpty() &&
                        txtFilename->text().isEmpty() && txtDate->text().isEmpty());
            EXPECT_FALSE(cmdClear->isEnabled() || cmdSave->isEnabled());
        }
    }
}

TEST_F(MainWindowTest, SelectionGoesBothWaysBetweenViewAndDocument) {
    OpenSite();
    ClickRow(1);
    ClickRow(2, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<bool>{false, true, true}));
    ClickRow(0);
    EXPECT_EQ(Selected(), (std::vector<bool>{true, false, false}));

    window->selection().SetAllSelected(false);
    EXPECT_TRUE(ViewSelectedRows().isEmpty());
    window->selection().SetSelected(2, true);
    EXPECT_EQ(ViewSelectedRows(), QList<int>({2}));
    window->selection().InvertSelection();
    EXPECT_EQ(ViewSelectedRows(), QList<int>({0, 1}));
}

TEST_F(MainWindowTest, ClickOnCheckBoxUnchecksTheEntry) {
    OpenSite();
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

// The question's answers are pinned with the file commands; here closing follows them.
TEST_F(MainWindowTest, ClosingAsksAndStaysOpenWhenTheListWasNotSaved) {
    OpenSite();
    EXPECT_TRUE(window->close()); // unchanged: no question
    Start(Locale::German());
    OpenSite();
    QTest::keyClicks(txtName, QStringLiteral("x"));
    messages.answers = {msgbox::Yes};
    dialogs.answers.push_back(std::nullopt); // the Save dialog cancelled
    EXPECT_FALSE(window->close());
    EXPECT_EQ(lvFreqs->model()->rowCount(), 3);
    messages.answers = {msgbox::No};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(messages.shown.size(), 2u);
}

// The report's text is pinned with the file commands; here the window stays usable.
TEST_F(MainWindowTest, BrokenFileIsReportedAndTheWindowStaysUsable) {
    WriteFileAtomically(SitePath("broken.frq"), "only one line\r\n");
    Open(SitePath("broken.frq"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].buttons, msgbox::Critical);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(lvFreqs->model()->rowCount(), 0);
}

} // namespace
} // namespace spurline
