#include "app/AppShell.h"

#include "app/ColumnWidths.h"
#include "app/FileCommandHost.h"
#include "app/IntermodPanel.h"
#include "app/MainWindow.h"
#include "app/RecentFilesMenu.h"
#include "app/frmSplash.h"
#include "document/ColumnSettings.h"

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

// The check boxes of the stored options, by object name.
constexpr std::array<std::pair<SettingId, const char*>, 9> CheckBoxes{{
    {SettingFundamental, "chkPlotFirstOrder"},
    {SettingOrder2, "chkImOrder2"},
    {SettingOrder3, "chkImOrder3"},
    {SettingOrder5, "chkImOrder5"},
    {SettingOrder7, "chkImOrder7"},
    {SettingOrder9, "chkImOrder9"},
    {SettingHarmonics, "chkWideband"},
    {SettingSumBandwidth, "chkSuperWideband"},
    {SettingThreeFrequencies, "chkThreeFrequencies"},
}};

QCheckBox& Box(frmMain& window, const char* name) {
    return *window.intermodPanel().findChild<QCheckBox*>(QString::fromLatin1(name));
}

// Stored states: 0 clear, 1 checked, 2 greyed.
Qt::CheckState ToCheckState(int value) {
    return value == 2 ? Qt::PartiallyChecked : value == 1 ? Qt::Checked : Qt::Unchecked;
}

// The lists whose column widths are kept, by the name of their columns and their key.
constexpr std::array<std::pair<const char*, const char*>, 2> ListColumns{{
    {"lvFreqsColumns", FrequencyColumnsKey},
    {"lvIntermodsColumns", IntermodColumnsKey},
}};

int ToStored(Qt::CheckState state) {
    return state == Qt::PartiallyChecked ? 2 : state == Qt::Checked ? 1 : 0;
}

} // namespace

AppShell::AppShell(frmMain& window, ISettingsStore& store, const IMonitorSource& monitors,
                   ITimerFactory& timers)
    : window_(window), store_(store), monitors_(monitors), timers_(timers) {
    const MainMenus& menus = window_.menus();
    recentFiles_ = new RecentFilesMenu(*menus.mnuOpenRecent, window_.font(), window_.fileCommands(),
                                       window_.messages(), this);
    window_.fileHost().addMRUItem = [this](const std::string& path) {
        recentFiles_->list().AddMRUItem(path);
    };
    connect(menus.mnuAbout, &QAction::triggered, this, &AppShell::mnuAbout_Click);
    connect(&window_, &frmMain::shuttingDown, this, [this] {
        SaveSettings();
        if (splash_) {
            splash_->CloseSplash();
        }
    });
    window_.installEventFilter(this);
    helpButton_ = window_.findChild<QPushButton*>(QStringLiteral("cmdHelp"));
    if (helpButton_ != nullptr) {
        helpButton_->installEventFilter(this);
    }
}

AppShell::~AppShell() {
    window_.fileHost().addMRUItem = nullptr;
    // The splash uses the monitors and timers given here; it goes before they may.
    delete splash_;
}

void AppShell::LoadSettings() {
    ApplyOptions(spurline::LoadSettings(store_, window_.document().locale(), recentFiles_->list()));
    for (const auto& [name, key] : ListColumns) {
        if (auto* columns = window_.findChild<ColumnWidths*>(QString::fromLatin1(name))) {
            // What the list has now is the default for a width that cannot be read.
            columns->SetWidthsTwips(LoadColumnWidths(store_, key, columns->WidthsTwips()));
        }
    }
}

void AppShell::SaveSettings() {
    spurline::SaveSettings(store_, CurrentOptions(), recentFiles_->list());
    for (const auto& [name, key] : ListColumns) {
        if (const auto* columns = window_.findChild<ColumnWidths*>(QString::fromLatin1(name))) {
            SaveColumnWidths(store_, key, columns->WidthsTwips());
        }
    }
}

StoredOptions AppShell::CurrentOptions() const {
    StoredOptions options;
    for (const auto& [id, name] : CheckBoxes) {
        options[id] = ToStored(Box(window_, name).checkState());
    }
    const MainMenus& menus = window_.menus();
    options[SettingShowRemarks] = menus.mnuShowRemarks->isChecked() ? 1 : 0;
    options[SettingAutoRefresh] = menus.mnuAutoRefresh->isChecked() ? 1 : 0;
    options[SettingAutoVictims] = menus.mnuAutoVictims->isChecked() ? 1 : 0;
    options[SettingAutoExtents] = menus.mnuAutoExtents->isChecked() ? 1 : 0;
    options.status = window_.intermodPanel().FilterOption();
    return options;
}

void AppShell::ApplyOptions(const StoredOptions& options) {
    for (const auto& [id, name] : CheckBoxes) {
        QCheckBox& box = Box(window_, name);
        const Qt::CheckState state = ToCheckState(options[id]);
        if (box.checkState() != state) {
            box.setCheckState(state);
            // As if the user had clicked it: the box's own action runs.
            emit box.clicked(box.isChecked());
        }
    }
    const MainMenus& menus = window_.menus();
    menus.mnuShowRemarks->setChecked(options[SettingShowRemarks] != 0);
    menus.mnuAutoRefresh->setChecked(options[SettingAutoRefresh] != 0);
    window_.recalculation().autoRefresh = options[SettingAutoRefresh] != 0;
    GraphController& graph = window_.graph();
    graph.autoZoom.victims = options[SettingAutoVictims] != 0;
    graph.autoZoom.extents = options[SettingAutoExtents] != 0;
    menus.mnuAutoVictims->setChecked(graph.autoZoom.victims);
    menus.mnuAutoExtents->setChecked(graph.autoZoom.extents);
    window_.intermodPanel().SelectFilterOption(options.status);
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
    } else if (watched == helpButton_ && event->type() == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        mnuAbout_Click();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace spurline
