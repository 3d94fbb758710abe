#pragma once

#include "engine/FinderTally.h"

#include <utility>

namespace spurline::finder {

// The candidate indexes where value(t) = a + e t may lie within [lo, hi], widened for the
// raster's rounding; empty (first > last) when none.
inline std::pair<long, long> IndexRange(double a, double e, double lo, double hi, std::size_t n) {
    const long last = static_cast<long>(n) - 1;
    if (std::abs(e) < 1e-12) {
        return a >= lo - ValueMargin && a <= hi + ValueMargin ? std::pair<long, long>{0, last}
                                                              : std::pair<long, long>{1, 0};
    }
    double t1 = (lo - a) / e;
    double t2 = (hi - a) / e;
    if (t1 > t2) {
        std::swap(t1, t2);
    }
    if (!(t2 >= -IndexMargin) || !(t1 <= static_cast<double>(last + IndexMargin))) {
        return {1, 0};
    }
    const long first = std::max(0L, static_cast<long>(std::floor(t1)) - IndexMargin);
    const long end = std::min(last, static_cast<long>(std::ceil(t2)) + IndexMargin);
    return {first, end};
}

// Tests one product of the candidate against every receiver it may reach.
class PartialTester {
public:
    // ownHalf: the candidate's receive half-bandwidth (MHz) when it receives, else negative.
    PartialTester(Tally& tally, const BandIndex& receivers, double ownHalf,
                  CalculationLimits limits)
        : tally_(tally), receivers_(receivers), ownHalf_(ownHalf), limits_(limits) {
        tx0_ = tally.tx().front();
        rx0_ = tally.rx().front();
    }

    // Whether p may reach a receiver or the candidate's own band anywhere on the raster.
    bool MayReach(const Partial& p) const {
        const auto [g0, d, lo, hi] = Span(p);
        if (!(lo <= hi)) {
            return false;
        }
        if (receivers_.Any(lo - p.B, hi + p.B)) {
            return true;
        }
        const double margin = ValueMargin + ownHalf_ + p.B;
        return ownHalf_ >= 0 && lo <= tally_.rx().back() + margin &&
               hi >= tally_.rx().front() - margin;
    }

    void Run(const Partial& p) {
        tally_.NextProduct();
        const std::size_t n = tally_.size();
        const double s = tally_.slope();
        // Plain names, not a structured binding: clang 14 cannot capture one in a lambda.
        const Range span = Span(p);
        const double g0 = span.g0;
        const double d = span.d;
        const double lo = span.lo;
        const double hi = span.hi;
        if (!(lo <= hi)) {
            return;
        }
        const int signs = p.absolute ? 2 : 1;
        receivers_.ForEach(lo - p.B, hi + p.B, [&](const Band& band) {
            for (int sign = 0; sign < signs; ++sign) {
                const double a = sign == 0 ? g0 : -g0;
                const double e = sign == 0 ? d : -d;
                const auto [first, last] = IndexRange(a, e, band.low - p.B, band.high + p.B, n);
                for (long t = first; t <= last; ++t) {
                    tally_.Test(p, static_cast<std::size_t>(t), band, limits_);
                }
            }
        });
        if (ownHalf_ >= 0) {
            // F - c, with both moving along the raster.
            const double reach = p.B + ownHalf_;
            for (int sign = 0; sign < signs; ++sign) {
                const double a = (sign == 0 ? g0 : -g0) - rx0_;
                const double e = (sign == 0 ? d : -d) - s;
                const auto [first, last] = IndexRange(a, e, -reach, reach, n);
                for (long t = first; t <= last; ++t) {
                    tally_.TestOwn(p, static_cast<std::size_t>(t), limits_);
                }
            }
        }
    }

private:
    struct Range {
        double g0; // the signed sum at the first candidate
        double d;  // its step from one candidate to the next
        double lo; // the lowest and highest F over the raster, widened for its rounding
        double hi;
    };

    Range Span(const Partial& p) const {
        const double g0 = p.X + (p.twoStep ? p.Y : 0) + p.k * tx0_;
        const double d = p.k * tally_.slope();
        const double gEnd = g0 + d * static_cast<double>(tally_.size() - 1);
        double lo = std::min(g0, gEnd);
        double hi = std::max(g0, gEnd);
        if (p.absolute) {
            const double a = std::abs(lo);
            const double b = std::abs(hi);
            lo = lo <= 0 && hi >= 0 ? 0 : std::min(a, b);
            hi = std::max(a, b);
        }
        const double margin = ValueMargin + IndexMargin * std::abs(d);
        return {g0, d, std::max(lo - margin, limits_.lower - margin),
                std::min(hi + margin, limits_.upper + margin)};
    }

    Tally& tally_;
    const BandIndex& receivers_;
    double ownHalf_;
    CalculationLimits limits_;
    double tx0_ = 0;
    double rx0_ = 0;
};

} // namespace spurline::finder
