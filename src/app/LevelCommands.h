#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QTableView;
class QWidget;

namespace spurline {

class FrequencyList;
class SiteLevelsDialog;

// The Intermods menu's level items: "Levels and &margins" turns the estimate on or off (the
// intermod list's margin column shows only while it is on) and "Site &level values..." edits the
// site's values. Either change makes the products stale.
class LevelCommands final : public QObject {
    Q_OBJECT

public:
    LevelCommands(QWidget& window, QMenu& mnuIntermods, FrequencyList& list, QTableView& intermods);

    bool on() const;
    void SetOn(bool on);
    SiteLevelsDialog& siteDialog();

    std::function<void()> recalculateDue;
    QAction* mnuLevels = nullptr;
    QAction* mnuSiteLevels = nullptr;

private:
    QWidget& window_;
    FrequencyList& list_;
    QTableView& intermods_;
    SiteLevelsDialog* dialog_ = nullptr;
};

} // namespace spurline
