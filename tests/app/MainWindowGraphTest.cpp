#include "app/GraphWidget.h"
#include "app/MainWindow.h"
#include "app/MainWindowFixture.h"
#include "app/UpDownControl.h"

#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

namespace spurline {
namespace {

// The spectrum graph as the main window wires it: the zoom panel, the wheel hook, the keys, the
// graph's menu, the "Auto &zoom" items, "&fundamental" and the hover read-out.
class MainWindowGraphTest : public MainWindowFixture {
protected:
    void SetUp() override {
        CreateWindow(Locale::English());
        window->resize(1000, 720);
        ShowWindow();
        if (HasFatalFailure()) {
            return;
        }
        picSpectrum = Find<GraphWidget>("picSpectrum");
        picZoomPan = Find<QWidget>("picZoomPan");
    }

    void Calculate() {
        QTest::mouseClick(Find<QPushButton>("cmdCalculate"), Qt::LeftButton);
        ASSERT_GT(window->products().Count(), 0);
    }

    // A wheel turn with the pointer over the middle of over (the target itself by default).
    bool SendWheel(QWidget* target, QPoint angle, QWidget* over = nullptr) {
        over = over != nullptr ? over : target;
        const QPoint global = over->mapToGlobal(QPoint(over->width() / 2, over->height() / 2));
        const QPointF at = target->mapFromGlobal(global);
        QWheelEvent event(at, global, QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    }

    ViewRange View() const { return window->graph().view; }

    // The left edge of the picture as last drawn, in MHz: shows that the graph was redrawn. The
    // controller's redraws are counted by its own tests; here they reach the widget.
    double DrawnLow() const { return picSpectrum->canvas().ToGraph(QPointF(0, 0)).x() / 10; }

    // The picture position of a frequency (MHz) at the given fraction of the height from the top.
    QPoint At(double mhz, double fromTop = 0.5) const {
        const ViewRange v = View();
        return QPoint(static_cast<int>((mhz - v.ViewLow) / v.width() * picSpectrum->width()),
                      static_cast<int>(picSpectrum->height() * fromTop));
    }

    QColor PixelAt(QPoint at) const {
        const QImage& image = picSpectrum->image();
        const qreal ratio = picSpectrum->devicePixelRatioF();
        return QColor(image.pixel(qRound(at.x() * ratio), qRound(at.y() * ratio)));
    }

    GraphWidget* picSpectrum = nullptr;
    QWidget* picZoomPan = nullptr;
};

TEST_F(MainWindowGraphTest, ZoomPanelLiesOnTheGraphWithItsBackground) {
    EXPECT_EQ(picZoomPan->parentWidget(), picSpectrum->parentWidget());
    EXPECT_TRUE(picSpectrum->geometry().contains(picZoomPan->geometry()));
    EXPECT_TRUE(picZoomPan->autoFillBackground());
    EXPECT_EQ(picZoomPan->palette().color(QPalette::Window), QColor(255, 255, 255));

    EXPECT_EQ(Find<QPushButton>("cmdExtents")->text() + Find<QPushButton>("cmdVictims")->text(),
              QStringLiteral("&Extents&Victims"));
    for (const char* name : {"cmdZoomIn", "cmdZoomOut", "cmdExtents", "cmdVictims"}) {
        auto* button = Find<QPushButton>(name);
        EXPECT_TRUE(button->isEnabled() && button->isVisible()) << name;
        EXPECT_EQ(button->parentWidget(), picZoomPan) << name;
    }

    // The page grows to the right and down: the panel stays in the top left corner.
    const QPoint corner = picZoomPan->pos();
    window->resize(1200, 860);
    QCoreApplication::processEvents();
    EXPECT_EQ(picZoomPan->pos(), corner);
}

TEST_F(MainWindowGraphTest, ZoomButtonsPageKeysAndScrollMoveTheView) {
    // The zoom buttons leave the focus where it was; the page keys zoom wherever it is.
    lvFreqs->setFocus();
    QTest::mouseClick(Find<QPushButton>("cmdZoomIn"), Qt::LeftButton);
    EXPECT_EQ(View(), (ViewRange{12500, 87500}));
    EXPECT_NEAR(DrawnLow(), 12500, 1e-6);
    EXPECT_TRUE(lvFreqs->hasFocus());
    QTest::mouseClick(Find<QPushButton>("cmdZoomOut"), Qt::LeftButton);
    EXPECT_EQ(View(), ZoomOut(ViewRange{12500, 87500}));
    window->graph().view = {0, 100000};
    QTest::keyClick(lvFreqs, Qt::Key_PageDown);
    EXPECT_EQ(View(), (ViewRange{12500, 87500}));
    QTest::keyClick(lvFreqs, Qt::Key_PageUp);
    EXPECT_EQ(View(), ZoomOut(ViewRange{12500, 87500}));

    auto* scroll = Find<UpDownControl>("udcScrollSpectrum");
    window->graph().view = {10, 20};
    // The down arrow (left, pointing left) goes half a view towards lower frequencies.
    EXPECT_EQ(scroll->downButton()->arrowType(), Qt::LeftArrow);
    EXPECT_LT(scroll->downButton()->x(), scroll->upButton()->x());
    QTest::mouseClick(scroll->downButton(), Qt::LeftButton);
    EXPECT_EQ(View(), (ViewRange{5, 15}));
    QTest::mouseClick(scroll->upButton(), Qt::LeftButton);
    EXPECT_EQ(View(), (ViewRange{10, 20}));
}

// What a fit gives is pinned with the view navigation; here the buttons reach it.
TEST_F(MainWindowGraphTest, FitButtonsFitExtentsAndTheFilteredReceivers) {
    OpenExample();
    Calculate();
    window->graph().view = {0, 100000};
    QTest::mouseClick(Find<QPushButton>("cmdExtents"), Qt::LeftButton);
    const ViewRange extents =
        FitExtents(ViewRange{0, 100000}, window->document(), window->products()).view;
    EXPECT_EQ(View(), extents);
    EXPECT_LT(View().width(), 2000);

    // Planned receivers only, read at the click.
    Find<QRadioButton>("optShow2")->click();
    QTest::mouseClick(Find<QPushButton>("cmdVictims"), Qt::LeftButton);
    const ViewRange victims = FitVictims(extents, window->document(), window->products(), 2).view;
    EXPECT_EQ(View(), victims);
    EXPECT_NE(victims, extents);
}

TEST_F(MainWindowGraphTest, WheelTurnLeftToTheWindowZoomsOneStepPerNotch) {
    // The graph leaves the turn to its window instead of zooming by itself.
    EXPECT_FALSE(SendWheel(picSpectrum, QPoint(0, 120)));
    EXPECT_EQ(View(), (ViewRange{0, 100000}));

    // Qt hands a real turn that the graph left unhandled on to the window, where the hook is.
    SendWheel(window.get(), QPoint(0, 120), picSpectrum);
    EXPECT_EQ(View(), (ViewRange{12500, 87500}));
    SendWheel(window.get(), QPoint(0, -120));
    const ViewRange before = View();
    EXPECT_EQ(before, ZoomOut(ViewRange{12500, 87500}));
    // A turn over a list that it could not scroll stays with the list.
    EXPECT_EQ(lvFreqs->verticalScrollBar()->maximum(), 0);
    SendWheel(window.get(), QPoint(0, 120), lvFreqs->viewport());
    SendWheel(window.get(), QPoint(0, -120), lvFreqs->viewport());
    EXPECT_EQ(View(), before);
    // Turns over the zoom panel's buttons zoom.
    SendWheel(window.get(), QPoint(0, 120), Find<QPushButton>("cmdExtents"));
    EXPECT_EQ(View(), ZoomIn(before).view);
}

TEST_F(MainWindowGraphTest, RightButtonOnTheGraphPopsUpTheEditMenuForTheGraph) {
    window->listCommands().EditMenuTarget = EditFrequencyList;
    const QPoint at(picSpectrum->width() / 2, picSpectrum->height() / 2);
    QTest::mousePress(picSpectrum, Qt::RightButton, Qt::NoModifier, at);
    EXPECT_EQ(window->listCommands().EditMenuTarget, EditGraph);
    auto* edit = Find<QMenu>("mnuEdit");
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(Find<QAction>("mnuCopy")->isEnabled());
    for (const char* name :
         {"mnuDelete", "mnuCut", "mnuSelectAll", "mnuSelectChecked", "mnuInvertSelection"}) {
        EXPECT_FALSE(Find<QAction>(name)->isEnabled()) << name;
    }
    edit->hide();
    QTest::mouseRelease(picSpectrum, Qt::RightButton, Qt::NoModifier, at);
    EXPECT_EQ(View(), (ViewRange{0, 100000}));
    EXPECT_FALSE(picSpectrum->dragging());
}

TEST_F(MainWindowGraphTest, OnlyTheGraphsPopUpOffersSaveGraph) {
    OpenExample();
    Calculate();
    auto* edit = Find<QMenu>("mnuEdit");
    auto* saveGraph = Find<QAction>("mnuSaveGraph");
    auto* intermods = Find<QTabWidget>("tbsIntermods");
    const auto popUpOver = [&](QTableView* list) {
        const QRect cell = list->visualRect(list->model()->index(0, 1));
        QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, cell.center());
        EXPECT_TRUE(edit->isVisible());
        EXPECT_FALSE(saveGraph->isVisible());
        edit->hide();
        // From the menu bar the item is there again.
        EXPECT_TRUE(saveGraph->isVisible());
    };
    popUpOver(lvFreqs);
    intermods->setCurrentIndex(0);
    popUpOver(lvIntermods);
    intermods->setCurrentIndex(1);
    const QPoint at(picSpectrum->width() / 2, picSpectrum->height() / 2);
    QTest::mousePress(picSpectrum, Qt::RightButton, Qt::NoModifier, at);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(saveGraph->isVisible());
    edit->hide();
    QTest::mouseRelease(picSpectrum, Qt::RightButton, Qt::NoModifier, at);
}

TEST_F(MainWindowGraphTest, AutoZoomItemsAreExclusiveAndFitAfterACalculation) {
    auto* autoExtents = Find<QAction>("mnuAutoExtents");
    auto* autoVictims = Find<QAction>("mnuAutoVictims");
    // Extents at start: the calculation fits them (Victims checks itself below).
    OpenExample();
    Calculate();
    EXPECT_EQ(View(),
              FitExtents(ViewRange{0, 100000}, window->document(), window->products()).view);

    // "&Victims": checks itself, unchecks "&Extents" and marks the results stale.
    autoVictims->trigger();
    EXPECT_TRUE(autoVictims->isChecked());
    EXPECT_FALSE(autoExtents->isChecked());
    EXPECT_EQ(lvIntermods->palette().color(QPalette::Base), QColor(255, 0, 0));
    Find<QRadioButton>("optShow2")->click();
    const ViewRange before = View();
    Calculate();
    EXPECT_EQ(View(), FitVictims(before, window->document(), window->products(), 2).view);
    EXPECT_NEAR(DrawnLow(), View().ViewLow, 1e-6);

    autoExtents->trigger();
    EXPECT_TRUE(autoExtents->isChecked());
    EXPECT_FALSE(autoVictims->isChecked());
}

TEST_F(MainWindowGraphTest, FundamentalRedrawsWithoutRecalculating) {
    OpenExample();
    // The marine coast station transmits alone at 156.8 MHz, 25 kHz wide.
    window->graph().view = {156.7, 156.9};
    window->DrawGraph();
    auto* fundamental = Find<QCheckBox>("chkPlotFirstOrder");
    if (fundamental->isChecked()) {
        fundamental->click();
    }
    const QPoint tx = At(156.8, 0.3);
    EXPECT_EQ(PixelAt(tx), QColor(255, 255, 255));
    const bool staleBefore = window->intermodRows().outOfDate();
    fundamental->click();
    EXPECT_EQ(PixelAt(tx), QColor(0, 0, 0));
    fundamental->click();
    EXPECT_EQ(PixelAt(tx), QColor(255, 255, 255));
    EXPECT_EQ(window->intermodRows().outOfDate(), staleBefore);
    EXPECT_EQ(View(), (ViewRange{156.7, 156.9}));
}

} // namespace
} // namespace spurline
