#pragma once

#include <functional>

namespace spurline {

class IntermodCalculation;
class IntermodList;
class cIntermodItems;

// The out-of-date signal: every change that can make the calculated products stale calls it.
// With auto refresh it recalculates at once, otherwise it marks a non-empty list out of date;
// either way the graph is redrawn. Called while a calculation runs (an abort), it never starts
// another one from inside it: the shortened list is marked out of date instead.
class RecalculateDue {
public:
    RecalculateDue(const IntermodCalculation& calculation, const cIntermodItems& products,
                   IntermodList& rows);

    bool autoRefresh = false; // "Auto &refresh"
    // Runs the "&Calculate" command (the window's, with its own finishing steps).
    std::function<void()> calculate;
    // DrawGraph with the spectrum picture box.
    std::function<void()> drawGraph;

    void operator()();

private:
    const IntermodCalculation& calculation_;
    const cIntermodItems& products_;
    IntermodList& rows_;
};

} // namespace spurline
