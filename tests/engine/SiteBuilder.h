#pragma once

#include "document/FrequencyList.h"
#include "document/NumberFormat.h"
#include "engine/CalculationCallbacks.h"
#include "engine/IntermodOptions.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace spurline::testing {

// Adds one entry through the loader's path, numbers written in the list's own locale.
// Bandwidths and offsets in kHz, frequency in MHz.
inline bool AddSiteEntry(FrequencyList& list, double frequencyMHz, double offsetKHz, double txKHz,
                         const std::string& txrx, const std::string& status, double rxKHz,
                         const std::string& remarks = {}) {
    const Locale& locale = list.locale();
    return list.AddEntry({FormatNumber(frequencyMHz, "0.000000", locale),
                          FormatNumber(offsetKHz, "0.000", locale),
                          FormatNumber(txKHz, "0.000", locale), txrx, status,
                          FormatNumber(rxKHz, "0.000", locale), remarks});
}

// A site as numbers, with the options to calculate it with.
struct SiteSpec {
    Locale locale;
    std::vector<std::array<double, 4>> numbers; // MHz, offset kHz, Tx kHz, Rx kHz
    std::vector<std::string> roles, statuses;
    std::vector<bool> checked;
    IntermodOptions options;
};

// Adds the described site's entries to the list (one the list refuses is skipped), unticking as
// told.
inline void AddSpecEntries(FrequencyList& list, const SiteSpec& s) {
    for (std::size_t r = 0; r < s.numbers.size(); ++r) {
        const auto& v = s.numbers[r];
        if (AddSiteEntry(list, v[0], v[1], v[2], s.roles[r], s.statuses[r], v[3]) &&
            !s.checked[r]) {
            list.SetChecked(list.count() - 1, false);
        }
    }
}

// Callbacks whose answers a test chooses; counts what the calculation asked.
class ScriptedCallbacks final : public CalculationCallbacks {
public:
    void Progress(int first, int count) override {
        progress.push_back(first);
        progressCount = count;
        if (onProgress) {
            onProgress(first);
        }
    }
    bool InputWaiting() override {
        ++inputQueries;
        return inputWaitingFrom > 0 && inputQueries >= inputWaitingFrom;
    }
    void LetEventsRun() override {
        ++eventRuns;
        if (onEvents) {
            onEvents();
        }
    }
    bool EscapeHeld() override { return escapeHeld; }
    void SetBusyCursor(bool busy) override { this->busy = busy; }

    std::vector<int> progress;
    int progressCount = 0;
    long inputQueries = 0;
    long inputWaitingFrom = 0; // the query from which input is reported waiting; 0 never
    int eventRuns = 0;
    bool escapeHeld = false;
    bool busy = false;
    std::function<void(int)> onProgress;
    std::function<void()> onEvents;
};

} // namespace spurline::testing
