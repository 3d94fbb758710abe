#include "platform/QtDesktopViewer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace spurline {

bool OpenInDesktopViewer(const QString& path, QObject& context,
                         std::function<void(bool shown)> finished) {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
    // No parent: when xdg-open runs the viewer in the foreground, quitting Spurline must not take
    // the viewer with it, so the process is left running rather than destroyed with the window.
    auto* process = new QProcess;
    process->setProgram(xdgOpen);
    process->setArguments({path});
    QObject::connect(
        process, &QProcess::finished, &context,
        [process, finished = std::move(finished)](int code, QProcess::ExitStatus status) {
            process->deleteLater();
            if (finished) {
                finished(status == QProcess::NormalExit && code == 0);
            }
        });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}

} // namespace spurline
