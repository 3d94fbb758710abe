#pragma once

#include <optional>
#include <string>

namespace spurline {

struct FileDialogOptions {
    std::string title;
    std::string filter; // "Description (*.ext)|*.ext"
    std::string initialDirectory;
    std::string initialName;
    bool confirmOverwrite = false;
    bool mustExist = false; // the file (Open) or its folder (Save) must exist
};

// The Open and Save dialogs; an empty optional means the user cancelled.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    virtual std::optional<std::string> GetOpenFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> GetSaveFileName(const FileDialogOptions& options) = 0;
};

} // namespace spurline
