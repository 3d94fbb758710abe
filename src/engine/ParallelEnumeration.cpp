#include "engine/ParallelEnumeration.h"

#include "engine/CalculationCallbacks.h"
#include "engine/ProductRecorder.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace spurline {

namespace {

// Slices the workers may run ahead of the recording.
constexpr std::size_t SlicesAheadPerThread = 32;
// Accepted candidates the finished slices may hold before the workers wait (about 80 MB): a site
// where every candidate reaches a receiver fills slices far faster than they are recorded.
constexpr std::size_t HeldCandidatesLimit = std::size_t{1} << 20;
constexpr auto PollInterval = std::chrono::milliseconds(20);

struct Slice {
    int first;
    int jFirst;
    int jLast;
    bool startsFirst; // carries the first transmitter's progress and harmonics
};

struct Accepted {
    double F;
    double B;
    Component c1, c2, c3;
    bool checkBefore; // the list cap was checked after the previous accepted candidate
};

struct SliceResult {
    std::vector<Accepted> accepted;
    bool checkAtEnd = false; // the list cap was checked after the last accepted candidate
    bool ready = false;
    std::exception_ptr failure;
};

// Keeps what the recorder would take; remembers the cap checks in between.
class CollectingSink {
public:
    CollectingSink(const ProductRecorder& recorder, const std::atomic<bool>& stop,
                   SliceResult& result)
        : recorder_(recorder), stop_(stop), result_(result) {}

    void Offer(double F, const Component& c1, const Component& c2, const Component& c3, double B) {
        if (recorder_.Accepts(F, B)) {
            result_.accepted.push_back({F, B, c1, c2, c3, pendingCheck_});
            pendingCheck_ = false;
        }
    }
    bool CapReached() {
        pendingCheck_ = true;
        return false;
    }
    AcceptanceBounds Bounds() const { return recorder_.Bounds(); }
    bool AbortInPair() const { return stop_.load(std::memory_order_relaxed); }
    bool AbortInThird() const { return stop_.load(std::memory_order_relaxed); }
    bool Aborted() const { return stop_.load(std::memory_order_relaxed); }
    bool pendingCheck() const { return pendingCheck_; }

private:
    const ProductRecorder& recorder_;
    const std::atomic<bool>& stop_;
    SliceResult& result_;
    bool pendingCheck_ = false;
};

// Hands out the slices of the first-transmitter / second-transmitter loops in the order of
// recording, one at a time: a site of many transmitters with three-transmitter products has a
// slice per pair, far too many to list beforehand.
class SliceCursor {
public:
    SliceCursor(const EnumerationPlan& plan, long sliceSteps)
        : plan_(plan),
          pairsPerSlice_(static_cast<int>(std::max(
              1L, sliceSteps / std::max(1L, plan.options.threeFrequencies ? plan.n : 1L)))) {}

    bool Next(Slice& slice) {
        if (i_ > plan_.n) {
            return false;
        }
        const bool walks = plan_.transmits[static_cast<std::size_t>(i_ - 1)] != 0;
        const int last = walks ? std::min(plan_.n, j_ + pairsPerSlice_ - 1) : plan_.n;
        slice = {i_, j_, last, first_};
        first_ = false;
        j_ = last + 1;
        if (!walks || j_ > plan_.n) {
            ++i_;
            j_ = i_ + 1;
            first_ = true;
        }
        return true;
    }

private:
    const EnumerationPlan& plan_;
    const int pairsPerSlice_;
    int i_ = 1;
    int j_ = 2;
    bool first_ = true;
};

// The shared state of the workers and the recording thread. Results wait in a ring of as many
// places as the workers may run ahead, so memory does not grow with the site.
class SliceQueue {
public:
    SliceQueue(const EnumerationPlan& plan, const ProductRecorder& recorder, int threads,
               long sliceSteps)
        : plan_(plan), recorder_(recorder), cursor_(plan, sliceSteps),
          ahead_(SlicesAheadPerThread * static_cast<std::size_t>(threads)), results_(ahead_) {
        for (int t = 0; t < threads; ++t) {
            workers_.emplace_back([this] { Work(); });
        }
    }
    ~SliceQueue() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        taken_.notify_all();
        // The jthreads join here.
    }
    SliceQueue(const SliceQueue&) = delete;
    SliceQueue& operator=(const SliceQueue&) = delete;

    // Waits up to one poll interval for slice s; on success moves its result into out and
    // lets the workers run further ahead.
    bool TryTake(std::size_t s, SliceResult& out) {
        std::unique_lock lock(mutex_);
        SliceResult& place = results_[s % ahead_];
        if (!done_.wait_for(lock, PollInterval, [&] { return place.ready; })) {
            return false;
        }
        out = std::move(place);
        place = SliceResult{};
        taken_count_ = s + 1;
        const bool workersWaiting =
            next_ >= taken_count_ - 1 + ahead_ || held_ >= HeldCandidatesLimit;
        held_ -= out.accepted.size();
        lock.unlock();
        if (workersWaiting) {
            taken_.notify_all();
        }
        return true;
    }

private:
    void Work() {
        for (;;) {
            std::size_t s = 0;
            Slice slice{};
            {
                std::unique_lock lock(mutex_);
                // The slice being waited for is always out already, so waiting for room never
                // stops the recording.
                taken_.wait(lock, [&] {
                    return stop_ || (next_ < taken_count_ + ahead_ && held_ < HeldCandidatesLimit);
                });
                if (stop_ || exhausted_) {
                    return;
                }
                if (!cursor_.Next(slice)) {
                    exhausted_ = true;
                    lock.unlock();
                    done_.notify_all();
                    return;
                }
                s = next_++;
            }
            SliceResult result;
            try {
                CollectingSink sink(recorder_, stop_, result);
                EnumerateUnit(plan_, slice.first, slice.jFirst, slice.jLast, slice.startsFirst,
                              sink);
                result.checkAtEnd = sink.pendingCheck();
            } catch (...) {
                result.failure = std::current_exception();
            }
            bool wake = false;
            {
                std::lock_guard lock(mutex_);
                result.ready = true;
                wake = result.failure != nullptr;
                held_ += result.accepted.size();
                results_[s % ahead_] = std::move(result);
                ++finished_;
                // The recording thread is woken in batches, not for every slice: each wake-up
                // takes a core from a worker. Half a window keeps the workers busy meanwhile.
                wake = wake || (exhausted_ && finished_ == next_) ||
                       finished_ >= taken_count_ + ahead_ / 2;
            }
            if (wake) {
                done_.notify_all();
            }
        }
    }

    const EnumerationPlan& plan_;
    const ProductRecorder& recorder_;
    SliceCursor cursor_;
    const std::size_t ahead_;
    std::vector<SliceResult> results_;
    std::mutex mutex_;
    std::condition_variable done_;
    std::condition_variable taken_;
    std::size_t next_ = 0;
    std::size_t taken_count_ = 0;
    std::size_t finished_ = 0;
    std::size_t held_ = 0; // accepted candidates in finished slices not yet taken
    bool exhausted_ = false;
    std::atomic<bool> stop_ = false;
    std::vector<std::jthread> workers_; // last: started after, joined before the rest
};

} // namespace

int DefaultCalculationThreads() {
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

ParallelEnumeration::ParallelEnumeration(const EnumerationPlan& plan, ProductRecorder& recorder,
                                         int threads, long sliceSteps)
    : plan_(plan), recorder_(recorder), threads_(std::max(1, threads)),
      sliceSteps_(std::max(1L, sliceSteps)) {}

UnitStop ParallelEnumeration::Run(CalculationCallbacks& events, bool& abort, int cap,
                                  const std::function<void()>& onAbort) {
    SliceQueue queue(plan_, recorder_, threads_, sliceSteps_);
    auto escapePressed = [&] {
        if (events.InputWaiting()) {
            events.LetEventsRun();
            if (events.EscapeHeld()) {
                abort = true;
            }
        }
        return abort;
    };
    auto stopAborted = [&] {
        if (onAbort) {
            onAbort();
        }
        return UnitStop::Aborted;
    };
    // The recording thread walks the slices in their order with a cursor of its own, so that it
    // shows progress and looks for Escape before it waits for a slice, as a one-thread run does.
    SliceCursor order(plan_, sliceSteps_);
    Slice slice{};
    SliceResult result;
    for (std::size_t s = 0; order.Next(slice); ++s) {
        if (slice.startsFirst) {
            events.Progress(slice.first, plan_.n);
        }
        if (escapePressed()) {
            return stopAborted();
        }
        while (!queue.TryTake(s, result)) {
            if (escapePressed()) {
                return stopAborted();
            }
        }
        if (result.failure) {
            std::rethrow_exception(result.failure);
        }
        for (const Accepted& a : result.accepted) {
            if (a.checkBefore && recorder_.counter() > cap) {
                return UnitStop::Capped;
            }
            recorder_.Record(a.F, a.c1, a.c2, a.c3, a.B);
        }
        if (result.checkAtEnd && recorder_.counter() > cap) {
            return UnitStop::Capped;
        }
        if (abort) {
            return UnitStop::Aborted;
        }
    }
    return UnitStop::Finished;
}

} // namespace spurline
