#pragma once

#include "engine/FrequencyFinder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// The finder's working parts: a product of the candidate, the receivers it may reach and the
// raster of candidates with what each has collected.
namespace spurline::finder {

// Raster points stray from a straight line by the rounding to five decimals; an index range
// found on the straight line is widened by this many points and then tested exactly.
inline constexpr long IndexMargin = 1;
inline constexpr double ValueMargin = 1e-4; // MHz

inline double RoundTo(double value, double scale) {
    return std::round(value * scale) / scale;
}

// One product the candidate takes part in, with everything but the candidate worked out:
// F = |X + k c| or, for a candidate second in a triple, |(X + k c) + Y|, summed in the order the
// calculation sums them so that F is bit for bit the calculated one.
struct Partial {
    double X = 0;
    double Y = 0;
    bool twoStep = false;
    bool absolute = true;
    int k = 1;
    int order = 0;
    double B = 0; // half-bandwidth, MHz
};

inline double Evaluate(const Partial& p, double c) {
    double sum = p.X + p.k * c;
    if (p.twoStep) {
        sum = sum + p.Y;
    }
    return p.absolute ? std::abs(sum) : sum;
}

struct Band {
    double low;
    double high;
    double centre;
};

// The raster and what each candidate has collected so far.
class Tally {
public:
    Tally(std::vector<double> rx, double offsetMHz, double rxHalf) : rx_(std::move(rx)) {
        for (double c : rx_) {
            tx_.push_back(c + offsetMHz);
            rxLow_.push_back(c - rxHalf);
            rxHigh_.push_back(c + rxHalf);
        }
        results_.resize(rx_.size());
        stamp_.assign(rx_.size(), 0);
        closest_.assign(rx_.size(), NoDistance);
        for (std::size_t t = 0; t < rx_.size(); ++t) {
            results_[t].frequencyMHz = rx_[t];
        }
        const std::size_t last = rx_.size() - 1;
        slope_ = last > 0 ? (rx_[last] - rx_[0]) / static_cast<double>(last) : 0;
    }

    std::size_t size() const { return rx_.size(); }
    double slope() const { return slope_; }
    const std::vector<double>& tx() const { return tx_; }
    const std::vector<double>& rx() const { return rx_; }
    const std::vector<double>& rxLow() const { return rxLow_; }
    const std::vector<double>& rxHigh() const { return rxHigh_; }
    std::vector<CandidateResult>& results() { return results_; }

    // A product of the site: the candidates whose receive band it touches.
    void SiteProduct(double F, double B, int order) {
        const double top = F + B;
        const double bottom = F - B;
        long t = Guess(bottom - rxHigh_[0]);
        const long n = static_cast<long>(rx_.size());
        while (t > 0 && rxHigh_[static_cast<std::size_t>(t - 1)] >= bottom) {
            --t;
        }
        while (t < n && !(rxHigh_[static_cast<std::size_t>(t)] >= bottom)) {
            ++t;
        }
        for (; t < n && rxLow_[static_cast<std::size_t>(t)] <= top; ++t) {
            Conflict(static_cast<std::size_t>(t), order,
                     std::abs(F - rx_[static_cast<std::size_t>(t)]));
        }
    }

    // The candidate's own product p tested exactly at candidate t against a fixed band.
    void Test(const Partial& p, std::size_t t, const Band& band, CalculationLimits limits) {
        const double F = Evaluate(p, tx_[t]);
        if (F >= limits.lower && F <= limits.upper && F + p.B >= band.low && band.high >= F - p.B) {
            Hit(t, p.order, std::abs(F - band.centre));
        }
    }

    // As Test, against the candidate's own receive band.
    void TestOwn(const Partial& p, std::size_t t, CalculationLimits limits) {
        Test(p, t, {rxLow_[t], rxHigh_[t], rx_[t]}, limits);
    }

    void NextProduct() { ++current_; }

    // Adds count products of one order that hit candidate t.
    void Count(std::size_t t, int count, int order) {
        if (count > 0) {
            CandidateResult& r = results_[t];
            r.conflicts += count;
            r.lowestOrder = r.lowestOrder == 0 ? order : std::min(r.lowestOrder, order);
        }
    }

    void Closer(std::size_t t, double distanceMHz) {
        closest_[t] = std::min(closest_[t], distanceMHz);
    }

    // Whether nothing can come closer than the distance candidate t already has.
    bool Touched(std::size_t t) const { return RoundTo(closest_[t], 1e6) == 0; }

    // Writes the closest distances into the results.
    void Finish() {
        for (std::size_t t = 0; t < results_.size(); ++t) {
            // To the hertz, so that rounding noise does not decide the ranking. Rounding the
            // smallest distance equals the smallest rounded one, as rounding never reorders.
            if (closest_[t] != NoDistance) {
                results_[t].closestKHz = RoundTo(closest_[t], 1e6) * 1000;
            }
        }
    }

private:
    long Guess(double offset) const {
        if (!(slope_ > 0) || !(offset > 0)) {
            return 0;
        }
        const double t = offset / slope_;
        return t >= static_cast<double>(rx_.size()) ? static_cast<long>(rx_.size())
                                                    : static_cast<long>(t);
    }

    // One product hits candidate t; a product counts once however many receivers it hits.
    void Hit(std::size_t t, int order, double distanceMHz) {
        if (stamp_[t] != current_) {
            stamp_[t] = current_;
            Conflict(t, order, distanceMHz);
        } else {
            Closer(t, distanceMHz);
        }
    }

    void Conflict(std::size_t t, int order, double distanceMHz) {
        Count(t, 1, order);
        Closer(t, distanceMHz);
    }

    std::vector<double> rx_, tx_, rxLow_, rxHigh_;
    std::vector<double> closest_; // MHz, unrounded
    std::vector<CandidateResult> results_;
    std::vector<std::uint64_t> stamp_;
    std::uint64_t current_ = 1;
    double slope_ = 0;
};

// The receivers a product of the candidate can reach, sorted by lower edge.
class BandIndex {
public:
    explicit BandIndex(std::vector<Band> bands) : bands_(std::move(bands)) {
        std::sort(bands_.begin(), bands_.end(),
                  [](const Band& a, const Band& b) { return a.low < b.low; });
        double highest = -INFINITY;
        for (const Band& b : bands_) {
            highest = std::max(highest, b.high);
            prefixMaxHigh_.push_back(highest);
            low_.push_back(b.low);
        }
    }

    // Whether any band touches [bottom, top].
    bool Any(double bottom, double top) const {
        const auto p = std::upper_bound(low_.begin(), low_.end(), top) - low_.begin();
        return p > 0 && prefixMaxHigh_[static_cast<std::size_t>(p - 1)] >= bottom;
    }

    // Calls visit for every band touching [bottom, top].
    template <typename Visit> void ForEach(double bottom, double top, Visit&& visit) const {
        std::size_t p = static_cast<std::size_t>(std::upper_bound(low_.begin(), low_.end(), top) -
                                                 low_.begin());
        while (p > 0 && prefixMaxHigh_[p - 1] >= bottom) {
            --p;
            if (bands_[p].high >= bottom) {
                visit(bands_[p]);
            }
        }
    }

    const std::vector<Band>& bands() const { return bands_; }

private:
    std::vector<Band> bands_;
    std::vector<double> low_;
    std::vector<double> prefixMaxHigh_;
};

} // namespace spurline::finder
