#pragma once

#include "engine/CalculationCallbacks.h"

#include <ostream>

namespace spurline::cli {

// The calculation's callbacks for spurline-calc: the run stops as soon as its output stream has
// failed (a full disk, a reader that went away), instead of computing rows nobody receives.
// The calculation asks between candidates, so a stopped reader stops the work early.
class OutputWatch final : public CalculationCallbacks {
public:
    explicit OutputWatch(const std::ostream& out) : out_(out) {}

    void Progress(int, int) override {}
    // A failed stream stands for the Escape key of the window.
    bool InputWaiting() override { return !out_.good(); }
    void LetEventsRun() override {}
    bool EscapeHeld() override { return !out_.good(); }
    void SetBusyCursor(bool) override {}

private:
    const std::ostream& out_;
};

} // namespace spurline::cli
