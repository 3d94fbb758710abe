#pragma once

#include "document/FileDialogs.h"

#include <QPointer>
#include <QString>

class QFileDialog;
class QWidget;

namespace spurline {

// The Open and Save dialogs with QFileDialog.
class QtFileDialogs final : public IFileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr);

    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> GetOpenFileName(const FileDialogOptions& options) override;
    std::optional<std::string> GetSaveFileName(const FileDialogOptions& options) override;

private:
    std::optional<std::string> Run(const FileDialogOptions& options, bool save);

    QPointer<QWidget> parent_;
};

// "Frequency list (*.frq)|*.frq" (description and pattern pairs) as Qt's name filters
// "Frequency list (*.frq)", joined by ";;".
QString ToQtNameFilters(const std::string& filter);

enum class FileDialogKind { Open, Save };

// Sets title, filter, folder, initial name, mode and options of a dialog.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogOptions& options,
                         FileDialogKind kind);

} // namespace spurline
