#pragma once

#include <QString>
#include <functional>

class QObject;

namespace spurline {

// Opens a file in the desktop's viewer. xdg-open is asked directly because it answers whether a
// viewer could show the file, where QDesktopServices only tells whether xdg-open started.
// Returns false when nothing could be started; finished runs later, from the event loop, with
// whether a viewer showed the file (while context lives). Without xdg-open, QDesktopServices
// opens it and finished never runs.
bool OpenInDesktopViewer(const QString& path, QObject& context,
                         std::function<void(bool shown)> finished);

} // namespace spurline
