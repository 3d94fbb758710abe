#include "engine/ParallelEnumeration.h"

#include "engine/CalculationCallbacks.h"
#include "engine/ProductRecorder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>

namespace spurline {

namespace {

// Slices the workers may run ahead of the recording: 32 a thread, at most this many in all.
constexpr std::size_t SlicesAheadPerThread = 32;
constexpr std::size_t MostSlicesAhead = 1024;
// Accepted candidates a worker gathers before it hands them over, at most: a slice of a site where
// every candidate is accepted holds hundreds of thousands.
constexpr std::size_t LargestChunk = 4096;
// Threads a calculation may use for each hardware thread: more only share the same cores.
constexpr int ThreadsPerCore = 4;
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

using Chunk = std::vector<Accepted>;

// What the recording thread takes of a slice: its chunks in order, then its end.
struct SliceResult {
    std::vector<Chunk> chunks;
    std::size_t taken = 0;   // chunks already handed to the recording thread
    bool checkAtEnd = false; // the list cap was checked after the last accepted candidate
    bool ready = false;      // the slice is walked to its end
    std::exception_ptr failure;
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
// places as the workers may run ahead, so memory does not grow with the site; the accepted
// candidates travel in chunks, and all chunks together, handed over or being filled, never hold
// more than the held limit, so memory does not grow with the number of threads either. The slice
// being recorded may always go on: its chunks are taken as they come.
class SliceQueue {
public:
    SliceQueue(const EnumerationPlan& plan, const ProductRecorder& recorder, int threads,
               long sliceSteps, std::size_t heldLimit, const ThreadStarter& startThread)
        : plan_(plan), recorder_(recorder), cursor_(plan, sliceSteps),
          ahead_(
              std::min(MostSlicesAhead, SlicesAheadPerThread * static_cast<std::size_t>(threads))),
          heldLimit_(std::max<std::size_t>(heldLimit, 4)),
          chunk_(std::clamp<std::size_t>(heldLimit_ / (4 * static_cast<std::size_t>(threads)), 1,
                                         LargestChunk)),
          results_(ahead_) {
        workers_.reserve(static_cast<std::size_t>(threads));
        for (int t = 0; t < threads; ++t) {
            try {
                workers_.push_back(startThread ? startThread([this] { Work(); })
                                               : std::jthread([this] { Work(); }));
            } catch (...) {
                // Short of threads (a process limit): those that started do the work. With none
                // there is nobody to wait for, and the failure is reported.
                if (workers_.empty()) {
                    throw;
                }
                break;
            }
        }
    }
    ~SliceQueue() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        room_.notify_all();
        // The jthreads join here.
    }
    SliceQueue(const SliceQueue&) = delete;
    SliceQueue& operator=(const SliceQueue&) = delete;

    enum class Taken { Nothing, Chunk, End };

    // Waits up to one poll interval for slice s (the one being recorded): its next chunk, moved
    // into chunk, or its end, moved into end, after which the workers may run further ahead.
    Taken TryTake(std::size_t s, Chunk& chunk, SliceResult& end) {
        std::unique_lock lock(mutex_);
        SliceResult& place = results_[s % ahead_];
        if (!done_.wait_for(lock, PollInterval,
                            [&] { return place.taken < place.chunks.size() || place.ready; })) {
            return Taken::Nothing;
        }
        Taken taken = Taken::End;
        if (place.taken < place.chunks.size()) {
            chunk = std::move(place.chunks[place.taken++]);
            held_ -= chunk.size();
            taken = Taken::Chunk;
        } else {
            end = std::move(place);
            place = SliceResult{};
            recording_ = s + 1;
        }
        const bool wake = waiting_ > 0;
        lock.unlock();
        if (wake) {
            room_.notify_all();
        }
        return taken;
    }

    // The most candidates that the chunks held at once.
    std::size_t peakHeld() const { return peakHeld_; }

private:
    friend class ChunkingSink;

    // Waits on room_ until ready() holds or the run stops; wakes the recording thread first,
    // which may be waiting for what this worker has already handed over.
    template <typename Ready> bool WaitForRoom(std::unique_lock<std::mutex>& lock, Ready ready) {
        if (stop_ || ready()) {
            return !stop_;
        }
        done_.notify_all();
        ++waiting_;
        room_.wait(lock, [&] { return stop_ || ready(); });
        --waiting_;
        return !stop_;
    }

    // Room for one more chunk of slice s: false when the run stops. The slices after the one
    // being recorded leave room for two chunks of it, which always may go on with as many as
    // the recording has not taken yet.
    bool Reserve(std::size_t s) {
        std::unique_lock lock(mutex_);
        const bool ok = WaitForRoom(lock, [&] {
            const std::size_t keep = s == recording_ ? 0 : 2 * chunk_;
            return held_ + chunk_ + keep <= heldLimit_;
        });
        if (ok) {
            held_ += chunk_;
            peakHeld_ = std::max(peakHeld_, held_);
        }
        return ok;
    }

    // Hands over a chunk of slice s (held under a reservation of chunk_ places); with last, the
    // slice's end too.
    void HandOver(std::size_t s, Chunk&& chunk, bool reserved, bool last, bool checkAtEnd,
                  const std::exception_ptr& failure) {
        bool wake = false;
        {
            std::lock_guard lock(mutex_);
            SliceResult& place = results_[s % ahead_];
            if (reserved) {
                held_ -= chunk_ - chunk.size();
            }
            if (!chunk.empty()) {
                place.chunks.push_back(std::move(chunk));
                wake = s == recording_;
            }
            if (last) {
                place.ready = true;
                place.checkAtEnd = checkAtEnd;
                place.failure = failure;
                ++finished_;
                // The recording thread is woken in batches, not for every slice: each wake-up
                // takes a core from a worker. Half a window keeps the workers busy meanwhile.
                wake = wake || failure != nullptr || (exhausted_ && finished_ == next_) ||
                       finished_ >= recording_ + ahead_ / 2;
            }
        }
        if (wake) {
            done_.notify_all();
        }
    }

    void Work();

    const EnumerationPlan& plan_;
    const ProductRecorder& recorder_;
    SliceCursor cursor_;
    const std::size_t ahead_;
    const std::size_t heldLimit_;
    const std::size_t chunk_; // candidates a chunk holds at most
    std::vector<SliceResult> results_;
    std::mutex mutex_;
    std::condition_variable done_;
    std::condition_variable room_;
    std::size_t next_ = 0;
    std::size_t recording_ = 0; // the slice being recorded
    std::size_t finished_ = 0;
    std::size_t held_ = 0; // candidate places of the chunks reserved or handed over, not taken
    std::size_t peakHeld_ = 0;
    int waiting_ = 0; // workers waiting on room_
    bool exhausted_ = false;
    std::atomic<bool> stop_ = false;
    std::vector<std::jthread> workers_; // last: started after, joined before the rest
};

// Keeps what the recorder would take, in chunks handed over as they fill; remembers the cap
// checks in between.
class ChunkingSink {
public:
    ChunkingSink(SliceQueue& queue, std::size_t slice) : queue_(queue), slice_(slice) {}

    void Offer(double F, const Component& c1, const Component& c2, const Component& c3, double B) {
        if (queue_.recorder_.Accepts(F, B)) {
            if (room_ == 0 && !NextChunk()) {
                return;
            }
            chunk_.push_back({F, B, c1, c2, c3, pendingCheck_});
            --room_;
            pendingCheck_ = false;
        }
    }
    bool CapReached() {
        pendingCheck_ = true;
        return false;
    }
    AcceptanceBounds Bounds() const { return queue_.recorder_.Bounds(); }
    bool AbortInPair() const { return Aborted(); }
    bool AbortInThird() const { return Aborted(); }
    bool Aborted() const { return queue_.stop_.load(std::memory_order_relaxed); }

    // Hands over the rest and the slice's end.
    void Finish(const std::exception_ptr& failure = nullptr) {
        queue_.HandOver(slice_, std::move(chunk_), reserved_, true, pendingCheck_, failure);
        reserved_ = false;
    }

private:
    bool NextChunk() {
        if (reserved_) {
            queue_.HandOver(slice_, std::move(chunk_), true, false, false, nullptr);
            reserved_ = false;
        }
        chunk_ = Chunk();
        if (!queue_.Reserve(slice_)) {
            return false; // stopped: the walk ends at its next check
        }
        reserved_ = true;
        chunk_.reserve(queue_.chunk_);
        room_ = queue_.chunk_;
        return true;
    }

    SliceQueue& queue_;
    const std::size_t slice_;
    Chunk chunk_;
    std::size_t room_ = 0;
    bool reserved_ = false;
    bool pendingCheck_ = false;
};

void SliceQueue::Work() {
    for (;;) {
        std::size_t s = 0;
        Slice slice{};
        {
            std::unique_lock lock(mutex_);
            // The slice being recorded is always out already, so waiting for room never stops
            // the recording.
            if (!WaitForRoom(lock, [&] { return next_ < recording_ + ahead_; }) || exhausted_) {
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
        ChunkingSink sink(*this, s);
        std::exception_ptr failure;
        try {
            EnumerateUnit(plan_, slice.first, slice.jFirst, slice.jLast, slice.startsFirst, sink);
        } catch (...) {
            failure = std::current_exception();
        }
        sink.Finish(failure);
    }
}

} // namespace

int DefaultCalculationThreads() {
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

int MaxCalculationThreads() {
    return ThreadsPerCore * DefaultCalculationThreads();
}

ParallelEnumeration::ParallelEnumeration(const EnumerationPlan& plan, ProductRecorder& recorder,
                                         int threads, long sliceSteps, std::size_t heldLimit,
                                         ThreadStarter startThread)
    : plan_(plan), recorder_(recorder), threads_(std::max(1, threads)),
      sliceSteps_(std::max(1L, sliceSteps)), heldLimit_(heldLimit),
      startThread_(std::move(startThread)) {}

UnitStop ParallelEnumeration::Run(CalculationCallbacks& events, bool& abort, int cap,
                                  const std::function<void()>& onAbort) {
    SliceQueue queue(plan_, recorder_, threads_, sliceSteps_, heldLimit_, startThread_);
    struct PeakOnExit {
        const SliceQueue& queue;
        std::size_t& peak;
        ~PeakOnExit() { peak = queue.peakHeld(); }
    } peakOnExit{queue, peakHeld_};
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
    Chunk chunk;
    SliceResult end;
    for (std::size_t s = 0; order.Next(slice); ++s) {
        if (slice.startsFirst) {
            events.Progress(slice.first, plan_.n);
        }
        if (escapePressed()) {
            return stopAborted();
        }
        for (;;) {
            const SliceQueue::Taken taken = queue.TryTake(s, chunk, end);
            if (taken == SliceQueue::Taken::End) {
                break;
            }
            if (taken == SliceQueue::Taken::Nothing) {
                if (escapePressed()) {
                    return stopAborted();
                }
                continue;
            }
            for (const Accepted& a : chunk) {
                if (a.checkBefore && recorder_.counter() > cap) {
                    return UnitStop::Capped;
                }
                recorder_.Record(a.F, a.c1, a.c2, a.c3, a.B);
            }
        }
        if (end.failure) {
            std::rethrow_exception(end.failure);
        }
        if (end.checkAtEnd && recorder_.counter() > cap) {
            return UnitStop::Capped;
        }
        if (abort) {
            return UnitStop::Aborted;
        }
    }
    return UnitStop::Finished;
}

} // namespace spurline
