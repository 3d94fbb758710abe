#pragma once

#include "app/frmSplash.h"
#include "document/Locale.h"
#include "document/Settings.h"
#include "graph/Monitors.h"
#include "graph/Timer.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <utility>

namespace spurline {

class ColumnWidths;
class FileCommandHost;
class FileCommands;
class frmMain;
class GraphController;
class IMessageBox;
class IntermodPanel;
class ISettingsStore;
class RecalculateDue;
class RecentFilesMenu;
struct MainMenus;
class LevelCommands;

// What the shell works with inside the main window: the options it stores live in the menus, the
// intermod panel, the recalculation and the graph; the recent files open through the file
// commands and are recorded by the file command host; a right click on "&Help" shows the splash.
struct ShellParts {
    const MainMenus& menus;
    FileCommands& files;
    FileCommandHost& fileHost;
    IMessageBox& messages;
    IntermodPanel& panel;
    RecalculateDue& recalculation;
    GraphController& graph;
    const Locale& locale;
    QObject& helpButton;
    ColumnWidths& frequencyColumns;
    LevelCommands& levels;
};

// What the main window gets around it for a whole session: the settings read at start-up and
// written at shutdown, the recent-files submenu, and the splash and about window on the first
// activation, "&About..." and the right button on "&Help".
class AppShell final : public QObject {
    Q_OBJECT

public:
    AppShell(frmMain& window, const ShellParts& parts, ISettingsStore& store,
             const IMonitorSource& monitors, ITimerFactory& timers);
    // The window's own parts.
    AppShell(frmMain& window, ISettingsStore& store, const IMonitorSource& monitors,
             ITimerFactory& timers);
    ~AppShell() override;

    // Loads the recent files, the options and the lists' column widths; an option or width
    // absent or unreadable gets its default.
    void LoadSettings();
    // Saves the recent files, the options and the column widths.
    void SaveSettings();
    // Shows the splash and about window, modeless and on top of the main window.
    void mnuAbout_Click();

    // The options as the controls show them, and the controls set to options (a check box that
    // changes runs its click action; the menu check marks change silently).
    StoredOptions CurrentOptions() const;
    void ApplyOptions(const StoredOptions& options);

    RecentFilesMenu& recentFiles() { return *recentFiles_; }
    frmSplash* splash() const { return splash_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The lists whose column widths are kept, with their settings keys.
    std::array<std::pair<ColumnWidths*, const char*>, 2> ListColumns() const;

    frmMain& window_;
    ShellParts parts_;
    ISettingsStore& store_;
    const IMonitorSource& monitors_;
    ITimerFactory& timers_;
    RecentFilesMenu* recentFiles_ = nullptr;
    QPointer<frmSplash> splash_;
    bool activatedOnce_ = false;
};

} // namespace spurline
