#include "platform/QtFileDialogs.h"

#include "platform/QtStrings.h"

#include <QFileDialog>
#include <QStringList>

namespace spurline {

QtFileDialogs::QtFileDialogs(QWidget* parent) : parent_(parent) {}

QString ToQtNameFilters(const std::string& filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (pattern.isEmpty() || description.contains(QLatin1Char('('))) {
            // The description already shows its patterns, as in "Frequency list (*.frq)".
            filters << description;
        } else {
            QString patterns = pattern;
            patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
            filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
        }
    }
    return filters.join(QStringLiteral(";;"));
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogOptions& options,
                         FileDialogKind kind) {
    dialog.setWindowTitle(ToQString(options.title));
    if (!options.filter.empty()) {
        dialog.setNameFilter(ToQtNameFilters(options.filter));
    }
    if (!options.initialDirectory.empty()) {
        dialog.setDirectory(ToQString(options.initialDirectory));
    }
    if (!options.initialName.empty()) {
        dialog.selectFile(ToQString(options.initialName));
    }
    // A name typed without extension is used as typed.
    dialog.setDefaultSuffix(QString());
    if (kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
}

std::optional<std::string> QtFileDialogs::Run(const FileDialogOptions& options, bool save) {
    QFileDialog dialog(parent_);
    ConfigureFileDialog(dialog, options, save ? FileDialogKind::Save : FileDialogKind::Open);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return ToStdString(chosen.first());
}

std::optional<std::string> QtFileDialogs::GetOpenFileName(const FileDialogOptions& options) {
    return Run(options, false);
}

std::optional<std::string> QtFileDialogs::GetSaveFileName(const FileDialogOptions& options) {
    return Run(options, true);
}

} // namespace spurline
