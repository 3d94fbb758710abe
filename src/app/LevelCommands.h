#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QTableView;
class QWidget;

namespace spurline {

class FrequencyList;
class GraphController;
class SiteLevelsDialog;
struct MainMenus;

// The Intermods menu's level items: "Levels and &margins" turns the estimate on or off (the
// intermod list's margin column shows only while it is on) and "Site &level values..." edits the
// site's values; either change makes the products stale. The spectrum graph's "Le&vel view"
// draws the products at their levels while the estimate is on.
class LevelCommands final : public QObject {
    Q_OBJECT

public:
    LevelCommands(QWidget& window, const MainMenus& menus, FrequencyList& list,
                  QTableView& intermods, GraphController& graph);

    bool on() const;
    void SetOn(bool on);
    bool levelView() const;
    void SetLevelView(bool on);
    SiteLevelsDialog& siteDialog();

    std::function<void()> recalculateDue;
    QAction* mnuLevels = nullptr;
    QAction* mnuSiteLevels = nullptr;
    QAction* mnuLevelView = nullptr;

private:
    void SyncGraph();

    QWidget& window_;
    FrequencyList& list_;
    QTableView& intermods_;
    GraphController& graph_;
    SiteLevelsDialog* dialog_ = nullptr;
};

} // namespace spurline
