#include "app/MainWindowWidgets.h"

#include "app/ColumnWidths.h"
#include "app/FrequencyListModel.h"
#include "app/GraphWidget.h"
#include "app/GraphZoomPanel.h"
#include "app/IdColumnFit.h"
#include "app/IntermodPanel.h"
#include "app/SiteHeader.h"
#include "document/ListCommandStates.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <array>

namespace spurline {

namespace {

// Column widths of the frequency list in twips (1/1440 inch).
constexpr std::array<int, FrequencyColumnCount> ColumnWidthsTwips{780, 1770, 1470, 1350,
                                                                  750, 840,  1350, 3000};

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QTableView* BuildFrequencyView(FrequencyListModel& model, QWidget* parent, ColumnWidths*& columns) {
    auto* view = new QTableView(parent);
    view->setObjectName(QStringLiteral("lvFreqs"));
    view->setModel(&model);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    columns =
        new ColumnWidths(*view, {ColumnWidthsTwips.begin(), ColumnWidthsTwips.end()}, {ColRemarks});
    new IdColumnFit(*view, ColId, view->columnWidth(ColId));
    return view;
}

void BuildProgressFrame(MainWindowWidgets& w) {
    w.progressbarouter = new QFrame(w.central);
    w.progressbarouter->setObjectName(QStringLiteral("progressbarouter"));
    w.progressbarouter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    w.progressbarinner = new QFrame(w.progressbarouter);
    w.progressbarinner->setObjectName(QStringLiteral("progressbarinner"));
    w.progressbarinner->setAutoFillBackground(true);
    QPalette bar = w.progressbarinner->palette();
    bar.setColor(QPalette::Window, QColor(0, 0, 128));
    w.progressbarinner->setPalette(bar);
    w.pcdone = new QLabel(QStringLiteral("0%"), w.progressbarouter);
    w.pcdone->setObjectName(QStringLiteral("pcdone"));
    w.pcdone->setAlignment(Qt::AlignCenter);
    w.progressbarouter->hide();
}

} // namespace

void MainWindowWidgets::MirrorCommandStates(const CommandStates& commands) const {
    header->cmdSave().setEnabled(commands.save);
    cmdClear->setEnabled(commands.clear);
    cmdCalculate->setEnabled(commands.calculate);
    cmdPrint->setEnabled(commands.print);
    cmdDelete->setEnabled(commands.deleteButton);
}

MainWindowWidgets BuildMainWindowWidgets(QWidget& window, FrequencyList& list,
                                         FrequencyListModel& model,
                                         IntermodListModel& intermodModel, GraphController& graph,
                                         int& editMenuTarget) {
    MainWindowWidgets w;
    w.central = new QWidget(&window);
    w.central->setObjectName(QStringLiteral("central"));
    w.header = new SiteHeader(list, w.central);

    w.lblFrequencies = new QLabel(QStringLiteral("Frequencies"), w.central);
    w.lblFrequencies->setObjectName(QStringLiteral("lblFrequencies"));
    w.cmdAdd = Button("&Add...", "cmdAdd", w.central);
    w.cmdDelete = Button("&Delete", "cmdDelete", w.central);
    w.cmdClear = Button("Clea&r All", "cmdClear", w.central);
    w.lvFreqs = BuildFrequencyView(model, w.central, w.lvFreqsColumns);
    w.lblFrequencies->setBuddy(w.lvFreqs);

    w.lblIntermods = new QLabel(QStringLiteral("Intermodulation products"), w.central);
    w.lblIntermods->setObjectName(QStringLiteral("lblIntermods"));
    w.tbsIntermods = new IntermodPanel(intermodModel, graph, list.locale(), w.central);
    w.tbsIntermods->picSpectrum().setEditMenuTarget(&editMenuTarget);
    // The zoom panel lies over the graph's top left corner, which stays put when the page grows.
    IntermodPanel* panel = w.tbsIntermods;
    w.picZoomPan = new GraphZoomPanel(
        graph, [panel] { return panel->FilterOption(); }, panel->picSpectrum().parentWidget());
    w.picZoomPan->move(2, 2);
    w.picZoomPan->raise();

    w.cmdCalculate = Button("&Calculate", "cmdCalculate", w.central);
    w.cmdPrint = Button("&Print", "cmdPrint", w.central);
    w.cmdHelp = Button("&Help", "cmdHelp", w.central);
    w.cmdQuit = Button("&Quit", "cmdQuit", w.central);

    BuildProgressFrame(w);
    w.statusline = new QLabel(w.central);
    w.statusline->setObjectName(QStringLiteral("statusline"));
    w.statusline->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Keyboard order: the "&Delete" button follows the list, so that it can be reached from it.
    QWidget::setTabOrder(w.lvFreqs, w.cmdDelete);
    QWidget::setTabOrder(w.cmdDelete, w.cmdAdd);
    QWidget::setTabOrder(w.cmdAdd, w.cmdClear);
    return w;
}

} // namespace spurline
