#pragma once

#include "engine/PairEnumeration.h"

#include <functional>

namespace spurline {

class CalculationCallbacks;
class ProductRecorder;

// The enumeration of one calculation on several threads. Worker threads walk slices of the
// first-transmitter / second-transmitter loops and keep only the candidates the recorder would
// accept, with where the list cap was checked between them; the calling thread records them
// slice by slice in the one-thread order, so keys, tags, victim marks and the cap come out as
// in a one-thread run. Progress, events and the Escape key stay on the calling thread.
class ParallelEnumeration {
public:
    // sliceSteps: candidate-and-third-transmitter steps per slice.
    ParallelEnumeration(const EnumerationPlan& plan, ProductRecorder& recorder, int threads,
                        long sliceSteps);

    // Stops when the recorder holds more than cap products at a cap check, or on an abort
    // (the Escape key, or abort set while events run). onAbort runs once when an abort is
    // noticed while waiting.
    UnitStop Run(CalculationCallbacks& events, bool& abort, int cap,
                 const std::function<void()>& onAbort);

private:
    const EnumerationPlan& plan_;
    ProductRecorder& recorder_;
    int threads_;
    long sliceSteps_;
};

// The number of threads that a calculation uses when asked for none in particular.
int DefaultCalculationThreads();

} // namespace spurline
