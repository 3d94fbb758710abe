#pragma once

#include "document/RecentFiles.h"
#include "platform/QtTextMeasurer.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QMenu;

namespace spurline {

class FileCommands;
class IMessageBox;

// The "&Open recent" submenu over the recent-files list: one item per file, newest first, or a
// single greyed "none" while the list is empty.
class RecentFilesMenu final : public QObject {
    Q_OBJECT

public:
    // font: the main window's, which the shortened paths are measured in.
    RecentFilesMenu(QMenu& menu, const QFont& font, FileCommands& files, IMessageBox& messages,
                    QObject* parent = nullptr);

    RecentFiles& list() { return list_; }
    // How the existence of a file is tested (tests may replace it).
    std::function<bool(const std::string&)> fileExists;

private:
    void Rebuild();

    QPointer<QMenu> menu_;
    QtTextMeasurer measurer_;
    RecentFiles list_;
    FileCommands& files_;
    IMessageBox& messages_;
};

} // namespace spurline
