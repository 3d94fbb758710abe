#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <vector>

namespace spurline {

// Equal-width buckets over ascending values, so that a search for a value only looks through
// the values of its bucket: Of never decreases as the value grows, so every value of an earlier
// bucket lies below the value and every value of a later one above it.
class ValueBuckets {
public:
    // wanted buckets from the lowest to the highest of values (ascending), or a single one when
    // they span nothing or too little for the scale to be a number.
    void Build(const std::vector<double>& values, std::size_t wanted) {
        count_ = 1;
        scale_ = 0;
        origin_ = values.empty() ? 0 : values.front();
        if (values.size() > 1) {
            const double span = values.back() - values.front();
            const double scale = static_cast<double>(wanted) / span;
            if (span > 0 && std::isfinite(scale)) {
                count_ = wanted;
                scale_ = scale;
            }
        }
        // start_[b]: the number of values whose bucket is below b.
        start_.assign(count_ + 1, 0);
        for (double value : values) {
            ++start_[Of(value) + 1];
        }
        std::partial_sum(start_.begin(), start_.end(), start_.begin());
    }

    std::size_t Of(double value) const {
        const double position = (value - origin_) * scale_;
        if (!(position >= 0)) {
            return 0;
        }
        if (position >= static_cast<double>(count_)) {
            return count_ - 1;
        }
        return static_cast<std::size_t>(position);
    }

    // The positions of bucket b's values: [Begin(b), End(b)).
    std::size_t Begin(std::size_t b) const { return start_[b]; }
    std::size_t End(std::size_t b) const { return start_[b + 1]; }

private:
    std::vector<std::uint32_t> start_;
    std::size_t count_ = 1;
    double origin_ = 0;
    double scale_ = 0;
};

} // namespace spurline
