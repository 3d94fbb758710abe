#include "platform/QtDialogStartFolder.h"

#include "document/DialogStartFolder.h"
#include "platform/QtStrings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace spurline {

std::string QtDialogStartFolder(const QString& programDirectory) {
    const std::vector<std::string> choices{
        ToStdString(programDirectory),
        ToStdString(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
        ToStdString(QDir::homePath())};
    return DialogStartFolder(choices, [](const std::string& folder) {
        const QFileInfo info(ToQString(folder));
        return info.isDir() && info.isWritable();
    });
}

} // namespace spurline
