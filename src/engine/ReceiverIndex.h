#pragma once

#include "engine/CalculationTable.h"
#include "engine/IntermodOptions.h"
#include "engine/ValueBuckets.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace spurline {

// The receivers that the filter admits as victims, sorted by the lower edge of their band, so
// that the question "does the band [bottom, top] touch any of them?" costs a bucket look-up and
// one comparison instead of a scan of the whole site. The edges are computed exactly as the
// plain comparison (frequency - half-width, frequency + half-width) computes them, and every
// decision is taken with the same comparisons, so the answers are identical to a scan.
class ReceiverIndex {
public:
    void Build(const CalculationTable& table, const VictimFilter& filter);

    // Whether any admitted receiver r has top >= lower edge of r and bottom <= upper edge of r
    // (MHz; top = F + B, bottom = F - B of a product).
    bool MayHit(double top, double bottom) const {
        const std::size_t k = CountAtOrBelow(top);
        return k > 0 && prefixMaxHigh_[k - 1] >= bottom;
    }

    // The entry numbers (1-based) of the admitted receivers that the band touches, ascending.
    void Hits(double top, double bottom, std::vector<int>& entries) const;

    std::size_t size() const { return low_.size(); }
    // The lowest lower edge and the highest upper edge; only when size() > 0.
    double lowestEdge() const { return low_.front(); }
    double highestEdge() const { return prefixMaxHigh_.back(); }

private:
    // How many lower edges are at or below top.
    std::size_t CountAtOrBelow(double top) const {
        const std::size_t n = low_.size();
        if (n == 0 || !(top >= low_.front())) {
            return 0;
        }
        if (top >= low_.back()) {
            return n;
        }
        const std::size_t bucket = buckets_.Of(top);
        // Edges in earlier buckets are below top, edges in later buckets above it.
        const double* first = low_.data() + buckets_.Begin(bucket);
        const double* last = low_.data() + buckets_.End(bucket);
        return static_cast<std::size_t>(std::upper_bound(first, last, top) - low_.data());
    }

    std::vector<double> low_;           // lower band edges, ascending
    std::vector<double> high_;          // upper band edges, same order
    std::vector<double> prefixMaxHigh_; // highest upper edge among the first p + 1
    std::vector<int> entry_;            // entry numbers, same order
    ValueBuckets buckets_;              // over low_
};

} // namespace spurline
