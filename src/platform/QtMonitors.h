#pragma once

#include "graph/Monitors.h"
#include "graph/Timer.h"

class QRect;

namespace spurline {

// The monitors as Qt sees them: QGuiApplication::screens() in their order, the primary screen
// marked, available geometry as the working area.
class QtMonitorSource final : public IMonitorSource {
public:
    std::vector<cMonitor> EnumDisplayMonitors() const override;
};

// QTimer behind the core's timer interface.
class QtTimerFactory final : public ITimerFactory {
public:
    std::unique_ptr<ITimer> CreateTimer() override;
};

ScreenRect ToScreenRect(const QRect& rect);

} // namespace spurline
