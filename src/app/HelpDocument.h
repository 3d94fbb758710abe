#pragma once

#include <QString>
#include <functional>

namespace spurline {

class IMessageBox;

// Opens the user guide with open (the desktop's viewer); a guide that is missing is reported in
// a message instead of silently doing nothing.
void OpenHelpDocument(const QString& programDirectory, IMessageBox& messages,
                      const std::function<void(const QString&)>& open);

} // namespace spurline
