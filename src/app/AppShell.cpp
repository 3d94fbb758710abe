#include "app/AppShell.h"

#include "app/ColumnWidths.h"
#include "app/FileCommandHost.h"
#include "app/FinderWindows.h"
#include "app/IntermodPanel.h"
#include "app/LevelCommands.h"
#include "app/MainWindow.h"
#include "app/MenuBar.h"
#include "app/RecentFilesMenu.h"
#include "app/frmSplash.h"
#include "document/ColumnSettings.h"
#include "engine/RecalculateDue.h"
#include "graph/GraphController.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <array>
#include <utility>

namespace spurline {

namespace {

using BoxOf = QCheckBox& (*)(IntermodPanel&);

// The check boxes of the stored options.
constexpr std::array<std::pair<SettingId, BoxOf>, 9> CheckBoxes{{
    {SettingFundamental, [](IntermodPanel& p) -> QCheckBox& { return p.chkPlotFirstOrderBox(); }},
    {SettingOrder2, [](IntermodPanel& p) -> QCheckBox& { return p.chkImOrderBox(2); }},
    {SettingOrder3, [](IntermodPanel& p) -> QCheckBox& { return p.chkImOrderBox(3); }},
    {SettingOrder5, [](IntermodPanel& p) -> QCheckBox& { return p.chkImOrderBox(5); }},
    {SettingOrder7, [](IntermodPanel& p) -> QCheckBox& { return p.chkImOrderBox(7); }},
    {SettingOrder9, [](IntermodPanel& p) -> QCheckBox& { return p.chkImOrderBox(9); }},
    {SettingHarmonics, [](IntermodPanel& p) -> QCheckBox& { return p.chkWidebandBox(); }},
    {SettingSumBandwidth, [](IntermodPanel& p) -> QCheckBox& { return p.chkSuperWidebandBox(); }},
    {SettingThreeFrequencies,
     [](IntermodPanel& p) -> QCheckBox& { return p.chkThreeFrequenciesBox(); }},
}};

// Stored states: 0 clear, 1 checked, 2 greyed.
Qt::CheckState ToCheckState(int value) {
    return value == 2 ? Qt::PartiallyChecked : value == 1 ? Qt::Checked : Qt::Unchecked;
}

int ToStored(Qt::CheckState state) {
    return state == Qt::PartiallyChecked ? 2 : state == Qt::Checked ? 1 : 0;
}

} // namespace

AppShell::AppShell(frmMain& window, ISettingsStore& store, const IMonitorSource& monitors,
                   ITimerFactory& timers)
    : AppShell(window, window.shellParts(), store, monitors, timers) {}

AppShell::AppShell(frmMain& window, const ShellParts& parts, ISettingsStore& store,
                   const IMonitorSource& monitors, ITimerFactory& timers)
    : window_(window), parts_(parts), store_(store), monitors_(monitors), timers_(timers) {
    window_.finder().SetStore(store_);
    recentFiles_ = new RecentFilesMenu(*parts_.menus.mnuOpenRecent, window_.font(), parts_.files,
                                       parts_.messages, this);
    parts_.fileHost.addMRUItem = [this](const std::string& path) {
        recentFiles_->list().AddMRUItem(path);
    };
    connect(parts_.menus.mnuAbout, &QAction::triggered, this, &AppShell::mnuAbout_Click);
    connect(&window_, &frmMain::shuttingDown, this, [this] {
        SaveSettings();
        if (splash_) {
            splash_->CloseSplash();
        }
    });
    window_.installEventFilter(this);
    parts_.helpButton.installEventFilter(this);
}

AppShell::~AppShell() {
    parts_.fileHost.addMRUItem = nullptr;
    // The splash uses the monitors and timers given here; it goes before they may.
    delete splash_;
}

void AppShell::LoadSettings() {
    ApplyOptions(spurline::LoadSettings(store_, parts_.locale, recentFiles_->list()));
    for (const auto& [columns, key] : ListColumns()) {
        // What the list has now is the default for a width that cannot be read.
        columns->SetWidthsTwips(LoadColumnWidths(store_, key, columns->WidthsTwips()));
    }
}

void AppShell::SaveSettings() {
    spurline::SaveSettings(store_, CurrentOptions(), recentFiles_->list());
    for (const auto& [columns, key] : ListColumns()) {
        SaveColumnWidths(store_, key, columns->WidthsTwips());
    }
}

std::array<std::pair<ColumnWidths*, const char*>, 2> AppShell::ListColumns() const {
    return {{{&parts_.frequencyColumns, FrequencyColumnsKey},
             {&parts_.panel.columnWidths(), IntermodColumnsKey}}};
}

StoredOptions AppShell::CurrentOptions() const {
    StoredOptions options;
    for (const auto& [id, box] : CheckBoxes) {
        options[id] = ToStored(box(parts_.panel).checkState());
    }
    const MainMenus& menus = parts_.menus;
    options[SettingShowRemarks] = menus.mnuShowRemarks->isChecked() ? 1 : 0;
    options[SettingAutoRefresh] = menus.mnuAutoRefresh->isChecked() ? 1 : 0;
    options[SettingAutoVictims] = menus.mnuAutoVictims->isChecked() ? 1 : 0;
    options[SettingAutoExtents] = menus.mnuAutoExtents->isChecked() ? 1 : 0;
    options[SettingLevels] = parts_.levels.on() ? 1 : 0;
    options[SettingLevelView] = parts_.levels.levelView() ? 1 : 0;
    options.status = parts_.panel.FilterOption();
    return options;
}

void AppShell::ApplyOptions(const StoredOptions& options) {
    for (const auto& [id, boxOf] : CheckBoxes) {
        QCheckBox& box = boxOf(parts_.panel);
        const Qt::CheckState state = ToCheckState(options[id]);
        if (box.checkState() != state) {
            box.setCheckState(state);
            // As if the user had clicked it: the box's own action runs.
            emit box.clicked(box.isChecked());
        }
    }
    const MainMenus& menus = parts_.menus;
    menus.mnuShowRemarks->setChecked(options[SettingShowRemarks] != 0);
    menus.mnuAutoRefresh->setChecked(options[SettingAutoRefresh] != 0);
    parts_.recalculation.autoRefresh = options[SettingAutoRefresh] != 0;
    GraphController& graph = parts_.graph;
    graph.autoZoom.victims = options[SettingAutoVictims] != 0;
    graph.autoZoom.extents = options[SettingAutoExtents] != 0;
    menus.mnuAutoVictims->setChecked(graph.autoZoom.victims);
    menus.mnuAutoExtents->setChecked(graph.autoZoom.extents);
    parts_.levels.SetLevelView(options[SettingLevelView] != 0);
    parts_.levels.SetOn(options[SettingLevels] != 0);
    parts_.panel.SelectFilterOption(options.status);
}

void AppShell::mnuAbout_Click() {
    // Created on first use, hidden rather than destroyed when dismissed.
    if (!splash_) {
        splash_ = new frmSplash(monitors_, timers_, &window_);
    }
    splash_->SetTopMostWindow(true, &window_);
    splash_->ShowSplash();
}

bool AppShell::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        mnuAbout_Click();
    } else if (watched == &parts_.helpButton && event->type() == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        mnuAbout_Click();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace spurline
