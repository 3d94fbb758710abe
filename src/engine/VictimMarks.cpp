#include "engine/VictimMarks.h"

#include "document/FrequencyList.h"
#include "engine/CalculationCallbacks.h"
#include "engine/OrderColours.h"

namespace spurline {

namespace {
// Image 1 of the frequency list's small-icon image list: the victim symbol.
constexpr int VictimIcon = 1;
} // namespace

void mark_freq(FrequencyList& list, int X, int order, CalculationCallbacks* events, bool* abort) {
    const int m = list.entry(X - 1).mark.tag;
    if (!(order > m && m != 0)) {
        VictimMark mark;
        mark.tag = order;
        mark.colour = order2colour(order);
        mark.bold = true;
        mark.ghosted = true;
        mark.icon = VictimIcon;
        // A receiver hit by thousands of products is told only when its mark changes.
        if (!(list.entry(X - 1).mark == mark)) {
            list.SetVictimMark(X - 1, mark);
        }
    }
    if (events != nullptr && events->InputWaiting()) {
        events->SetBusyCursor(true);
        events->LetEventsRun();
        if (events->EscapeHeld() && abort != nullptr) {
            *abort = true;
        }
    }
}

void unmark_freq(FrequencyList& list, int X) {
    VictimMark mark = list.entry(X - 1).mark;
    mark.colour = Rgb(0, 0, 0);
    mark.bold = false;
    mark.ghosted = false;
    mark.icon = 0;
    list.SetVictimMark(X - 1, mark);
}

} // namespace spurline
