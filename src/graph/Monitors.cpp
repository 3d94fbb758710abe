#include "graph/Monitors.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace spurline {

namespace {

long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
    const long long left = std::max<long long>(a.left, b.left);
    const long long top = std::max<long long>(a.top, b.top);
    const long long right = std::min<long long>(static_cast<long long>(a.left) + a.width,
                                                static_cast<long long>(b.left) + b.width);
    const long long bottom = std::min<long long>(static_cast<long long>(a.top) + a.height,
                                                 static_cast<long long>(b.top) + b.height);
    return right > left && bottom > top ? (right - left) * (bottom - top) : 0;
}

} // namespace

cMonitors::cMonitors(const IMonitorSource& source) : source_(source) {
    Refresh();
}

void cMonitors::Refresh() {
    monitors_ = source_.EnumDisplayMonitors();
}

const cMonitor& cMonitors::Monitor(int index) const {
    if (index < 1 || index > MonitorCount()) {
        throw std::out_of_range("monitor index");
    }
    return monitors_[static_cast<std::size_t>(index - 1)];
}

std::optional<cMonitor> cMonitors::MonitorForWindow(const ScreenRect& window) const {
    std::optional<cMonitor> best;
    long long bestArea = 0;
    for (const cMonitor& monitor : monitors_) {
        const long long area = OverlapArea(window, monitor.area());
        if (area > bestArea) {
            bestArea = area;
            best = monitor;
        }
    }
    return best;
}

std::optional<cMonitor> cMonitors::MonitorForPoint(int x, int y) const {
    for (const cMonitor& monitor : monitors_) {
        if (OverlapArea({x, y, 1, 1}, monitor.area()) > 0) {
            return monitor;
        }
    }
    return std::nullopt;
}

int cMonitors::VirtualScreenLeft() const {
    int left = monitors_.empty() ? 0 : monitors_.front().Left();
    for (const cMonitor& monitor : monitors_) {
        left = std::min(left, monitor.Left());
    }
    return left;
}

int cMonitors::VirtualScreenTop() const {
    int top = monitors_.empty() ? 0 : monitors_.front().Top();
    for (const cMonitor& monitor : monitors_) {
        top = std::min(top, monitor.Top());
    }
    return top;
}

int cMonitors::VirtualScreenWidth() const {
    int right = VirtualScreenLeft();
    for (const cMonitor& monitor : monitors_) {
        right = std::max(right, monitor.Left() + monitor.Width());
    }
    return right - VirtualScreenLeft();
}

int cMonitors::VirtualScreenHeight() const {
    int bottom = VirtualScreenTop();
    for (const cMonitor& monitor : monitors_) {
        bottom = std::max(bottom, monitor.Top() + monitor.Height());
    }
    return bottom - VirtualScreenTop();
}

ScreenRect CentreInWorkArea(const cMonitor& monitor, int width, int height) {
    const int w = std::clamp(width, 0, std::max(0, monitor.WorkWidth()));
    const int h = std::clamp(height, 0, std::max(0, monitor.WorkHeight()));
    return {monitor.WorkLeft() + (monitor.WorkWidth() - w) / 2,
            monitor.WorkTop() + (monitor.WorkHeight() - h) / 2, width, height};
}

ScreenRect KeepInWorkArea(const ScreenRect& box, const cMonitor& monitor) {
    const ScreenRect& work = monitor.workArea();
    ScreenRect placed = box;
    placed.left = std::max(work.left, std::min(box.left, work.left + work.width - box.width));
    placed.top = std::max(work.top, std::min(box.top, work.top + work.height - box.height));
    return placed;
}

} // namespace spurline
