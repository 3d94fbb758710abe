#pragma once

#include <QString>
#include <string>

namespace spurline {

// The folder the file dialogs open in: programDirectory where the user may write to it, else
// the documents folder, else the home folder.
std::string QtDialogStartFolder(const QString& programDirectory);

} // namespace spurline
