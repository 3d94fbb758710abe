#include "engine/IntermodCalculation.h"

#include "document/ErrorReport.h"
#include "document/FrequencyList.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"
#include "document/MessageBox.h"
#include "document/NumberFormat.h"
#include "engine/CalculationCallbacks.h"
#include "engine/CalculationTable.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "engine/PairEnumeration.h"
#include "engine/ParallelEnumeration.h"
#include "engine/ProductRecorder.h"
#include "engine/VictimMarks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <new>

namespace spurline {

namespace {

constexpr int InternalError = 51;

constexpr const char* LimitMessage = "Lower limit greater than upper limit!";
constexpr const char* CapMessage = "Maximum number of intermods reached!\r\n"
                                   "Try re-calculating using the upper\r\n"
                                   "and lower limits to restrict the range";
constexpr const char* MemoryMessage = "Too many intermods!\r\n"
                                      "Try re-calculating using the upper\r\n"
                                      "and lower limits to restrict the range";

// The one-thread walk: records each candidate at once and polls the window itself.
class RecordingSink {
public:
    RecordingSink(ProductRecorder& recorder, CalculationCallbacks& events, bool& abort, int cap,
                  const std::function<void()>& recalculateDue)
        : recorder_(recorder), events_(events), abort_(abort), cap_(cap),
          recalculateDue_(recalculateDue) {}

    void Offer(double F, const Component& c1, const Component& c2, const Component& c3, double B) {
        recorder_.Offer(F, c1, c2, c3, B);
    }
    bool CapReached() const { return recorder_.counter() > cap_; }
    AcceptanceBounds Bounds() const { return recorder_.Bounds(); }
    bool AbortInPair() { return EscapePressed(); }
    bool AbortInThird() {
        if (!EscapePressed()) {
            return false;
        }
        if (recalculateDue_) {
            recalculateDue_();
        }
        return true;
    }
    bool Aborted() const { return abort_; }

private:
    bool EscapePressed() {
        if (events_.InputWaiting()) {
            events_.LetEventsRun();
            if (events_.EscapeHeld()) {
                abort_ = true;
                return true;
            }
        }
        return false;
    }

    ProductRecorder& recorder_;
    CalculationCallbacks& events_;
    bool& abort_;
    int cap_;
    const std::function<void()>& recalculateDue_;
};

// Keeps running_ true for the duration of one calculation.
class RunningGuard {
public:
    explicit RunningGuard(bool& running) : running_(running) { running_ = true; }
    ~RunningGuard() { running_ = false; }
    RunningGuard(const RunningGuard&) = delete;
    RunningGuard& operator=(const RunningGuard&) = delete;

private:
    bool& running_;
};

} // namespace

std::string ProgressPercent(int first, int count, const Locale& locale) {
    const double fraction = count > 0 ? static_cast<double>(first) / count : 0;
    return FormatNumber(fraction * 100, "##0.0", locale) + "%";
}

IntermodCalculation::IntermodCalculation(FrequencyList& list, cIntermodItems& products,
                                         IntermodList& rows, IMessageBox& messages)
    : list_(list), products_(products), rows_(rows), messages_(messages) {}

CalculationResult IntermodCalculation::Calculate(const IntermodOptions& options,
                                                 CalculationCallbacks& events) {
    CalculationResult result;
    if (running_) {
        // Never re-entered from inside itself (an event handler during the run).
        return result;
    }
    if (list_.empty()) {
        return result;
    }
    const CalculationLimits limits =
        ReadLimits(options.lowerLimit, options.upperLimit, list_.locale());
    if (!(limits.lower < limits.upper)) {
        messages_.CenteredMsgBox(LimitMessage, msgbox::Exclamation);
        result.outcome = CalculationOutcome::LimitsRejected;
        result.message = LimitMessage;
        return result;
    }

    RunningGuard guard(running_);
    recorded_ = 0;
    step_ = "calculate/prepare";
    try {
        events.SetBusyCursor(true);
        rows_.MarkCurrent({});
        events.LetEventsRun();
        abort_ = false;
        rows_.Clear();
        products_.Clear();
        if (commandStates != nullptr) {
            commandStates->SetCalculateEnabled(false);
        }

        const Stop stop = Enumerate(options, limits, events);
        if (stop == Stop::Capped) {
            events.SetBusyCursor(false);
            messages_.CenteredMsgBox(CapMessage, msgbox::Exclamation);
            rows_.SetStatusLine(StatusNotComplete);
            result.outcome = CalculationOutcome::Capped;
            result.message = CapMessage;
        } else {
            step_ = "calculate/sort";
            products_.SortByOrder();
            result.outcome =
                stop == Stop::Aborted ? CalculationOutcome::Aborted : CalculationOutcome::Complete;
        }
    } catch (const std::bad_alloc&) {
        events.SetBusyCursor(false);
        messages_.CenteredMsgBox(MemoryMessage, msgbox::Exclamation);
        rows_.SetStatusLine(StatusNotComplete);
        result.outcome = CalculationOutcome::Failed;
        result.message = MemoryMessage;
    } catch (const CommandFailure& failure) {
        events.SetBusyCursor(false);
        const CommandFailure report(failure.number(), failure.what(),
                                    failure.step().empty() ? step_ : failure.step());
        ShowErrorReport(messages_, report);
        result.outcome = CalculationOutcome::Failed;
        result.message = FormatErrorReport(report);
    } catch (const std::exception& failure) {
        events.SetBusyCursor(false);
        const CommandFailure report(InternalError, failure.what(), step_);
        ShowErrorReport(messages_, report);
        result.outcome = CalculationOutcome::Failed;
        result.message = FormatErrorReport(report);
    }

    // Finishing steps.
    const int recorded = keepProducts ? products_.Count() : recorded_;
    if (recorded == 0) {
        IntermodListRow none;
        none.texts[ImColFrequency] = "None";
        none.key = "None";
        rows_.AddRow(std::move(none));
    }
    if (commandStates != nullptr) {
        commandStates->SetPrintEnabled(recorded > 0);
        commandStates->SetCalculateEnabled(true);
    }
    if (result.outcome == CalculationOutcome::Aborted) {
        // A shortened list must not pass for a complete one; the single "None" row shows
        // nothing that could be stale.
        if (products_.Count() > 0) {
            if (!rows_.outOfDate()) {
                rows_.MarkOutOfDate();
            }
        } else if (rows_.outOfDate()) {
            rows_.MarkCurrent({});
        }
    }
    events.SetBusyCursor(false);
    result.products = recorded;
    return result;
}

IntermodCalculation::Stop IntermodCalculation::Enumerate(const IntermodOptions& options,
                                                         CalculationLimits limits,
                                                         CalculationCallbacks& events) {
    step_ = "calculate/table";
    const int n = list_.count();
    CalculationTable table;
    table.reserve(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) {
        if (selection != nullptr) {
            selection->SetSelected(r - 1, false);
        }
        unmark_freq(list_, r);
        VictimMark cleared = list_.entry(r - 1).mark;
        cleared.tag = 0;
        list_.SetVictimMark(r - 1, cleared);
        table.push_back(ReadCalculationRow(list_.entry(r - 1), list_.locale()));
    }

    step_ = "calculate/products";
    ProductRecorder recorder(table, options.filter, limits, list_, products_, rows_, events,
                             abort_);
    recorder.keepProducts = keepProducts;
    receiverLevels_.clear();
    std::optional<LevelTable> levelTable;
    if (levels) {
        levelTable.emplace(list_.entries(), *levels);
        recorder.SetLevels(&*levelTable);
    }
    // The totals survive an abort or a failure part-way, as the products do.
    struct LevelsOnExit {
        const ProductRecorder& recorder;
        const std::optional<LevelTable>& table;
        std::vector<ReceiverLevel>& levels;
        ~LevelsOnExit() {
            if (table) {
                levels = recorder.totals().Worst(*table);
            }
        }
    } levelsOnExit{recorder, levelTable, receiverLevels_};
    // The count survives a failure part-way.
    struct CountOnExit {
        const ProductRecorder& recorder;
        int& recorded;
        ~CountOnExit() { recorded = recorder.counter(); }
    } countOnExit{recorder, recorded_};
    const EnumerationPlan plan(table, options);
    const int cap = listCap < 0 ? std::numeric_limits<int>::max() : listCap;
    UnitStop stop = UnitStop::Finished;
    peakHeld_ = 0;
    if (threads_ > 1) {
        ParallelEnumeration parallel(plan, recorder, threads_, sliceSteps, heldCandidates,
                                     startThread);
        // Known also when the run ends in a failure.
        struct PeakOnExit {
            const ParallelEnumeration& parallel;
            std::size_t& peak;
            ~PeakOnExit() { peak = parallel.peakHeld(); }
        } peakOnExit{parallel, peakHeld_};
        stop = parallel.Run(events, abort_, cap, recalculateDue);
    } else {
        RecordingSink sink(recorder, events, abort_, cap, recalculateDue);
        for (int i = 1; i <= n && stop == UnitStop::Finished; ++i) {
            events.Progress(i, n);
            stop = EnumerateUnit(plan, i, i + 1, n, true, sink);
            if (stop == UnitStop::Finished && abort_) {
                stop = UnitStop::Aborted;
            }
        }
    }
    switch (stop) {
    case UnitStop::Capped:
        return Stop::Capped;
    case UnitStop::Aborted:
        return Stop::Aborted;
    case UnitStop::Finished:
        break;
    }
    return Stop::Finished;
}

} // namespace spurline
