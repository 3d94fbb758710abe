#include "engine/ReceiverIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spurline {

namespace {
constexpr std::size_t MaxBuckets = 1 << 16;

bool Admitted(const CalculationRow& row, const VictimFilter& filter) {
    return (row.status == 0 && filter.showPlanned) || (row.status != 0 && filter.showExisting);
}
} // namespace

void ReceiverIndex::Build(const CalculationTable& table, const VictimFilter& filter) {
    struct Receiver {
        double low;
        double high;
        int entry;
    };
    std::vector<Receiver> receivers;
    for (std::size_t r = 0; r < table.size(); ++r) {
        const CalculationRow& row = table[r];
        if (!row.receives() || !Admitted(row, filter)) {
            continue;
        }
        const double low = row.receiveFrequency - row.receiveHalfWidth;
        const double high = row.receiveFrequency + row.receiveHalfWidth;
        // A band with an undefined edge fails every comparison, so it is never hit.
        if (std::isnan(low) || std::isnan(high)) {
            continue;
        }
        receivers.push_back({low, high, static_cast<int>(r) + 1});
    }
    std::stable_sort(receivers.begin(), receivers.end(),
                     [](const Receiver& a, const Receiver& b) { return a.low < b.low; });

    low_.clear();
    high_.clear();
    prefixMaxHigh_.clear();
    entry_.clear();
    double highest = -std::numeric_limits<double>::infinity();
    for (const Receiver& receiver : receivers) {
        low_.push_back(receiver.low);
        high_.push_back(receiver.high);
        entry_.push_back(receiver.entry);
        highest = std::max(highest, receiver.high);
        prefixMaxHigh_.push_back(highest);
    }

    buckets_.Build(low_, std::min(MaxBuckets, 2 * low_.size()));
}

void ReceiverIndex::Hits(double top, double bottom, std::vector<int>& entries) const {
    entries.clear();
    std::size_t p = CountAtOrBelow(top);
    while (p > 0 && prefixMaxHigh_[p - 1] >= bottom) {
        --p;
        if (high_[p] >= bottom) {
            entries.push_back(entry_[p]);
        }
    }
    // Receivers listed in entry order come out backwards; reversing them is linear, sorting is
    // not, and a product on a crowded site hits thousands of receivers.
    if (std::is_sorted(entries.rbegin(), entries.rend())) {
        std::reverse(entries.begin(), entries.end());
    } else {
        std::sort(entries.begin(), entries.end());
    }
}

} // namespace spurline
