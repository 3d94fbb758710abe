#include "app/FinderWindows.h"

#include "MainWindowFixture.h"
#include "app/FinderInputsPanel.h"
#include "app/IntermodPanel.h"
#include "document/TextHelpers.h"
#include "support/MemorySettingsStore.h"
#include "support/TemporaryFolder.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStringListModel>

namespace spurline {
namespace {

class FinderWindowsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        CreateWindow(Locale::English());
        ShowWindow();
        OpenExample();
        IntermodOptions options = window->intermodPanel().Options();
        options.orders = {};
        options.setOrder(3, true);
        options.setOrder(5, true);
        options.threeFrequencies = false;
        options.filter = VictimFilter::FromOption(1);
        window->intermodPanel().SetOptions(options);
    }

    static void Type(QWidget* dialog, const char* name, const char* text) {
        auto* box = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(text));
    }
};

TEST_F(FinderWindowsTest, ThreeChannelsFoundAndAddedStayClean) {
    window->cmdCalculate_Click();
    const int before = window->document().count();
    window->finder().mnuFindFrequencies->trigger();
    FindFrequenciesDialog& dialog = window->finder().findDialog();
    Check(dialog.results()->model());
    ASSERT_TRUE(dialog.isVisible());
    dialog.findChild<QComboBox*>("cboRole")->setCurrentIndex(2);
    Type(&dialog, "txtFrom", "450");
    Type(&dialog, "txtTo", "470");
    Type(&dialog, "txtStep", "12.5");
    Type(&dialog, "txtOffset", "5000");
    dialog.findChild<QSpinBox*>("udcCount")->setValue(3);
    dialog.Find();
    ASSERT_EQ(dialog.results()->model()->rowCount(), 3);
    EXPECT_EQ(dialog.results()->model()->index(0, 1).data().toString(), "yes");
    dialog.results()->selectAll();
    QSignalSpy due(window.get(), &frmMain::recalculationDue);
    dialog.AddSelected();
    ASSERT_EQ(window->document().count(), before + 3);
    EXPECT_EQ(due.count(), 3);
    EXPECT_EQ(window->document().entry(before).status(), "Plan");

    window->cmdCalculate_Click();
    for (const IntermodListRow& row : window->intermodRows().rows()) {
        for (int added = before + 1; added <= before + 3; ++added) {
            const std::string id = "[" + std::to_string(added) + "]";
            EXPECT_EQ(row.texts[ImColAffects].find(id), std::string::npos) << id;
            EXPECT_EQ(row.texts[ImColComposition2].find(id), std::string::npos) << id;
        }
    }
    // The site has changed: the ranking says so and adds nothing more until found again.
    auto* status = dialog.findChild<QLabel*>("lblStatus");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(dialog.outOfDate());
    EXPECT_EQ(status->text(), "Out of date: press Find to refresh.");
    dialog.results()->selectRow(0);
    dialog.AddSelected();
    EXPECT_EQ(window->document().count(), before + 3);
    EXPECT_TRUE(messages.shown.empty());

    // Found again, one of them is now the list's duplicate.
    dialog.findChild<QSpinBox*>("udcCount")->setValue(1);
    dialog.Find();
    EXPECT_FALSE(dialog.outOfDate());
    EXPECT_EQ(status->text().toStdString().find("Out of date"), std::string::npos);
    const double added =
        QString::fromStdString(TrimBlanks(window->document().entry(before).frequency())).toDouble();
    QAbstractItemModel* results = dialog.results()->model();
    for (int r = 0; r < results->rowCount(); ++r) {
        if (results->index(r, 0).data().toString().toDouble() == added) {
            dialog.results()->selectRow(r);
        }
    }
    dialog.AddSelected();
    EXPECT_EQ(window->document().count(), before + 3);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().prompt, "This frequency is already in the list.");
}

TEST_F(FinderWindowsTest, ChannelListAndExclusionGiveWhatTheCommandLineGives) {
    // The site, channels and range of CommandLine.FindsAmongListedChannelsOutsideExcludedRanges,
    // whose spurline-calc output these rows are.
    const std::string site = "North Ridge,\r\n01 Jan 2024 10:00:00,\r\nhill top,\r\n"
                             "450.00000,0,25.00,Tx,Exist,N/A,main,\r\n"
                             "451.00000,0,25.00,Tx,Exist,N/A,,\r\n"
                             "449.00000,0,N/A,Rx,Plan,25.00,,\r\n";
    const std::string channels = "449.0125\n449.5\n452\nabc\n470.0\n";
    const std::vector<std::string> rows = {"452.00000\tyes\t0\t\t\t1000.0\t",
                                           "470.00000\tno\t0\t\t\t19000.0\texcluded",
                                           "449.01250\tno\t0\t\t\t12.5\tco-channel [3]",
                                           "449.50000\tno\t1\t3rd\t0.0\t500.0\tintermod"};
    auto german = [](std::string text, bool semicolons) {
        for (char& c : text) {
            c = c == '.' ? ',' : c == ',' && semicolons ? ';' : c;
        }
        return text;
    };
    testing::TemporaryFolder folder;
    for (const bool de : {false, true}) {
        SCOPED_TRACE(de);
        CreateWindow(de ? Locale::German() : Locale::English());
        ShowWindow();
        testing::WriteBytes(folder.File("site.frq"), de ? german(site, true) : site);
        testing::WriteBytes(folder.File("channels.txt"), de ? german(channels, false) : channels);
        Open(folder.File("site.frq"));
        ASSERT_EQ(window->document().count(), 3);
        IntermodOptions options = window->intermodPanel().Options();
        options.orders = {};
        options.setOrder(3, true);
        options.harmonics = options.threeFrequencies = options.worstCase = false;
        options.filter = VictimFilter::FromOption(1);
        window->intermodPanel().SetOptions(options);
        testing::MemorySettingsStore store;
        window->finder().SetStore(store);

        window->finder().mnuFindFrequencies->trigger();
        FindFrequenciesDialog& dialog = window->finder().findDialog();
        dialog.findChild<QComboBox*>("cboRole")->setCurrentIndex(0);
        dialogs.answers.push_back(folder.File("channels.txt"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnLoadChannels"), Qt::LeftButton);
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown.back().prompt,
                  "4 channels loaded, lines not taken:\r\nline 4: \"abc\" is not a frequency");
        EXPECT_FALSE(dialog.findChild<QLineEdit*>("txtFrom")->isEnabled());
        EXPECT_EQ(dialog.findChild<QLabel*>("lblCandidates")->text(),
                  "Candidates: 4 channels from channels.txt");

        // A range typed into a new row of the list, in the window's convention.
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnAddRange"), Qt::LeftButton);
        auto* editor = dialog.inputs()->exclusionView()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, de ? "469,995-478,0" : "469.995-478.0");
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits the row queued
        EXPECT_EQ(store.Read("Finder", "Exclusions").value_or(""), "469.995-478");

        dialog.Find();
        QAbstractItemModel* results = dialog.results()->model();
        ASSERT_EQ(results->rowCount(), static_cast<int>(rows.size()));
        ASSERT_EQ(results->columnCount(), 7);
        EXPECT_EQ(results->headerData(6, Qt::Horizontal).toString(), "Conflict kinds");
        for (int r = 0; r < results->rowCount(); ++r) {
            std::string line;
            for (int c = 0; c < 7; ++c) {
                line += (c > 0 ? "\t" : "") + results->index(r, c).data().toString().toStdString();
            }
            EXPECT_EQ(line, de ? german(rows[r], false) : rows[r]);
        }
        // Kept for the next run, shown in the convention of that run's window.
        FinderInputsPanel next(Locale::German(), nullptr, messages, {}, nullptr);
        next.SetStore(store);
        EXPECT_EQ(next.exclusions()->stringList(), QStringList{"469,99500-478,00000"});
        // Back to the raster.
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnRaster"), Qt::LeftButton);
        EXPECT_TRUE(dialog.findChild<QLineEdit*>("txtFrom")->isEnabled());
        dialog.close();
    }
}

// The window's "Most channels" and spurline-calc --most on the same site and inputs: the same
// channels, cell for cell, and the same comparison with greedy first-fit.
TEST_F(FinderWindowsTest, MostChannelsAsOnTheCommandLine) {
    window->finder().mnuFindFrequencies->trigger();
    FindFrequenciesDialog& dialog = window->finder().findDialog();
    dialog.findChild<QComboBox*>("cboRole")->setCurrentIndex(2);
    Type(&dialog, "txtFrom", "451.6");
    Type(&dialog, "txtTo", "452");
    Type(&dialog, "txtStep", "12.5");
    Type(&dialog, "txtOffset", "0");
    auto* most = dialog.findChild<QCheckBox*>("chkMost");
    ASSERT_NE(most, nullptr);
    EXPECT_EQ(most->text(), "&Most channels");
    most->setChecked(true);
    EXPECT_FALSE(dialog.findChild<QSpinBox*>("udcCount")->isEnabled());
    dialog.Find();

    const IntermodOptions options = window->intermodPanel().Options();
    auto onOff = [](bool on) { return QString::fromLatin1(on ? "on" : "off"); };
    QProcess calc;
    calc.start(QStringLiteral(SPURLINE_CALC_PATH),
               QStringList{"--locale",     "en",
                           "--orders",     "3,5",
                           "--three",      "off",
                           "--filter",     "all",
                           "--harmonics",  onOff(options.harmonics),
                           "--worst-case", onOff(options.worstCase),
                           "--find",       "both",
                           "--from",       "451.6",
                           "--to",         "452",
                           "--step",       "12.5",
                           "--most",       QString::fromStdString(ExampleSite())});
    ASSERT_TRUE(calc.waitForFinished(60000));
    ASSERT_EQ(calc.exitCode(), 0);
    const QStringList lines =
        QString::fromUtf8(calc.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    const QAbstractItemModel* results = dialog.results()->model();
    ASSERT_EQ(results->rowCount(), lines.size() - 1);
    EXPECT_GE(results->rowCount(), 2);
    for (int r = 0; r < results->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < results->columnCount(); ++c) {
            cells << results->index(r, c).data().toString();
        }
        EXPECT_EQ(cells.join('\t'), lines[r + 1]);
    }
    const QString told = QString::fromUtf8(calc.readAllStandardError()).trimmed();
    EXPECT_TRUE(told.endsWith("No larger set exists.")) << told.toStdString();
    EXPECT_EQ(dialog.findChild<QLabel*>("lblStatus")->text(), told);
}

TEST_F(FinderWindowsTest, SummaryNamesEntriesByTheirRemarks) {
    const FrequencyList& list = window->document();
    IntermodOptions options = window->intermodPanel().Options();
    options.setOrder(2, true);
    options.threeFrequencies = true;
    window->intermodPanel().SetOptions(options);
    window->finder().mnuSiteSummary->trigger();
    SiteSummaryWindow& summary = window->finder().summaryWindow();
    Check(summary.table()->model());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&summary));
    QAbstractItemModel* table = summary.table()->model();
    ASSERT_EQ(table->columnCount(), 9);
    EXPECT_EQ(table->headerData(8, Qt::Horizontal).toString(), "Remarks");
    for (int r = 0; r < table->rowCount(); ++r) {
        const int entry = table->index(r, 0).data().toInt();
        EXPECT_EQ(table->index(r, 8).data().toString().toStdString(),
                  TrimBlanks(list.entry(entry - 1).remarks()));
    }
    // "Most trouble: entry N (remarks, frequency MHz), ...".
    const QString worst = summary.findChild<QLineEdit*>()->text();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Most trouble: entry (\\d+) \\((.*), (.*) MHz\\), \\d+ "
                                          "products reaching \\d+ receivers\\.$"))
            .match(worst);
    ASSERT_TRUE(match.hasMatch()) << worst.toStdString();
    const FrequencyEntry& named = list.entry(match.captured(1).toInt() - 1);
    EXPECT_EQ(match.captured(2).toStdString(), TrimBlanks(named.remarks()));
    EXPECT_EQ(match.captured(3).toStdString(), TrimBlanks(named.frequency()));
}

TEST_F(FinderWindowsTest, SummarySortsAndSelectsTheEntry) {
    window->finder().mnuSiteSummary->trigger();
    SiteSummaryWindow& summary = window->finder().summaryWindow();
    Check(summary.table()->model());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&summary));
    QTableView* table = summary.table();
    ASSERT_EQ(table->model()->rowCount(), window->document().count());
    // Sorted by products, descending: the first row is an entry with the most.
    table->sortByColumn(3, Qt::DescendingOrder);
    const int most = table->model()->index(0, 3).data().toInt();
    for (int r = 1; r < table->model()->rowCount(); ++r) {
        EXPECT_LE(table->model()->index(r, 3).data().toInt(), most);
    }
    const QModelIndex first = table->model()->index(0, 0);
    const int entry = first.data().toInt();
    const QPoint at = table->visualRect(first).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(window->selection().currentRow(), entry - 1);
    EXPECT_TRUE(window->selection().selected(entry - 1));
}

} // namespace
} // namespace spurline
