#pragma once

#include "engine/PairEnumeration.h"

#include <functional>
#include <thread>

namespace spurline {

class CalculationCallbacks;
class ProductRecorder;

// Starts one worker thread running work; throws as std::jthread does (std::system_error) when the
// system refuses another thread. Empty: std::jthread itself.
using ThreadStarter = std::function<std::jthread(std::function<void()> work)>;

// The enumeration of one calculation on several threads. Worker threads walk slices of the
// first-transmitter / second-transmitter loops and keep only the candidates the recorder would
// accept, with where the list cap was checked between them; the calling thread records them
// slice by slice in the one-thread order, so keys, tags, victim marks and the cap come out as
// in a one-thread run. Progress, events and the Escape key stay on the calling thread.
class ParallelEnumeration {
public:
    // sliceSteps: candidate-and-third-transmitter steps per slice.
    ParallelEnumeration(const EnumerationPlan& plan, ProductRecorder& recorder, int threads,
                        long sliceSteps, std::size_t heldLimit, ThreadStarter startThread = {});

    // Stops when the recorder holds more than cap products at a cap check, or on an abort
    // (the Escape key, or abort set while events run). onAbort runs once when an abort is
    // noticed while waiting.
    UnitStop Run(CalculationCallbacks& events, bool& abort, int cap,
                 const std::function<void()>& onAbort);

    // The most accepted candidates the workers' buffers held at once in the last run.
    std::size_t peakHeld() const { return peakHeld_; }

    // Accepted candidates the workers may hold at once when not told otherwise (about 9 MB).
    static constexpr std::size_t DefaultHeldLimit = std::size_t{1} << 17;

private:
    const EnumerationPlan& plan_;
    ProductRecorder& recorder_;
    int threads_;
    long sliceSteps_;
    std::size_t heldLimit_;
    ThreadStarter startThread_;
    std::size_t peakHeld_ = 0;
};

// The number of threads that a calculation uses when asked for none in particular: one per
// hardware thread.
int DefaultCalculationThreads();
// The most threads a calculation uses, whatever it is asked for: four per hardware thread.
int MaxCalculationThreads();

} // namespace spurline
