#include "engine/IntermodCalculation.h"

#include "document/ErrorReport.h"
#include "document/FrequencyList.h"
#include "document/MessageBox.h"
#include "document/NumberFormat.h"
#include "engine/CalculationCallbacks.h"
#include "engine/CalculationTable.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "engine/ProductRecorder.h"
#include "engine/VictimMarks.h"

#include <algorithm>
#include <array>
#include <cmath>
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

// A three-transmitter product k1 f1 + k2 f2 + k3 f3.
struct Triple {
    int k1, k2, k3;
};

// Orders 5, 7 and 9, in the order they are tried.
constexpr std::array<Triple, 3> Fifth{{{1, 1, -3}, {1, 2, -2}, {2, 1, -2}}};
constexpr std::array<Triple, 5> Seventh{
    {{1, 2, -4}, {1, 3, -3}, {2, 1, -4}, {2, 2, -3}, {3, 1, -3}}};
constexpr std::array<Triple, 7> Ninth{
    {{1, 3, -5}, {1, 4, -4}, {2, 2, -5}, {2, 3, -4}, {3, 1, -5}, {3, 2, -4}, {4, 1, -4}}};

// One three-transmitter product of a pair, with what the pair contributes worked out once:
// F = |pairSum + k3 f3| (the sum of all three is not taken absolute), B worst case =
// pairWidth + |k3| b3; the same sums, in the same order, as the plain expressions.
struct PairTerm {
    double k3 = 0;
    double absK3 = 0;
    double pairSum = 0;
    double pairWidth = 0;
    int k1 = 0, k2 = 0, coefficient3 = 0;
    bool absolute = true;
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
    step_ = "calculate/prepare";
    try {
        events.SetBusyCursor(true);
        rows_.MarkCurrent({});
        events.LetEventsRun();
        abort_ = false;
        rows_.Clear();
        products_.Clear();
        list_.SetCalculateEnabled(false);

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
    if (products_.Count() == 0) {
        IntermodListRow none;
        none.texts[ImColFrequency] = "None";
        none.key = "None";
        rows_.AddRow(std::move(none));
    }
    list_.SetPrintEnabled(products_.Count() > 0);
    list_.SetCalculateEnabled(true);
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
    result.products = products_.Count();
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
        list_.SetSelected(r - 1, false);
        unmark_freq(list_, r);
        VictimMark cleared = list_.entry(r - 1).mark;
        cleared.tag = 0;
        list_.SetVictimMark(r - 1, cleared);
        table.push_back(ReadCalculationRow(list_.entry(r - 1), list_.locale()));
    }

    step_ = "calculate/products";
    const bool worst = options.worstCase;
    const bool harmonics = options.harmonics;
    const bool three = options.threeFrequencies;
    ProductRecorder recorder(table, options.filter, limits, list_, products_, rows_, events,
                             abort_);

    std::vector<double> tx(static_cast<std::size_t>(n));
    std::vector<double> half(static_cast<std::size_t>(n));
    std::vector<char> transmits(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) {
        tx[static_cast<std::size_t>(r)] = table[static_cast<std::size_t>(r)].transmitFrequency;
        half[static_cast<std::size_t>(r)] = table[static_cast<std::size_t>(r)].transmitHalfWidth;
        transmits[static_cast<std::size_t>(r)] = table[static_cast<std::size_t>(r)].transmits();
    }

    // The three-transmitter products the options ask for, in the order they are tried.
    std::vector<Triple> triples;
    std::vector<char> tripleAbsolute;
    if (harmonics && options.order(3)) {
        triples.push_back({1, 1, 1});
        tripleAbsolute.push_back(false);
    }
    if (options.order(3)) {
        triples.push_back({1, 1, -1});
        tripleAbsolute.push_back(true);
    }
    auto addOrder = [&](int order, const auto& list) {
        if (options.order(order)) {
            for (const Triple& t : list) {
                triples.push_back(t);
                tripleAbsolute.push_back(true);
            }
        }
    };
    addOrder(5, Fifth);
    addOrder(7, Seventh);
    addOrder(9, Ninth);
    std::vector<PairTerm> terms(triples.size());

    const Component none;
    for (int i = 1; i <= n; ++i) {
        events.Progress(i, n);
        const std::size_t ii = static_cast<std::size_t>(i - 1);
        if (!transmits[ii]) {
            continue;
        }
        const double f1 = tx[ii];
        const double b1 = half[ii];
        const bool valid1 = f1 > ExcludedFrequency;

        if (harmonics && valid1) {
            for (int h = 2; h <= 3; ++h) {
                if (options.order(h)) {
                    recorder.Offer(h * f1, {f1, h, i}, none, none, worst ? h * b1 : b1);
                }
            }
        }

        for (int j = i + 1; j <= n; ++j) {
            if (events.InputWaiting()) {
                events.LetEventsRun();
                if (events.EscapeHeld()) {
                    abort_ = true;
                    return Stop::Aborted;
                }
            }
            const std::size_t jj = static_cast<std::size_t>(j - 1);
            if (!transmits[jj]) {
                continue;
            }
            const double f2 = tx[jj];
            const double b2 = half[jj];
            const double b12 = std::max(b1, b2);
            const bool valid = valid1 && f2 > ExcludedFrequency;

            if (valid && harmonics && options.order(2)) {
                recorder.Offer(f1 + f2, {f1, 1, i}, {f2, 1, j}, none,
                               worst ? 1 * b1 + 1 * b2 : b12);
                recorder.Offer(std::abs(f1 - f2), {f1, 1, i}, {f2, -1, j}, none,
                               worst ? 1 * b1 + 1 * b2 : b12);
            }
            if (valid && harmonics && options.order(3)) {
                recorder.Offer(2 * f1 + f2, {f1, 2, i}, {f2, 1, j}, none,
                               worst ? 2 * b1 + 1 * b2 : b12);
                recorder.Offer(2 * f2 + f1, {f2, 2, j}, {f1, 1, i}, none,
                               worst ? 2 * b2 + 1 * b1 : b12);
            }
            for (int N = 3; N <= 9; N += 2) {
                if (recorder.counter() > ListCap) {
                    return Stop::Capped;
                }
                if (valid && options.order(N)) {
                    const int p = (N + 1) / 2;
                    const int q = (N - 1) / 2;
                    recorder.Offer(std::abs(p * f1 - q * f2), {f1, p, i}, {f2, -q, j}, none,
                                   worst ? p * b1 + q * b2 : b12);
                    recorder.Offer(std::abs(p * f2 - q * f1), {f2, p, j}, {f1, -q, i}, none,
                                   worst ? p * b2 + q * b1 : b12);
                }
            }

            if (three) {
                for (std::size_t t = 0; t < triples.size(); ++t) {
                    const Triple& k = triples[t];
                    PairTerm& term = terms[t];
                    term.k1 = k.k1;
                    term.k2 = k.k2;
                    term.coefficient3 = k.k3;
                    term.k3 = k.k3;
                    term.absK3 = std::abs(k.k3);
                    term.pairSum = k.k1 * f1 + k.k2 * f2;
                    term.pairWidth = std::abs(k.k1) * b1 + std::abs(k.k2) * b2;
                    term.absolute = tripleAbsolute[t] != 0;
                }
                for (int m = 1; m <= n; ++m) {
                    if (events.InputWaiting()) {
                        events.LetEventsRun();
                        if (events.EscapeHeld()) {
                            abort_ = true;
                            if (recalculateDue) {
                                recalculateDue();
                            }
                            break;
                        }
                    }
                    if (recorder.counter() > ListCap) {
                        return Stop::Capped;
                    }
                    const std::size_t mm = static_cast<std::size_t>(m - 1);
                    if (m == i || m == j || !transmits[mm] || !valid) {
                        continue;
                    }
                    const double f3 = tx[mm];
                    if (!(f3 > ExcludedFrequency)) {
                        continue;
                    }
                    const double b3 = half[mm];
                    const double b123 = std::max(b12, b3);
                    for (const PairTerm& term : terms) {
                        const double sum = term.pairSum + term.k3 * f3;
                        recorder.Offer(term.absolute ? std::abs(sum) : sum, {f1, term.k1, i},
                                       {f2, term.k2, j}, {f3, term.coefficient3, m},
                                       worst ? term.pairWidth + term.absK3 * b3 : b123);
                    }
                }
            }
            if (abort_) {
                return Stop::Aborted;
            }
        }
        if (abort_) {
            return Stop::Aborted;
        }
    }
    return Stop::Finished;
}

} // namespace spurline
