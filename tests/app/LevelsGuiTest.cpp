// Levels in the window: the margin column, the site's values dialog and the add/edit dialog's
// "Levels" section.

#include "app/FinderWindows.h"
#include "app/IntermodListModel.h"
#include "app/IntermodPanel.h"
#include "app/LevelCommands.h"
#include "app/LevelsSection.h"
#include "app/MainWindowFixture.h"
#include "app/ReceiverLevelsTable.h"
#include "app/SiteLevelsDialog.h"
#include "app/frmAddFreq.h"

#include <QBrush>
#include <QToolButton>
#include <algorithm>
#include <tuple>

namespace spurline {
namespace {

// The margin is the tenth column: its texts in the list's convention, sorted by value (the
// highest, most harmful, first when descending), harmful rows marked.
TEST(IntermodListModelLevels, MarginColumnShowsSortsAndMarks) {
    IntermodList rows;
    for (std::optional<double> margin :
         {std::optional<double>(-9.061), std::optional<double>(12.5), std::optional<double>(),
          std::optional<double>(-0.004), std::optional<double>(-30)}) {
        IntermodListRow row;
        row.texts[ImColFrequency] = "x";
        row.worstMarginDb = margin;
        rows.AddRow(row);
    }
    IntermodListModel model(rows);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.SetLocale(Locale::German());
    model.Refresh();
    const int m = IntermodListModel::MarginColumn;
    EXPECT_EQ(model.headerData(m, Qt::Horizontal).toString(), QStringLiteral("Margin (dB)"));
    auto column = [&] {
        QStringList texts;
        for (int r = 0; r < model.rowCount(); ++r) {
            texts << model.index(r, m).data().toString();
        }
        return texts.join('|');
    };
    EXPECT_EQ(column(), QStringLiteral("-9,06|12,50||0,00|-30,00"));
    model.ColumnClick(m); // descending first
    EXPECT_EQ(column(), QStringLiteral("12,50|0,00|-9,06|-30,00|"));
    EXPECT_TRUE(model.index(0, 0).data(Qt::BackgroundRole).isValid());
    // -0.004 dB shows as 0,00 but is below the sensitivity: marginal, not marked.
    EXPECT_FALSE(model.index(1, 3).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model.index(4, 0).data(Qt::BackgroundRole).isValid());
    model.ColumnClick(m);
    EXPECT_EQ(column(), QStringLiteral("|-30,00|-9,06|0,00|12,50"));
}

class LevelsWindowTest : public MainWindowFixture {};

// Off: no margin column and no margins; on: the column shows after a calculation with the site's
// values, which the dialog changes (a refused value keeps it open).
TEST_F(LevelsWindowTest, MenuTurnsLevelsOnAndTheDialogSetsTheSiteValues) {
    CreateWindow(Locale::English());
    ShowWindow();
    OpenExample();
    const int m = IntermodListModel::MarginColumn;
    EXPECT_TRUE(lvIntermods->isColumnHidden(m));
    Find<QRadioButton>("optShow1")->click();
    Find<QPushButton>("cmdCalculate")->click();
    ASSERT_GT(lvIntermods->model()->rowCount(), 0);
    EXPECT_EQ(Cell(lvIntermods, 0, m), QString());

    auto* levelView = Find<QAction>("mnuLevelView");
    EXPECT_FALSE(levelView->isEnabled());
    Find<QAction>("mnuLevels")->trigger();
    EXPECT_FALSE(lvIntermods->isColumnHidden(m));
    ASSERT_TRUE(levelView->isEnabled());
    levelView->trigger();
    EXPECT_TRUE(window->graph().levelView);
    Find<QPushButton>("cmdCalculate")->click();
    // The example's own values (its .levels file): 450.06250 MHz reaches the ambulance service's
    // receiver 8.02 dB below its sensitivity.
    EXPECT_EQ(Cell(lvIntermods, 0, m), QStringLiteral("-8.02"));

    SiteLevelsDialog& dialog = window->levels().siteDialog();
    int beeps = 0;
    dialog.beep = [&] { ++beeps; };
    dialog.Load();
    EXPECT_EQ(dialog.box(0)->text(), QStringLiteral("30"));
    const SiteLevels example = window->document().siteLevels();
    EXPECT_EQ(example.txExtraDb, 25);
    dialog.box(0)->setText(QStringLiteral("-1"));
    dialog.cmdOK_Click();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(window->document().siteLevels(), example);
    dialog.box(0)->setText(QStringLiteral("60"));
    dialog.cmdOK_Click();
    EXPECT_EQ(window->document().siteLevels().isolationDb, 60);
    Find<QPushButton>("cmdCalculate")->click();
    // 30 dB more isolation lowers a 3rd-order product by 90 dB.
    EXPECT_EQ(Cell(lvIntermods, 0, m), QStringLiteral("-98.02"));

    Find<QAction>("mnuLevels")->trigger();
    EXPECT_TRUE(lvIntermods->isColumnHidden(m));
    // The view's choice waits for levels to come back.
    EXPECT_FALSE(levelView->isEnabled());
    EXPECT_FALSE(window->graph().levelView);
    Find<QAction>("mnuLevels")->trigger();
    EXPECT_TRUE(window->graph().levelView);
}

// Two 25 W transmitters at 450.0 and 450.1 MHz put third-order products on 449.9 and 450.2 MHz.
// With the site's values (30 dB isolation, -116 dBm, 70 dB) each reaches its receiver at
// 3 x 13.98 - 2 x (-116 + 105) = 63.94 dBm; the one at 449.9 MHz has -100 dBm and 45 dB of
// receive isolation: 41.94 - 3 x 45 - 2 x 5 = -103.06 dBm. The quiet receiver is not listed.
TEST_F(LevelsWindowTest, SummaryListsTheReceiversTotalsWorstFirstWhileLevelsAreOn) {
    struct Case {
        Locale locale;
        const char* rows;
    };
    for (const Case& c :
         {Case{Locale::English(), "4|450.20000|1|63.94|179.94|harmful|Rx high\n"
                                  "3|449.90000|1|-103.06|-3.06|marginal|Rx low\n"},
          Case{Locale::German(), "4|450,20000|1|63,94|179,94|harmful|Rx high\n"
                                 "3|449,90000|1|-103,06|-3,06|marginal|Rx low\n"}}) {
        SCOPED_TRACE(c.locale.decimalSeparator);
        CreateWindow(c.locale);
        FrequencyList& list = window->document();
        auto mhz = [&](const char* text) {
            std::string number = text;
            std::replace(number.begin(), number.end(), '.', c.locale.decimalSeparator[0]);
            return number;
        };
        const std::string bw = mhz("12.5");
        for (auto [f, role, remarks] :
             {std::tuple{"450", "Tx", "Tx A"}, std::tuple{"450.1", "Tx", "Tx B"},
              std::tuple{"449.9", "Rx", "Rx low"}, std::tuple{"450.2", "Rx", "Rx high"},
              std::tuple{"451", "Rx", "Quiet"}}) {
            ASSERT_TRUE(list.AddEntry({mhz(f), "0", bw, role, "Exist", bw, remarks}));
        }
        list.SetEntryLevels(2, EntryLevels{{}, -100, {}, {}, 45});
        IntermodOptions options = IntermodOptions::Defaults();
        options.harmonics = false;
        options.orders = {};
        options.setOrder(3, true);
        window->intermodPanel().SetOptions(options);

        window->finder().mnuSiteSummary->trigger();
        SiteSummaryWindow& summary = window->finder().summaryWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&summary));
        ReceiverLevelsTable& receivers = *summary.receivers();
        EXPECT_FALSE(receivers.isVisible());

        Find<QAction>("mnuLevels")->trigger();
        summary.Refresh();
        ASSERT_TRUE(receivers.isVisible());
        QAbstractItemModel* model = receivers.table()->model();
        Check(model);
        QString rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            for (int col = 0; col < model->columnCount(); ++col) {
                rows += model->index(r, col).data().toString() +
                        (col + 1 < model->columnCount() ? "|" : "\n");
            }
        }
        EXPECT_EQ(rows.toStdString(), c.rows);
        EXPECT_EQ(model->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Remarks"));
        EXPECT_TRUE(model->index(0, 5).data(Qt::BackgroundRole).isValid());
        EXPECT_FALSE(model->index(1, 5).data(Qt::BackgroundRole).isValid());
        // A double click selects the receiver's entry.
        const QPoint at = receivers.table()->visualRect(model->index(1, 0)).center();
        QTest::mouseClick(receivers.table()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(receivers.table()->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(window->selection().currentRow(), 2);

        Find<QAction>("mnuLevels")->trigger();
        EXPECT_FALSE(receivers.isVisible());
        summary.Refresh();
        EXPECT_FALSE(receivers.isVisible());
        EXPECT_EQ(summary.table()->model()->rowCount(), 5);
        list.SetChanged(false);
        window.reset();
    }
}

// The section starts folded; its values go to the entry added or edited, and a refused one keeps
// the dialog open without adding.
TEST(AddFreqDialogLevels, ValuesReachTheEntry) {
    FrequencyList list(Locale::German());
    FrequencySelection selection(list);
    ListCommandStates states(list, selection);
    frmAddFreq dialog(list, selection, states);
    int beeps = 0;
    dialog.beep = [&] { ++beeps; };
    LevelsSection& levels = dialog.levels();
    dialog.Activate(false);
    EXPECT_FALSE(levels.expanded());
    levels.toggle()->click();
    EXPECT_TRUE(levels.expanded());
    levels.box(LevelTxPower)->setText(QStringLiteral("0"));
    dialog.cmdAdd_Click();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(list.count(), 0);
    levels.box(LevelTxPower)->setText(QStringLiteral("12,5"));
    levels.box(LevelRxExtra)->setText(QStringLiteral("20"));
    dialog.cmdAdd_Click();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).levels, (EntryLevels{12.5, {}, {}, {}, 20}));

    selection.SelectOnly(0);
    dialog.Activate(true);
    EXPECT_EQ(levels.box(LevelTxPower)->text(), QStringLiteral("12,5"));
    levels.box(LevelTxPower)->clear();
    levels.box(LevelSensitivity)->setText(QStringLiteral("-118,5"));
    dialog.cmdAdd_Click();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).levels, (EntryLevels{{}, -118.5, {}, {}, 20}));
}

} // namespace
} // namespace spurline
