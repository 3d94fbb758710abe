#pragma once

#include "document/FrequencyList.h"

#include <string>
#include <vector>

namespace spurline::testing {

// Counts the document's calls for a recalculation and for emptied results, and keeps the
// frequencies of the entries it left out, for as long as it lives.
class ListEvents final : public IFrequencyListObserver {
public:
    explicit ListEvents(FrequencyList& list) : list_(list) { list_.AddObserver(this); }
    ~ListEvents() override { list_.RemoveObserver(this); }
    ListEvents(const ListEvents&) = delete;
    ListEvents& operator=(const ListEvents&) = delete;

    void RecalculationDue() override { ++recalculations; }
    void IntermodResultsCleared() override { ++resultClears; }
    void EntrySkipped(SkipReason, const std::string& frequency) override {
        skipped.push_back(frequency);
    }

    int recalculations = 0;
    int resultClears = 0;
    std::vector<std::string> skipped;

private:
    FrequencyList& list_;
};

} // namespace spurline::testing
