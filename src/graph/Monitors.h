#pragma once

#include "document/MessageBox.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace spurline {

// One display monitor, in pixels of the virtual desktop.
class cMonitor {
public:
    cMonitor() = default;
    cMonitor(std::string name, bool primary, const ScreenRect& area, const ScreenRect& work)
        : Name(std::move(name)), IsPrimary(primary), area_(area), work_(work) {}

    std::string Name;
    bool IsPrimary = false;

    int Left() const { return area_.left; }
    int Top() const { return area_.top; }
    int Width() const { return area_.width; }
    int Height() const { return area_.height; }
    // The monitor less task bars and docked bars.
    int WorkLeft() const { return work_.left; }
    int WorkTop() const { return work_.top; }
    int WorkWidth() const { return work_.width; }
    int WorkHeight() const { return work_.height; }
    const ScreenRect& area() const { return area_; }
    const ScreenRect& workArea() const { return work_; }

private:
    ScreenRect area_;
    ScreenRect work_;
};

// Where the monitors come from: the window system's screen list.
class IMonitorSource {
public:
    virtual ~IMonitorSource() = default;
    virtual std::vector<cMonitor> EnumDisplayMonitors() const = 0;
};

// The monitors of the desktop, numbered from 1 in the order the window system lists them, and
// the monitor that holds a window or a point.
class cMonitors {
public:
    explicit cMonitors(const IMonitorSource& source);

    void Refresh();
    int MonitorCount() const { return static_cast<int>(monitors_.size()); }
    // index from 1 to MonitorCount.
    const cMonitor& Monitor(int index) const;
    // The monitor holding the largest part of the window; nothing when it is on none.
    std::optional<cMonitor> MonitorForWindow(const ScreenRect& window) const;
    std::optional<cMonitor> MonitorForPoint(int x, int y) const;
    int VirtualScreenLeft() const;
    int VirtualScreenTop() const;
    // The rectangle around all monitors.
    int VirtualScreenWidth() const;
    int VirtualScreenHeight() const;
    int DisplayMonitorCount() const { return MonitorCount(); }

private:
    const IMonitorSource& source_;
    std::vector<cMonitor> monitors_;
};

// Where a window of the given size goes to stand centred in the monitor's working area; a
// window larger than the area is placed as if it had the area's size.
ScreenRect CentreInWorkArea(const cMonitor& monitor, int width, int height);

// The box moved the least distance that brings it inside the working area (its top left
// corner wins when it is larger than the area).
ScreenRect KeepInWorkArea(const ScreenRect& box, const cMonitor& monitor);

} // namespace spurline
