#include "app/MainWindowPlacement.h"

#include "app/GraphWidget.h"
#include "app/GraphZoomPanel.h"
#include "app/IntermodPanel.h"
#include "app/MainWindowLayout.h"
#include "app/SiteHeader.h"
#include "app/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace spurline {

MainWindowPlacement::MainWindowPlacement(QWidget& window, const MainWindowWidgets& widgets)
    : QObject(widgets.central), window_(window), w_(widgets) {
    w_.central->installEventFilter(this);
}

bool MainWindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.central && event->type() == QEvent::Resize) {
        PlaceControls();
    }
    return QObject::eventFilter(watched, event);
}

void MainWindowPlacement::PlaceControls() {
    const int m = TwipsToPixels(100, window_);
    const int W = w_.central->width();
    const int Hc = w_.central->height();
    const int headerHeight = w_.header->sizeHint().height();
    w_.header->setGeometry(m, m, std::max(0, W - 2 * m), headerHeight);

    auto design = [](QWidget* w, QSize size) {
        return ControlRect{w->x(), w->y(), size.width(), size.height()};
    };
    auto buttonSize = [this](QPushButton* b) {
        return QSize(std::max(b->sizeHint().width(), TwipsToPixels(1215, window_)),
                     b->sizeHint().height());
    };
    MainWindowControls c;
    c.cmdCalculate = design(w_.cmdCalculate, buttonSize(w_.cmdCalculate));
    c.cmdPrint = design(w_.cmdPrint, buttonSize(w_.cmdPrint));
    c.cmdClear = design(w_.cmdClear, buttonSize(w_.cmdClear));
    c.cmdDelete = design(w_.cmdDelete, buttonSize(w_.cmdDelete));
    c.cmdAdd = design(w_.cmdAdd, buttonSize(w_.cmdAdd));
    c.cmdQuit = design(w_.cmdQuit, buttonSize(w_.cmdQuit));
    c.cmdHelp = design(w_.cmdHelp, buttonSize(w_.cmdHelp));
    const int labelHeight = w_.lblFrequencies->sizeHint().height();
    // The design puts the label far enough below the header for the top buttons to fit above
    // the list.
    c.lblFrequencies = {m, m + headerHeight + m + std::max(m, c.cmdClear.height - labelHeight),
                        w_.lblFrequencies->sizeHint().width(), labelHeight};
    c.lvFreqs = design(w_.lvFreqs, w_.lvFreqs->size());
    c.lblIntermods = design(w_.lblIntermods, w_.lblIntermods->sizeHint());
    c.tbsIntermods = design(w_.tbsIntermods, w_.tbsIntermods->size());
    c.progressbarouter = design(w_.progressbarouter, w_.progressbarouter->size());
    QLabel* pcdone = w_.pcdone;
    const QSize percent(pcdone->fontMetrics().horizontalAdvance(QStringLiteral("100.0%")) + 8,
                        pcdone->sizeHint().height());
    c.pcdone = {pcdone->x(), (c.cmdQuit.height - percent.height()) / 2, percent.width(),
                percent.height()};
    c.statusline = design(w_.statusline, QSize(w_.statusline->width(), labelHeight));

    const MainWindowControls p = PlaceMainWindow(c, W, Hc, m, TabClientInsets{});
    auto apply = [](QWidget* w, const ControlRect& r) {
        w->setGeometry(r.left, r.top, r.width, r.height);
    };
    apply(w_.cmdCalculate, p.cmdCalculate);
    apply(w_.cmdPrint, p.cmdPrint);
    apply(w_.cmdClear, p.cmdClear);
    apply(w_.cmdDelete, p.cmdDelete);
    apply(w_.cmdAdd, p.cmdAdd);
    apply(w_.lblFrequencies, p.lblFrequencies);
    apply(w_.lvFreqs, p.lvFreqs);
    apply(w_.cmdQuit, p.cmdQuit);
    apply(w_.cmdHelp, p.cmdHelp);
    apply(w_.progressbarouter, p.progressbarouter);
    apply(pcdone, p.pcdone);
    apply(w_.statusline, p.statusline);
    apply(w_.lblIntermods, p.lblIntermods);
    // The tab strip places its own pages in its client area.
    apply(w_.tbsIntermods, p.tbsIntermods);
    const QRect inner = w_.progressbarouter->contentsRect();
    w_.progressbarinner->setGeometry(inner.left(), inner.top(),
                                     std::max(1, w_.progressbarinner->width()), inner.height());
    w_.statusline->raise();
    w_.picZoomPan->SetBackground(GraphWidget::backgroundColour());
}

} // namespace spurline
