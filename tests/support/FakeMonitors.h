#pragma once

#include "graph/Monitors.h"

#include <vector>

namespace spurline::testing {

// Screens given by the test: a 1920 x 1080 primary at the origin with a 40-pixel task bar at
// the bottom, and a 1280 x 1024 screen to its right with a 30-pixel bar at the top.
class FakeMonitorSource final : public IMonitorSource {
public:
    std::vector<cMonitor> EnumDisplayMonitors() const override { return monitors; }

    std::vector<cMonitor> monitors{
        cMonitor("DP-1", true, {0, 0, 1920, 1080}, {0, 0, 1920, 1040}),
        cMonitor("HDMI-1", false, {1920, 0, 1280, 1024}, {1920, 30, 1280, 994}),
    };
};

} // namespace spurline::testing
