#include "engine/SiteSummary.h"

#include "document/FrequencyList.h"
#include "engine/FinderTexts.h"
#include "engine/ProductEnumerator.h"
#include "engine/ProductRecorder.h"
#include "engine/ReceiverIndex.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace spurline {

namespace {

// "Any frequency" has no victims of its own: the summary counts every receiver.
ReceiverIndex SummaryReceivers(const CalculationTable& table, VictimFilter filter) {
    if (filter.anyFrequency) {
        filter = {false, true, true};
    }
    ReceiverIndex receivers;
    receivers.Build(table, filter);
    return receivers;
}

// Every product within the limits that reaches a receiver the summary counts, with the receivers
// it reaches (1-based); false when keepGoing stopped the walk.
template <typename Visit>
bool ForEachReachingProduct(const CalculationTable& table, const IntermodOptions& options,
                            CalculationLimits limits,
                            const std::function<bool(int, int)>& keepGoing, Visit&& visit) {
    const ReceiverIndex receivers = SummaryReceivers(table, options.filter);
    std::vector<int> hits;
    bool stopped = false;
    EnumerateProducts(
        table, options,
        [&](const EnumeratedProduct& p) {
            if (!(p.F >= limits.lower) || !(p.F <= limits.upper) ||
                !receivers.MayHit(p.F + p.B, p.F - p.B)) {
                return;
            }
            receivers.Hits(p.F + p.B, p.F - p.B, hits);
            visit(p, hits);
        },
        [&](int i, int count) {
            stopped = stopped || (keepGoing && !keepGoing(i, count));
            return !stopped;
        });
    return !stopped;
}

} // namespace

SiteSummary SummariseSiteAndLevels(const CalculationTable& table, const IntermodOptions& options,
                                   CalculationLimits limits, const LevelTable* levels,
                                   const std::function<bool(int, int)>& keepGoing) {
    const std::size_t n = table.size();
    SiteSummary result;
    std::vector<EntrySummary>& summary = result.entries;
    summary.resize(n);
    for (std::size_t r = 0; r < n; ++r) {
        summary[r].entry = static_cast<int>(r) + 1;
    }
    ReceiverTotals totals;
    totals.Reset(levels != nullptr ? static_cast<int>(n) : 0);
    // victimOf[a * n + v]: whether entry a's products have reached receiver v yet.
    std::vector<char> victimOf(n * n, 0);
    const bool complete = ForEachReachingProduct(
        table, options, limits, keepGoing,
        [&](const EnumeratedProduct& p, const std::vector<int>& hits) {
            for (int e : p.entries) {
                if (e == 0) {
                    continue;
                }
                EntrySummary& s = summary[static_cast<std::size_t>(e - 1)];
                ++s.products;
                for (int v : hits) {
                    char& seen = victimOf[static_cast<std::size_t>(e - 1) * n +
                                          static_cast<std::size_t>(v - 1)];
                    s.victims += seen == 0 ? 1 : 0;
                    seen = 1;
                }
            }
            for (int v : hits) {
                EntrySummary& s = summary[static_cast<std::size_t>(v - 1)];
                ++s.received;
                s.lowestOrder = s.lowestOrder == 0 ? p.order : std::min(s.lowestOrder, p.order);
                const double centre = table[static_cast<std::size_t>(v - 1)].receiveFrequency;
                s.closestKHz = std::min(s.closestKHz, std::abs(p.F - centre) * 1000);
            }
            if (levels != nullptr) {
                const ProductSource source = levels->Source({0, p.coefficients[0], p.entries[0]},
                                                            {0, p.coefficients[1], p.entries[1]},
                                                            {0, p.coefficients[2], p.entries[2]});
                for (int v : hits) {
                    totals.Add(v, levels->LevelAt(source, v));
                }
            }
        });
    if (!complete) {
        return {};
    }
    if (levels != nullptr) {
        result.receivers = totals.Worst(*levels);
    }
    return result;
}

SiteSummary SummariseList(const FrequencyList& list, const IntermodOptions& options,
                          CalculationLimits limits, const SiteLevels* levels,
                          const std::function<bool(int, int)>& keepGoing) {
    std::optional<LevelTable> model;
    if (levels != nullptr) {
        model.emplace(list.entries(), *levels);
    }
    return SummariseSiteAndLevels(ReadCalculationTable(list), options, limits,
                                  model ? &*model : nullptr, keepGoing);
}

std::vector<EntrySummary> SummariseSite(const CalculationTable& table,
                                        const IntermodOptions& options, CalculationLimits limits,
                                        const std::function<bool(int, int)>& keepGoing) {
    return SummariseSiteAndLevels(table, options, limits, nullptr, keepGoing).entries;
}

} // namespace spurline
