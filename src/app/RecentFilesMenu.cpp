#include "app/RecentFilesMenu.h"

#include "platform/QtStrings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace spurline {

RecentFilesMenu::RecentFilesMenu(QMenu& menu, const QFont& font, FileCommands& files,
                                 IMessageBox& messages, QObject* parent)
    : QObject(parent), menu_(&menu), measurer_(font), list_(measurer_), files_(files),
      messages_(messages) {
    fileExists = [](const std::string& path) { return QFileInfo(ToQString(path)).isFile(); };
    list_.changed = [this] { Rebuild(); };
    Rebuild();
}

void RecentFilesMenu::Rebuild() {
    if (!menu_) {
        return;
    }
    // The item being chosen may be the one that asked for this: it goes once its signal is done.
    for (QAction* old : menu_->actions()) {
        menu_->removeAction(old);
        old->setParent(nullptr);
        old->deleteLater();
    }
    const std::vector<RecentFile>& entries = list_.entries();
    if (entries.empty()) {
        // Never an empty submenu: the placeholder stays, greyed, as there is nothing to open.
        QAction* none = new QAction(QString::fromLatin1(RecentFilesPlaceholder), menu_);
        menu_->addAction(none);
        none->setObjectName(QStringLiteral("mnuMRU0"));
        none->setEnabled(false);
        return;
    }
    for (std::size_t k = 0; k < entries.size(); ++k) {
        // A "&" in a file name is shown, not taken as an access key.
        QString caption = ToQString(entries[k].caption);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(caption, menu_);
        menu_->addAction(item);
        item->setObjectName(QStringLiteral("mnuMRU%1").arg(k));
        item->setToolTip(ToQString(entries[k].path));
        connect(item, &QAction::triggered, this,
                [this, k] { mnuMRU_Click(list_, k, files_, messages_, fileExists); });
    }
}

} // namespace spurline
