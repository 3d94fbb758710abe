#pragma once

namespace spurline {

class CalculationCallbacks;
class FrequencyList;

// Marks row X (1-based display position) as hit by a product of the given order. A row keeps the
// lowest order that hits it; an equal order marks it again. When events is given and input is
// waiting, waiting events run and a held Escape key sets *abort.
void mark_freq(FrequencyList& list, int X, int order, CalculationCallbacks* events = nullptr,
               bool* abort = nullptr);

// Clears the display marks of row X (colour black, not bold, not ghosted, no icon); the tag stays.
void unmark_freq(FrequencyList& list, int X);

} // namespace spurline
