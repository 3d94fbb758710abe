#include "app/ColumnWidths.h"

#include "app/AppShell.h"
#include "app/FinderWindows.h"
#include "app/MainWindowFixture.h"
#include "app/Twips.h"
#include "support/FakeMonitors.h"
#include "support/MemorySettingsStore.h"
#include "support/TestClock.h"

#include <QHeaderView>
#include <QStyle>

namespace spurline {
namespace {

// The columns of both lists and of the finder at the screen sizes users have.
class ColumnWidthsTest : public MainWindowFixture {
protected:
    void Start() {
        CreateWindow(Locale::English());
        shell = std::make_unique<AppShell>(*window, store, monitors, clock);
        shell->LoadSettings();
        ShowWindow();
        ShowList();
    }
    void Restart() {
        window->close();
        shell.reset();
        window.reset();
        Start();
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        shell.reset();
    }
    void ShowList() {
        Find<QTabWidget>("tbsIntermods")->setCurrentIndex(0);
        Settle();
    }
    void Resize(QSize size) {
        window->resize(size);
        Settle();
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }
    void Filter(int option) {
        Find<QRadioButton>(qPrintable(QStringLiteral("optShow%1").arg(option)))->click();
        Settle();
    }
    int Pixels(int twips) const { return TwipsToPixels(twips, *lvFreqs); }

    // Every heading shown is whole: its text, the margins either side and the sort mark.
    static void ExpectHeadingsFit(const QTableView* view) {
        const QHeaderView* header = view->horizontalHeader();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
        for (int c = 0; c < header->count(); ++c) {
            if (header->isSectionHidden(c)) {
                continue;
            }
            const QString text = view->model()->headerData(c, Qt::Horizontal).toString();
            SCOPED_TRACE(text.toStdString());
            EXPECT_EQ(header->sectionResizeMode(c), QHeaderView::Interactive);
            EXPECT_LE(header->fontMetrics().horizontalAdvance(text) + 2 * margin + mark,
                      header->sectionSize(c));
        }
    }
    static std::vector<int> Sizes(const QTableView* view) {
        std::vector<int> sizes;
        for (int c = 0; c < view->horizontalHeader()->count(); ++c) {
            sizes.push_back(view->horizontalHeader()->sectionSize(c));
        }
        return sizes;
    }
    // Widening the window widens only the filling columns, until the columns fill the list.
    void ExpectOnlyFillGrows(const QTableView* view, std::vector<int> fill) {
        Resize({1024, 768});
        std::vector<int> narrow = Sizes(view);
        Resize({1600, 1000});
        std::vector<int> wide = Sizes(view);
        const auto last = static_cast<std::size_t>(fill.back());
        EXPECT_GT(wide[last], narrow[last]);
        int total = 0;
        for (const int size : wide) {
            total += size;
        }
        EXPECT_EQ(total, view->viewport()->width());
        for (const int c : fill) {
            const auto k = static_cast<std::size_t>(c);
            EXPECT_GE(wide[k], narrow[k]);
            narrow[k] = wide[k] = 0;
        }
        EXPECT_EQ(wide, narrow);
    }

    testing::MemorySettingsStore store;
    testing::FakeMonitorSource monitors;
    testing::TestClock clock;
    std::unique_ptr<AppShell> shell;
};

TEST_F(ColumnWidthsTest, EveryHeadingFitsAtBothScreenSizes) {
    Start();
    OpenExample();
    for (const QSize size : {QSize(1024, 768), QSize(1600, 1000)}) {
        SCOPED_TRACE(size.width());
        Resize(size);
        for (const int option : {0, 1}) {
            Filter(option);
            ExpectHeadingsFit(lvFreqs);
            ExpectHeadingsFit(lvIntermods);
        }
    }
    // The finder before its first run.
    FindFrequenciesDialog& finder = window->finder().findDialog();
    finder.Open();
    Settle();
    ExpectHeadingsFit(finder.results());
    finder.hide();
}

TEST_F(ColumnWidthsTest, RemarksAndTheLastCompositionOrVictimColumnTakeTheFreeWidth) {
    Start();
    OpenExample();
    ExpectOnlyFillGrows(lvFreqs, {ColRemarks});
    Filter(0);
    ExpectOnlyFillGrows(lvIntermods, {ImColComposition1, ImColComposition2});
    // With the victim columns shown the compositions first get what their texts need.
    Filter(1);
    window->cmdCalculate_Click();
    Settle();
    ExpectOnlyFillGrows(lvIntermods, {ImColComposition1, ImColComposition2, ImColAffects,
                                      ImColAffectedPlanned, ImColAffectedExisting});
    ASSERT_GT(lvIntermods->model()->rowCount(), 1);
    const auto* delegate = lvIntermods->itemDelegate();
    for (const int c : {ImColComposition1, ImColComposition2}) {
        for (int row = 0; row < lvIntermods->model()->rowCount(); ++row) {
            QStyleOptionViewItem option;
            option.initFrom(lvIntermods);
            const QModelIndex index = lvIntermods->model()->index(row, c);
            EXPECT_LE(delegate->sizeHint(option, index).width(), lvIntermods->columnWidth(c))
                << index.data().toString().toStdString();
        }
    }
    // A column dragged wider takes its width from the filling one.
    const int remarks = lvFreqs->columnWidth(ColRemarks);
    lvFreqs->horizontalHeader()->resizeSection(ColFrequency,
                                               lvFreqs->columnWidth(ColFrequency) + 40);
    Settle();
    EXPECT_EQ(lvFreqs->columnWidth(ColRemarks), remarks - 40);
}

TEST_F(ColumnWidthsTest, WidthsSurviveARestartAndABadOneTakesItsDefault) {
    Start();
    lvFreqs->horizontalHeader()->resizeSection(ColFrequency, Pixels(2400));
    lvIntermods->horizontalHeader()->resizeSection(ImColOrder, Pixels(1500));
    Filter(1);
    lvIntermods->horizontalHeader()->resizeSection(ImColAffectedPlanned, Pixels(3300));
    Filter(0);
    Settle();
    Restart();
    const std::string frequencies = store.values.at({"Columns", "Frequencies"});
    const std::string intermods = store.values.at({"Columns", "Intermods"});
    EXPECT_EQ(QString::fromStdString(frequencies).split(' ').value(ColFrequency), "2400");
    EXPECT_EQ(QString::fromStdString(intermods).split(' ').value(ImColOrder), "1500");
    EXPECT_EQ(QString::fromStdString(intermods).split(' ').value(ImColAffectedPlanned), "3300");
    EXPECT_EQ(lvFreqs->columnWidth(ColFrequency), Pixels(2400));
    EXPECT_EQ(lvIntermods->columnWidth(ImColOrder), Pixels(1500));
    Filter(1);
    EXPECT_EQ(lvIntermods->columnWidth(ImColAffectedPlanned), Pixels(3300));

    // The offset width damaged: only that column starts at its design width.
    QStringList damaged = QString::fromStdString(frequencies).split(' ');
    damaged[ColOffset] = "wide";
    store.values[{"Columns", "Frequencies"}] = damaged.join(' ').toStdString();
    window->document().SetChanged(false);
    Restart();
    EXPECT_EQ(lvFreqs->columnWidth(ColOffset), Pixels(1470));
    EXPECT_EQ(lvFreqs->columnWidth(ColFrequency), Pixels(2400));
}

} // namespace
} // namespace spurline
