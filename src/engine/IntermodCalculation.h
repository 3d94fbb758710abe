#pragma once

#include "document/Locale.h"
#include "engine/IntermodOptions.h"
#include "engine/LevelModel.h"
#include "engine/ParallelEnumeration.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace spurline {

class CalculationCallbacks;
class FrequencyList;
class FrequencySelection;
class IMessageBox;
class ListCommandStates;
class IntermodList;
class cIntermodItems;

enum class CalculationOutcome {
    NothingToDo,    // the frequency list is empty: nothing changed
    LimitsRejected, // lower limit not below upper limit: the message, nothing else changed
    Complete,
    Aborted, // products so far kept and sorted, the list marked out of date
    Capped,  // more than 32700 rows: the message, products kept unsorted
    Failed   // memory exhausted or another failure: the message, products kept unsorted
};

struct CalculationResult {
    CalculationOutcome outcome = CalculationOutcome::NothingToDo;
    std::string message; // the text shown in a box, empty when none was shown
    int products = 0;
};

// The progress label for first transmitter first of count entries: "##0.0%", e.g. "50.0%".
std::string ProgressPercent(int first, int count, const Locale& locale);

// The intermodulation calculation: enumerates the harmonics, pairs and triples of the site's
// transmitters that the options ask for, records every product within the limits that the
// filter lets through, marks its victims, and sorts the collection by order at the end.
class IntermodCalculation {
public:
    // Rows beyond this stop the calculation with the list-cap message.
    static constexpr int ListCap = 32700;

    IntermodCalculation(FrequencyList& list, cIntermodItems& products, IntermodList& rows,
                        IMessageBox& messages);

    // Products beyond which the calculation stops with the list-cap message; negative: no cap
    // (the command-line tool, which streams its rows).
    int listCap = ListCap;
    // False: the collection is left empty (see ProductRecorder::keepProducts).
    bool keepProducts = true;
    // Candidate-and-third-transmitter steps per slice of the work on several threads: large
    // enough that the hand-over costs little, as most thirds are passed over in a few
    // comparisons. Tests cut finer.
    long sliceSteps = 32768;

    // Set: every recorded product carries its level at each victim, and receiverLevels() the
    // receivers' totals; the products found are the same either way. The entries' own values
    // come from the list.
    std::optional<SiteLevels> levels;
    // The receivers that products reached in the last calculation with levels, worst margin
    // first.
    const std::vector<ReceiverLevel>& receiverLevels() const { return receiverLevels_; }

    // Threads that enumerate the candidates, at most MaxCalculationThreads(); the results do
    // not depend on it.
    void SetThreads(int threads) { threads_ = std::clamp(threads, 1, MaxCalculationThreads()); }
    int threads() const { return threads_; }

    // Accepted candidates that the worker threads may hold at once, all together, before they
    // wait for the recording; each takes about 72 bytes. Tests cut it smaller.
    std::size_t heldCandidates = ParallelEnumeration::DefaultHeldLimit;
    // The most candidates the worker threads held at once in the last calculation.
    std::size_t peakHeld() const { return peakHeld_; }
    // Starts the worker threads; tests put in one that fails.
    ThreadStarter startThread;

    // The out-of-date signal, called when an abort is noticed among the third transmitters.
    std::function<void()> recalculateDue;
    // The window's view of the list, when there is one: a calculation clears the selection, and
    // turns Calculate off while it runs and Print on when it recorded products.
    FrequencySelection* selection = nullptr;
    ListCommandStates* commandStates = nullptr;

    // Runs one calculation (the "&Calculate" command's core); the window keeps itself disabled
    // around it and runs its own finishing steps (auto zoom, the list's sort) afterwards.
    CalculationResult Calculate(const IntermodOptions& options, CalculationCallbacks& events);

    // The abort flag, set by the Escape poll while events run.
    void RequestAbort() { abort_ = true; }
    bool abortRequested() const { return abort_; }
    bool running() const { return running_; }

private:
    enum class Stop { Finished, Aborted, Capped };
    Stop Enumerate(const IntermodOptions& options, CalculationLimits limits,
                   CalculationCallbacks& events);

    FrequencyList& list_;
    cIntermodItems& products_;
    IntermodList& rows_;
    IMessageBox& messages_;
    bool abort_ = false;
    bool running_ = false;
    const char* step_ = "";
    int threads_ = 1;
    int recorded_ = 0;
    std::size_t peakHeld_ = 0;
    std::vector<ReceiverLevel> receiverLevels_;
};

} // namespace spurline
