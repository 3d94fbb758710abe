#include "app/MenuBar.h"

#include "document/ListCommandStates.h"
#include "graph/GraphController.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>

namespace spurline {

namespace {

QAction* Item(QMenu* menu, const char* caption, const char* name,
              QKeySequence shortcut = QKeySequence()) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    return action;
}

QAction* CheckItem(QMenu* menu, const char* caption, const char* name) {
    QAction* action = Item(menu, caption, name);
    action->setCheckable(true);
    return action;
}

QMenu* Menu(QWidget* parent, const char* caption, const char* name) {
    auto* menu = new QMenu(QString::fromLatin1(caption), parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

MainMenus BuildMainMenus(QMenuBar& bar) {
    MainMenus m;

    m.mnuFile = Menu(&bar, "&File", "mnuFile");
    m.mnuNew = Item(m.mnuFile, "&New...", "mnuNew", QKeySequence(Qt::CTRL | Qt::Key_N));
    m.mnuSave = Item(m.mnuFile, "&Save as...", "mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S));
    m.mnuOpen = Item(m.mnuFile, "&Open...", "mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O));
    m.mnuOpenRecent = Menu(m.mnuFile, "&Open recent", "mnuOpenRecent");
    Item(m.mnuOpenRecent, "none", "mnuRecent0");
    m.mnuFile->addMenu(m.mnuOpenRecent);
    m.mnuExport = Item(m.mnuFile, "&Export", "mnuExport", QKeySequence(Qt::CTRL | Qt::Key_E));
    m.mnuImportCsv = Item(m.mnuFile, "Import CSV...", "mnuImportCsv");
    m.mnuExportCsv = Item(m.mnuFile, "Export CSV...", "mnuExportCsv");
    m.mnuPrint = Item(m.mnuFile, "&Print...", "mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P));
    m.mnuFile->addSeparator();
    m.mnuExit = Item(m.mnuFile, "E&xit", "mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    bar.addMenu(m.mnuFile);

    m.mnuIntermods = Menu(&bar, "&Intermods", "mnuIntermods");
    m.mnuCalculate = Item(m.mnuIntermods, "&Calculate", "mnuCalculate", QKeySequence(Qt::Key_F5));
    m.mnuSpectrumGraph = Menu(m.mnuIntermods, "Spectrum &graph", "mnuSpectrumGraph");
    m.mnuShowRemarks = CheckItem(m.mnuSpectrumGraph, "&Show remarks", "mnuShowRemarks");
    m.mnuAutoRefresh = CheckItem(m.mnuSpectrumGraph, "Auto &refresh", "mnuAutoRefresh");
    m.mnuAutoZoom = Menu(m.mnuSpectrumGraph, "Auto &zoom", "mnuAutoZoom");
    m.mnuAutoVictims = CheckItem(m.mnuAutoZoom, "&Victims", "mnuAutoVictims");
    m.mnuAutoExtents = CheckItem(m.mnuAutoZoom, "&Extents", "mnuAutoExtents");
    m.mnuSpectrumGraph->addMenu(m.mnuAutoZoom);
    m.mnuIntermods->addMenu(m.mnuSpectrumGraph);
    bar.addMenu(m.mnuIntermods);

    m.mnuEdit = Menu(&bar, "&Edit", "mnuEdit");
    m.mnuCut = Item(m.mnuEdit, "Cu&t", "mnuCut", QKeySequence(Qt::CTRL | Qt::Key_X));
    m.mnuCopy = Item(m.mnuEdit, "&Copy", "mnuCopy", QKeySequence(Qt::CTRL | Qt::Key_C));
    m.mnuDelete = Item(m.mnuEdit, "&Delete", "mnuDelete", QKeySequence(Qt::Key_Delete));
    m.mnuEdit->addSeparator();
    m.mnuSelectAll =
        Item(m.mnuEdit, "Select &all", "mnuSelectAll", QKeySequence(Qt::CTRL | Qt::Key_A));
    m.mnuSelectChecked =
        Item(m.mnuEdit, "Select c&hecked", "mnuSelectChecked", QKeySequence(Qt::CTRL | Qt::Key_H));
    m.mnuInvertSelection = Item(m.mnuEdit, "&Invert selection", "mnuInvertSelection",
                                QKeySequence(Qt::CTRL | Qt::Key_I));
    m.mnuEdit->addSeparator();
    m.mnuSaveGraph = Item(m.mnuEdit, "Save graph as...", "mnuSaveGraph");
    QObject::connect(m.mnuEdit, &QMenu::aboutToHide, m.mnuSaveGraph,
                     [item = m.mnuSaveGraph] { item->setVisible(true); });
    bar.addMenu(m.mnuEdit);

    m.mnuHelp = Menu(&bar, "H&elp", "mnuHelp");
    m.mnuContents = Item(m.mnuHelp, "&Contents...", "mnuContents", QKeySequence(Qt::Key_F1));
    m.mnuAbout = Item(m.mnuHelp, "&About...", "mnuAbout");
    bar.addMenu(m.mnuHelp);
    return m;
}

void MainMenus::MirrorCommandStates(const CommandStates& commands) const {
    mnuSave->setEnabled(commands.save);
    mnuCalculate->setEnabled(commands.calculate);
    mnuPrint->setEnabled(commands.print);
}

void MainMenus::ApplyEditMenu(const EditMenuState& state) const {
    mnuDelete->setEnabled(state.deleteItem);
    mnuCut->setEnabled(state.cut);
    mnuCopy->setEnabled(state.copy);
    mnuSelectAll->setEnabled(state.selectAll);
    mnuSelectChecked->setEnabled(state.selectChecked);
    mnuInvertSelection->setEnabled(state.invertSelection);
}

void MainMenus::PopUpEdit(const EditMenuState& state, const QPoint& globalPosition) const {
    mnuSaveGraph->setVisible(state.saveGraph);
    mnuEdit->popup(globalPosition);
}

} // namespace spurline
