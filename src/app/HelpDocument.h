#pragma once

#include <QString>
#include <functional>

namespace spurline {

class IMessageBox;

// Opens a file in the desktop's viewer: false when it could not even start; failed runs later
// when the viewer could not show the file.
using DocumentOpener = std::function<bool(const QString& path, std::function<void()> failed)>;

// Opens the user guide with open; a guide that is missing, or that no viewer could show (at once
// or later), is reported in a message that says where it is instead of silently doing nothing.
void OpenHelpDocument(const QString& installedFolder, const QString& programDirectory,
                      IMessageBox& messages, const DocumentOpener& open);

} // namespace spurline
