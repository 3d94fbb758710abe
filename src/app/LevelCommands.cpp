#include "app/LevelCommands.h"

#include "app/IntermodListModel.h"
#include "app/MenuBar.h"
#include "app/SiteLevelsDialog.h"
#include "graph/GraphController.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>

namespace spurline {

LevelCommands::LevelCommands(QWidget& window, const MainMenus& menus, FrequencyList& list,
                             QTableView& intermods, GraphController& graph)
    : QObject(&window), window_(window), list_(list), intermods_(intermods), graph_(graph) {
    QMenu& mnuIntermods = *menus.mnuIntermods;
    mnuIntermods.addSeparator();
    mnuLevels = mnuIntermods.addAction(QStringLiteral("Levels and &margins"));
    mnuLevels->setObjectName(QStringLiteral("mnuLevels"));
    mnuLevels->setCheckable(true);
    mnuSiteLevels = mnuIntermods.addAction(QStringLiteral("Site &level values..."));
    mnuSiteLevels->setObjectName(QStringLiteral("mnuSiteLevels"));
    // Beside "&Show remarks", the other choice of what the graph shows.
    mnuLevelView = new QAction(QStringLiteral("Le&vel view"), this);
    menus.mnuSpectrumGraph->insertAction(menus.mnuAutoRefresh, mnuLevelView);
    mnuLevelView->setObjectName(QStringLiteral("mnuLevelView"));
    mnuLevelView->setCheckable(true);
    mnuLevelView->setEnabled(false);
    intermods_.setColumnHidden(IntermodListModel::MarginColumn, true);
    // Beside the order, where it is seen without scrolling past the compositions.
    intermods_.horizontalHeader()->moveSection(IntermodListModel::MarginColumn, ImColOrder + 1);
    connect(mnuLevels, &QAction::toggled, this, [this](bool checked) {
        intermods_.setColumnHidden(IntermodListModel::MarginColumn, !checked);
        mnuLevelView->setEnabled(checked);
        SyncGraph();
        if (recalculateDue) {
            recalculateDue();
        }
    });
    connect(mnuLevelView, &QAction::toggled, this, [this] {
        SyncGraph();
        if (graph_.drawGraph) {
            graph_.drawGraph();
        }
    });
    // SetSiteLevels tells the list's observers, the window among them, when the values changed.
    connect(mnuSiteLevels, &QAction::triggered, this, [this] { siteDialog().Open(); });
}

bool LevelCommands::on() const {
    return mnuLevels->isChecked();
}

void LevelCommands::SetOn(bool on) {
    mnuLevels->setChecked(on);
}

bool LevelCommands::levelView() const {
    return mnuLevelView->isChecked();
}

void LevelCommands::SetLevelView(bool on) {
    mnuLevelView->setChecked(on);
}

void LevelCommands::SyncGraph() {
    // The view is kept while levels are off, so that it returns with them.
    graph_.levelView = mnuLevels->isChecked() && mnuLevelView->isChecked();
}

SiteLevelsDialog& LevelCommands::siteDialog() {
    if (dialog_ == nullptr) {
        dialog_ = new SiteLevelsDialog(list_, &window_);
    }
    return *dialog_;
}

} // namespace spurline
