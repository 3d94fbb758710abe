#pragma once

#include "graph/Timer.h"

#include <algorithm>
#include <vector>

namespace spurline::testing {

// Timers that run on a clock the test advances: Advance(ms) fires every timer that falls due,
// in time order, as often as it falls due.
class TestClock final : public ITimerFactory {
public:
    std::unique_ptr<ITimer> CreateTimer() override {
        auto timer = std::make_unique<Timer>(*this);
        timers_.push_back(timer.get());
        return timer;
    }

    void Advance(long long ms) {
        const long long end = now_ + ms;
        for (;;) {
            Timer* next = nullptr;
            for (Timer* t : timers_) {
                if (t->active && t->due <= end && (next == nullptr || t->due < next->due)) {
                    next = t;
                }
            }
            if (next == nullptr) {
                break;
            }
            now_ = next->due;
            next->due += next->interval;
            if (next->timeout) {
                next->timeout();
            }
        }
        now_ = end;
    }

private:
    struct Timer final : ITimer {
        explicit Timer(TestClock& clock) : clock(clock) {}
        ~Timer() override { std::erase(clock.timers_, this); }
        void Start(int intervalMs) override {
            interval = std::max(1, intervalMs);
            due = clock.now_ + interval;
            active = true;
        }
        void Stop() override { active = false; }
        bool IsActive() const override { return active; }

        TestClock& clock;
        long long interval = 1;
        long long due = 0;
        bool active = false;
    };

    std::vector<Timer*> timers_;
    long long now_ = 0;
};

} // namespace spurline::testing
