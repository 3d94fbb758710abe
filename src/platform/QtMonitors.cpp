#include "platform/QtMonitors.h"

#include "platform/QtStrings.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QTimer>

namespace spurline {

namespace {

class QtTimer final : public ITimer {
public:
    QtTimer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (timeout) {
                timeout();
            }
        });
    }
    void Start(int intervalMs) override { timer_.start(intervalMs); }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace

ScreenRect ToScreenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

std::vector<cMonitor> QtMonitorSource::EnumDisplayMonitors() const {
    std::vector<cMonitor> monitors;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        monitors.emplace_back(ToStdString(screen->name()), screen == primary,
                              ToScreenRect(screen->geometry()),
                              ToScreenRect(screen->availableGeometry()));
    }
    return monitors;
}

std::unique_ptr<ITimer> QtTimerFactory::CreateTimer() {
    return std::make_unique<QtTimer>();
}

} // namespace spurline
