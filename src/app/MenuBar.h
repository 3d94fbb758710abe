#pragma once

class QAction;
class QPoint;
class QMenu;
class QMenuBar;

namespace spurline {

struct CommandStates;
struct EditMenuState;

// The main window's menu tree with its captions and shortcuts; the window connects the items.
struct MainMenus {
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuOpen = nullptr;
    QMenu* mnuOpenRecent = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuImportCsv = nullptr;
    QAction* mnuExportCsv = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExit = nullptr;

    QMenu* mnuIntermods = nullptr;
    QAction* mnuCalculate = nullptr;
    QMenu* mnuSpectrumGraph = nullptr;
    QAction* mnuShowRemarks = nullptr;
    QAction* mnuAutoRefresh = nullptr;
    QMenu* mnuAutoZoom = nullptr;
    QAction* mnuAutoVictims = nullptr;
    QAction* mnuAutoExtents = nullptr;

    QMenu* mnuEdit = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuSelectAll = nullptr;
    QAction* mnuSelectChecked = nullptr;
    QAction* mnuInvertSelection = nullptr;
    QAction* mnuSaveGraph = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;

    // Enables Save, Calculate and Print as their buttons are.
    void MirrorCommandStates(const CommandStates& commands) const;
    // Sets the enabled states of the Edit menu's items.
    void ApplyEditMenu(const EditMenuState& state) const;
    // Pops up the Edit menu with the items that apply where it was asked for ("Save graph as..."
    // only over the graph); from the menu bar it shows every item again.
    void PopUpEdit(const EditMenuState& state, const QPoint& globalPosition) const;
};

MainMenus BuildMainMenus(QMenuBar& bar);

} // namespace spurline
