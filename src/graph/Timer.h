#pragma once

#include <functional>
#include <memory>

namespace spurline {

// A repeating timer on the user-interface thread; tests drive it from a test clock.
class ITimer {
public:
    virtual ~ITimer() = default;
    virtual void Start(int intervalMs) = 0; // restarts the count
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;

    std::function<void()> timeout;
};

class ITimerFactory {
public:
    virtual ~ITimerFactory() = default;
    virtual std::unique_ptr<ITimer> CreateTimer() = 0;
};

} // namespace spurline
