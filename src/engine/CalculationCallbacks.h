#pragma once

namespace spurline {

// What the calculation needs from the window while it runs: progress, the input-state query, a
// way to let waiting events (repaints, the Escape poll's ticks) run, the Escape key and the mouse
// pointer. Tests implement it to abort at a chosen point.
class CalculationCallbacks {
public:
    virtual ~CalculationCallbacks() = default;
    // Once per first transmitter (1-based) out of count entries.
    virtual void Progress(int first, int count) = 0;
    // The platform's query whether user input is waiting; asked between candidates.
    virtual bool InputWaiting() = 0;
    // Lets waiting events run; the Escape poll may request an abort from in here.
    virtual void LetEventsRun() = 0;
    // Whether the Escape key is held down right now.
    virtual bool EscapeHeld() = 0;
    virtual void SetBusyCursor(bool busy) = 0;
};

// For callers without a window (the command-line tool): no input ever waits.
class NoCalculationCallbacks final : public CalculationCallbacks {
public:
    void Progress(int, int) override {}
    bool InputWaiting() override { return false; }
    void LetEventsRun() override {}
    bool EscapeHeld() override { return false; }
    void SetBusyCursor(bool) override {}
};

} // namespace spurline
