#include "app/LevelCommands.h"

#include "app/IntermodListModel.h"
#include "app/SiteLevelsDialog.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>

namespace spurline {

LevelCommands::LevelCommands(QWidget& window, QMenu& mnuIntermods, FrequencyList& list,
                             QTableView& intermods)
    : QObject(&window), window_(window), list_(list), intermods_(intermods) {
    mnuIntermods.addSeparator();
    mnuLevels = mnuIntermods.addAction(QStringLiteral("Levels and &margins"));
    mnuLevels->setObjectName(QStringLiteral("mnuLevels"));
    mnuLevels->setCheckable(true);
    mnuSiteLevels = mnuIntermods.addAction(QStringLiteral("Site &level values..."));
    mnuSiteLevels->setObjectName(QStringLiteral("mnuSiteLevels"));
    intermods_.setColumnHidden(IntermodListModel::MarginColumn, true);
    // Beside the order, where it is seen without scrolling past the compositions.
    intermods_.horizontalHeader()->moveSection(IntermodListModel::MarginColumn, ImColOrder + 1);
    connect(mnuLevels, &QAction::toggled, this, [this](bool checked) {
        intermods_.setColumnHidden(IntermodListModel::MarginColumn, !checked);
        if (recalculateDue) {
            recalculateDue();
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

SiteLevelsDialog& LevelCommands::siteDialog() {
    if (dialog_ == nullptr) {
        dialog_ = new SiteLevelsDialog(list_, &window_);
    }
    return *dialog_;
}

} // namespace spurline
