#pragma once

#include "app/frmSplash.h"
#include "document/Settings.h"
#include "graph/Monitors.h"
#include "graph/Timer.h"

#include <QObject>
#include <QPointer>

namespace spurline {

class frmMain;
class ISettingsStore;
class RecentFilesMenu;

// What the main window gets around it for a whole session: the settings read at start-up and
// written at shutdown, the recent-files submenu, and the splash and about window on the first
// activation, "&About..." and the right button on "&Help".
class AppShell final : public QObject {
    Q_OBJECT

public:
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
    frmMain& window_;
    ISettingsStore& store_;
    const IMonitorSource& monitors_;
    ITimerFactory& timers_;
    RecentFilesMenu* recentFiles_ = nullptr;
    QPointer<frmSplash> splash_;
    QObject* helpButton_ = nullptr;
    bool activatedOnce_ = false;
};

} // namespace spurline
