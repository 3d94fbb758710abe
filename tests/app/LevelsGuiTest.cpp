// Levels in the window: the margin column, the site's values dialog and the add/edit dialog's
// "Levels" section.

#include "app/IntermodListModel.h"
#include "app/LevelCommands.h"
#include "app/LevelsSection.h"
#include "app/MainWindowFixture.h"
#include "app/SiteLevelsDialog.h"
#include "app/frmAddFreq.h"

#include <QBrush>
#include <QToolButton>

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
    EXPECT_EQ(Cell(lvIntermods, 0, m), QStringLiteral("179.94"));

    SiteLevelsDialog& dialog = window->levels().siteDialog();
    int beeps = 0;
    dialog.beep = [&] { ++beeps; };
    dialog.Load();
    EXPECT_EQ(dialog.box(0)->text(), QStringLiteral("30"));
    dialog.box(0)->setText(QStringLiteral("-1"));
    dialog.cmdOK_Click();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(window->document().siteLevels(), SiteLevels{});
    dialog.box(0)->setText(QStringLiteral("60"));
    dialog.cmdOK_Click();
    EXPECT_EQ(window->document().siteLevels().isolationDb, 60);
    Find<QPushButton>("cmdCalculate")->click();
    // 30 dB more isolation lowers a 3rd-order product by 90 dB.
    EXPECT_EQ(Cell(lvIntermods, 0, m), QStringLiteral("89.94"));

    Find<QAction>("mnuLevels")->trigger();
    EXPECT_TRUE(lvIntermods->isColumnHidden(m));
    // The view's choice waits for levels to come back.
    EXPECT_FALSE(levelView->isEnabled());
    EXPECT_FALSE(window->graph().levelView);
    Find<QAction>("mnuLevels")->trigger();
    EXPECT_TRUE(window->graph().levelView);
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
