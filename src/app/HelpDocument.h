#pragma once

#include <QString>
#include <functional>

namespace spurline {

class IMessageBox;

// Opens the user guide with open (the desktop's viewer, which answers whether it could); a guide
// that is missing, or that no viewer could show, is reported in a message that says where it is
// instead of silently doing nothing.
void OpenHelpDocument(const QString& installedFolder, const QString& programDirectory,
                      IMessageBox& messages, const std::function<bool(const QString&)>& open);

} // namespace spurline
