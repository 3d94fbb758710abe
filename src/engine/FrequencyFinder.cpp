#include "engine/FrequencyFinder.h"

#include "engine/ProductEnumerator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numeric>
#include <tuple>

namespace spurline {

namespace {

constexpr std::size_t MaxCandidates = 200000;
// Raster points stray from a straight line by the rounding to five decimals; an index range
// found on the straight line is widened by this many points and then tested exactly.
constexpr long IndexMargin = 1;
constexpr double ValueMargin = 1e-4; // MHz
// Two frequencies closer than this are the same list entry (five decimals).
constexpr double SameFrequency = 5e-6; // MHz

double RoundTo(double value, double scale) {
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

double Evaluate(const Partial& p, double c) {
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

public:
    // count products of one order hit candidate t.
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

// The candidate indexes where value(t) = a + e t may lie within [lo, hi], widened for the
// raster's rounding; empty (first > last) when none.
std::pair<long, long> IndexRange(double a, double e, double lo, double hi, std::size_t n) {
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
        const auto [g0, d, lo, hi] = Span(p);
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

// Products of the candidate that differ only in the site's part: one shape (k, order, width,
// sum order), F = |v + k c| with v the site's part. On a crowded site they are numerous, so per
// candidate they are counted by the stretches of v that reach a receiver rather than one by one;
// only products within rounding reach of a band edge are evaluated exactly.
class Family {
public:
    explicit Family(const Partial& shape) : shape_(shape) {}

    void Add(double X, double Y) { members_.push_back({X + Y, X, Y}); }
    std::size_t size() const { return members_.size(); }

    // The products one by one, as the tester takes them.
    void RunEach(PartialTester& tester) const {
        for (const Member& m : members_) {
            Partial p = shape_;
            p.X = m.X;
            p.Y = m.Y;
            tester.Run(p);
        }
    }

    // Adds the family's conflicts with the receivers (and with the candidate's own receive band
    // when ownHalf >= 0) to every candidate.
    void CountAll(Tally& tally, const BandIndex& receivers, double ownHalf,
                  CalculationLimits limits) {
        Prepare(receivers, limits, tally);
        for (std::size_t t = 0; t < tally.size(); ++t) {
            CountAt(tally, t, receivers, ownHalf, limits);
        }
    }

private:
    struct Member {
        double v;
        double X;
        double Y;
    };
    // The signed sums v + k c, [lo, hi], that reach one band: negative for -F.
    struct Piece {
        double lo;
        double hi;
        const Band* band;
        bool negative;
    };
    // [lo, hi) of the signed sum; sure when every product there certainly reaches a band. A sure
    // zone's products reach the pieces [first, end) only; an unsure zone's may reach the pieces
    // near_[first, end) only.
    struct Zone {
        double lo;
        double hi;
        bool sure;
        std::size_t first;
        std::size_t end;
    };

    void Prepare(const BandIndex& receivers, CalculationLimits limits, const Tally& tally) {
        std::sort(members_.begin(), members_.end(),
                  [](const Member& a, const Member& b) { return a.v < b.v; });
        v_.clear();
        for (const Member& m : members_) {
            v_.push_back(m.v);
        }
        const double reach = std::max(std::abs(tally.tx().front()), std::abs(tally.tx().back()));
        // Far beyond the rounding of a few additions of numbers this large.
        mu_ = 1e-7 + 1e-11 * (std::max(std::abs(v_.front()), std::abs(v_.back())) +
                              std::abs(shape_.k) * reach);
        BuildBuckets();
        BuildZones(receivers.bands(), limits);
    }

    void BuildBuckets() {
        const double span = v_.back() - v_.front();
        buckets_ = 1;
        scale_ = 0;
        if (v_.size() > 1 && span > 0 && std::isfinite(static_cast<double>(v_.size()) / span)) {
            buckets_ = v_.size();
            scale_ = static_cast<double>(buckets_) / span;
        }
        bucketStart_.assign(buckets_ + 1, 0);
        for (double v : v_) {
            ++bucketStart_[BucketOf(v) + 1];
        }
        std::partial_sum(bucketStart_.begin(), bucketStart_.end(), bucketStart_.begin());
    }

    std::size_t BucketOf(double value) const {
        const double position = (value - v_.front()) * scale_;
        if (!(position >= 0)) {
            return 0;
        }
        if (position >= static_cast<double>(buckets_)) {
            return buckets_ - 1;
        }
        return static_cast<std::size_t>(position);
    }

    // The first member whose v is not below x. Values in earlier buckets are below x and values
    // in later ones above it, as the bucket never decreases with the value.
    std::size_t LowerBound(double x) const {
        if (!(x > v_.front())) {
            return 0;
        }
        if (x > v_.back()) {
            return v_.size();
        }
        const std::size_t b = BucketOf(x);
        const auto first = v_.begin() + static_cast<long>(bucketStart_[b]);
        const auto last = v_.begin() + static_cast<long>(bucketStart_[b + 1]);
        return static_cast<std::size_t>(std::lower_bound(first, last, x) - v_.begin());
    }

    void BuildZones(const std::vector<Band>& bands, CalculationLimits limits) {
        pieces_.clear();
        for (const Band& band : bands) {
            const double lo = std::max(band.low - shape_.B, limits.lower);
            const double hi = std::min(band.high + shape_.B, limits.upper);
            if (lo <= hi) {
                pieces_.push_back({lo, hi, &band, false});
                if (shape_.absolute) {
                    pieces_.push_back({-hi, -lo, &band, true});
                }
            }
        }
        std::sort(pieces_.begin(), pieces_.end(),
                  [](const Piece& x, const Piece& y) { return x.lo < y.lo; });
        zones_.clear();
        auto unsure = [&](double lo, double hi, std::size_t first, std::size_t end) {
            if (!zones_.empty() && !zones_.back().sure && zones_.back().hi >= lo) {
                zones_.back().hi = std::max(zones_.back().hi, hi);
                zones_.back().end = end;
            } else {
                zones_.push_back({lo, hi, false, first, end});
            }
        };
        for (std::size_t p = 0; p < pieces_.size();) {
            const std::size_t first = p;
            const double a = pieces_[p].lo;
            double b = pieces_[p].hi;
            for (++p; p < pieces_.size() && pieces_[p].lo <= b; ++p) {
                b = std::max(b, pieces_[p].hi);
            }
            if (b - a > 2 * mu_) {
                unsure(a - mu_, a + mu_, first, p);
                zones_.push_back({a + mu_, b - mu_, true, first, p});
                unsure(b - mu_, b + mu_, first, p);
            } else {
                unsure(a - mu_, b + mu_, first, p);
            }
        }
        near_.clear();
        for (Zone& zone : zones_) {
            if (!zone.sure) {
                const std::size_t from = near_.size();
                for (std::size_t p = zone.first; p < zone.end; ++p) {
                    if (pieces_[p].lo <= zone.hi + mu_ && pieces_[p].hi >= zone.lo - mu_) {
                        near_.push_back(p);
                    }
                }
                zone.first = from;
                zone.end = near_.size();
            }
        }
    }

    double Value(const Member& m, double c) const {
        Partial p = shape_;
        p.X = m.X;
        p.Y = m.Y;
        return Evaluate(p, c);
    }

    bool InLimits(double F, CalculationLimits limits) const {
        return F >= limits.lower && F <= limits.upper;
    }

    // Whether the product F reaches a receiver; each band it reaches may bring t closer.
    bool Reaches(double F, const BandIndex& receivers, CalculationLimits limits, Tally& tally,
                 std::size_t t) const {
        if (!InLimits(F, limits)) {
            return false;
        }
        bool any = false;
        receivers.ForEach(F - shape_.B, F + shape_.B, [&](const Band& band) {
            any = true;
            tally.Closer(t, std::abs(F - band.centre));
        });
        return any;
    }

    // As Reaches for a product in an unsure zone, which can only reach the zone's pieces.
    bool ReachesNear(double F, const Zone& zone, CalculationLimits limits, Tally& tally,
                     std::size_t t) const {
        if (!InLimits(F, limits)) {
            return false;
        }
        bool any = false;
        for (std::size_t p = zone.first; p < zone.end; ++p) {
            const Band& band = *pieces_[near_[p]].band;
            if (F + shape_.B >= band.low && band.high >= F - shape_.B) {
                any = true;
                tally.Closer(t, std::abs(F - band.centre));
            }
        }
        return any;
    }

    void CountAt(Tally& tally, std::size_t t, const BandIndex& receivers, double ownHalf,
                 CalculationLimits limits) const {
        const double c = tally.tx()[t];
        const double shift = shape_.k * c;
        int count = 0;
        // Zone by zone, jumping over the zones no member falls in.
        auto zone = zones_.begin();
        for (std::size_t next = 0; next < v_.size() && zone != zones_.end(); ++zone) {
            const double v = v_[next];
            if (!(zone->hi - shift > v)) {
                zone = std::partition_point(zone, zones_.end(),
                                            [&](const Zone& z) { return !(z.hi - shift > v); });
                if (zone == zones_.end()) {
                    break;
                }
            }
            const std::size_t first = LowerBound(zone->lo - shift);
            const std::size_t end = LowerBound(zone->hi - shift);
            next = end;
            if (zone->sure) {
                count += static_cast<int>(end - first);
                // Products there reach the zone's pieces only; those elsewhere are exact hits
                // that bring t closer as they are tested.
                for (std::size_t p = zone->first; p < zone->end && end > first; ++p) {
                    if (!tally.Touched(t)) {
                        ClosestTo(pieces_[p], tally, t, limits);
                    }
                }
                continue;
            }
            for (std::size_t i = first; i < end; ++i) {
                count += ReachesNear(Value(members_[i], c), *zone, limits, tally, t) ? 1 : 0;
            }
        }
        if (ownHalf >= 0) {
            count += CountOwn(tally, t, receivers, limits);
        }
        tally.Count(t, count, shape_.order);
    }

    // The products that reach the candidate's own receive band but no other receiver; every one
    // reaching it may bring t closer.
    int CountOwn(Tally& tally, std::size_t t, const BandIndex& receivers,
                 CalculationLimits limits) const {
        const double c = tally.tx()[t];
        const double shift = shape_.k * c;
        const double low = tally.rxLow()[t];
        const double high = tally.rxHigh()[t];
        const double lo = std::max(low - shape_.B, limits.lower);
        const double hi = std::min(high + shape_.B, limits.upper);
        if (!(lo <= hi)) {
            return 0;
        }
        std::pair<double, double> windows[2] = {{lo, hi}, {-hi, -lo}};
        const int signs = shape_.absolute ? 2 : 1;
        if (signs == 2 && windows[1].first < windows[0].first) {
            std::swap(windows[0], windows[1]);
        }
        int count = 0;
        std::size_t done = 0; // members below this index were looked at already
        for (int w = 0; w < signs; ++w) {
            std::size_t i = std::max(done, LowerBound(windows[w].first - shift - mu_));
            for (; i < v_.size() && v_[i] <= windows[w].second - shift + mu_; ++i) {
                const double F = Value(members_[i], c);
                if (InLimits(F, limits) && F + shape_.B >= low && high >= F - shape_.B) {
                    tally.Closer(t, std::abs(F - tally.rx()[t]));
                    count += Reaches(F, receivers, limits, tally, t) ? 0 : 1;
                }
            }
            done = i;
        }
        return count;
    }

    // The closest any member in one piece comes to the centre of its band.
    void ClosestTo(const Piece& piece, Tally& tally, std::size_t t,
                   CalculationLimits limits) const {
        const Band& band = *piece.band;
        const double c = tally.tx()[t];
        const double shift = shape_.k * c;
        const double from = piece.lo - shift - mu_;
        const double to = piece.hi - shift + mu_;
        const double centre = piece.negative ? -band.centre : band.centre;
        const double aim = std::clamp(centre, piece.lo, piece.hi) - shift;
        auto reaches = [&](std::size_t i) {
            const double F = Value(members_[i], c);
            if (InLimits(F, limits) && F + shape_.B >= band.low && band.high >= F - shape_.B) {
                tally.Closer(t, std::abs(F - band.centre));
                return true;
            }
            return false;
        };
        // Outwards from the aim on both sides, past the first that reaches it and any tie.
        const std::size_t at = LowerBound(aim);
        double best = NoDistance;
        for (std::size_t i = at; i < v_.size() && v_[i] <= to; ++i) {
            const double gap = v_[i] - aim;
            if (gap > best + 2 * mu_) {
                break;
            }
            if (reaches(i)) {
                best = std::min(best, gap);
            }
        }
        for (std::size_t i = at; i > 0 && v_[i - 1] >= from; --i) {
            const double gap = aim - v_[i - 1];
            if (gap > best + 2 * mu_) {
                break;
            }
            if (reaches(i - 1)) {
                best = std::min(best, gap);
            }
        }
    }

    Partial shape_;
    std::vector<Member> members_;
    std::vector<double> v_; // the members' v, ascending
    std::vector<std::uint32_t> bucketStart_;
    std::size_t buckets_ = 1;
    double scale_ = 0;
    double mu_ = 0;
    std::vector<Piece> pieces_; // by lower end
    std::vector<Zone> zones_;
    std::vector<std::size_t> near_;
};

bool Admitted(const CalculationRow& row, const VictimFilter& filter) {
    return (row.status == 0 && filter.showPlanned) || (row.status != 0 && filter.showExisting);
}

bool Usable(const CalculationRow& row) {
    return row.transmits() && row.transmitFrequency > ExcludedFrequency;
}

// The frequencies f (MHz, widened a little) for which base + k f lies in [lo, hi].
std::pair<double, double> Between(double lo, double hi, double base, int k) {
    double from = (lo - base) / k;
    double to = (hi - base) / k;
    if (from > to) {
        std::swap(from, to);
    }
    return {from - ValueMargin, to + ValueMargin};
}

// The site's three-transmitter products whose centre may come within their width of [low, high]
// (MHz), with the enumeration's arithmetic: the third transmitters are taken by frequency, so
// only the run of them that can land there is formed. keepGoing(i, n) as for EnumerateProducts.
template <typename Take, typename KeepGoing>
void TriplesWithin(const CalculationTable& site, const IntermodOptions& options, double low,
                   double high, Take&& take, KeepGoing&& keepGoing) {
    struct Third {
        double f;
        double b;
        std::size_t entry;
    };
    std::vector<Third> thirds;
    double widest = 0;
    for (std::size_t m = 0; m < site.size(); ++m) {
        if (Usable(site[m])) {
            thirds.push_back({site[m].transmitFrequency, site[m].transmitHalfWidth, m});
            widest = std::max(widest, site[m].transmitHalfWidth);
        }
    }
    std::sort(thirds.begin(), thirds.end(),
              [](const Third& a, const Third& b) { return a.f < b.f; });
    const bool worst = options.worstCase;
    const std::vector<TripleTerm> terms = TripleTerms(options);
    const std::size_t n = site.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (!keepGoing(i, n)) {
            return;
        }
        if (!Usable(site[i])) {
            continue;
        }
        const double f1 = site[i].transmitFrequency;
        const double b1 = site[i].transmitHalfWidth;
        for (std::size_t j = i + 1; j < n; ++j) {
            if (!Usable(site[j])) {
                continue;
            }
            const double f2 = site[j].transmitFrequency;
            const double b2 = site[j].transmitHalfWidth;
            const double b12 = std::max(b1, b2);
            for (const TripleTerm& t : terms) {
                const double pairSum = t.k1 * f1 + t.k2 * f2;
                const double pairWidth = std::abs(t.k1) * b1 + std::abs(t.k2) * b2;
                const double k3Width = std::abs(t.k3);
                const double reach =
                    (worst ? pairWidth + k3Width * widest : std::max(b12, widest)) + ValueMargin;
                const int order = std::abs(t.k1) + std::abs(t.k2) + std::abs(t.k3);
                // The sum pairSum + k3 f3 within [low - reach, high + reach], or for |sum| its
                // negative too: one or two runs of third transmitters, merged when they meet.
                std::pair<double, double> runs[2] = {
                    Between(low - reach, high + reach, pairSum, t.k3),
                    Between(-high - reach, -low + reach, pairSum, t.k3)};
                int count = t.absolute ? 2 : 1;
                if (count == 2 && runs[1].first < runs[0].first) {
                    std::swap(runs[0], runs[1]);
                }
                if (count == 2 && runs[1].first <= runs[0].second) {
                    runs[0].second = std::max(runs[0].second, runs[1].second);
                    count = 1;
                }
                for (int r = 0; r < count; ++r) {
                    auto m = std::lower_bound(thirds.begin(), thirds.end(), runs[r].first,
                                              [](const Third& a, double f) { return a.f < f; });
                    for (; m != thirds.end() && m->f <= runs[r].second; ++m) {
                        if (m->entry == i || m->entry == j) {
                            continue;
                        }
                        const double sum = pairSum + static_cast<double>(t.k3) * m->f;
                        take(t.absolute ? std::abs(sum) : sum,
                             worst ? pairWidth + k3Width * m->b : std::max(b12, m->b), order);
                    }
                }
            }
        }
    }
}

} // namespace

bool RanksBefore(const CandidateResult& a, const CandidateResult& b) {
    if (a.clean() != b.clean()) {
        return a.clean();
    }
    if (a.conflicts != b.conflicts) {
        return a.conflicts < b.conflicts;
    }
    if (a.lowestOrder != b.lowestOrder) {
        return a.lowestOrder > b.lowestOrder;
    }
    if (a.closestKHz != b.closestKHz) {
        return a.closestKHz > b.closestKHz;
    }
    if (a.nearestCarrierKHz != b.nearestCarrierKHz) {
        return a.nearestCarrierKHz > b.nearestCarrierKHz;
    }
    return a.frequencyMHz < b.frequencyMHz;
}

const char* CheckFinderRequest(const FinderRequest& r) {
    if (!(r.stepKHz >= 0.1)) {
        return "The channel step must be at least 0.1 kHz.";
    }
    if (!(r.fromMHz > 0) || !(r.toMHz >= r.fromMHz) || !std::isfinite(r.toMHz)) {
        return "The band must run from a frequency above 0 up to one not below it.";
    }
    if (!(r.txBandwidthKHz >= 0) || !(r.rxBandwidthKHz >= 0) || !(r.spacingKHz >= 0) ||
        !std::isfinite(r.offsetKHz) || !std::isfinite(r.txBandwidthKHz) ||
        !std::isfinite(r.rxBandwidthKHz) || !std::isfinite(r.spacingKHz)) {
        return "Bandwidths and spacing must be numbers not below 0.";
    }
    if (r.count < 1) {
        return "The number of channels must be at least 1.";
    }
    if ((r.toMHz - r.fromMHz) / (r.stepKHz / 1000) >= static_cast<double>(MaxCandidates)) {
        return "Too many candidate channels: narrow the band or widen the step.";
    }
    return nullptr;
}

std::vector<double> CandidateFrequencies(const FinderRequest& request) {
    std::vector<double> result;
    if (CheckFinderRequest(request) != nullptr) {
        return result;
    }
    const double step = request.stepKHz / 1000;
    const auto n =
        static_cast<std::size_t>(std::floor((request.toMHz - request.fromMHz) / step + 1e-9) + 1);
    for (std::size_t t = 0; t < n; ++t) {
        result.push_back(RoundTo(request.fromMHz + static_cast<double>(t) * step, 1e5));
    }
    return result;
}

FrequencyFinder::FrequencyFinder(CalculationTable site, IntermodOptions options,
                                 CalculationLimits limits)
    : site_(std::move(site)), options_(std::move(options)), limits_(limits),
      filter_(options_.filter) {
    if (filter_.anyFrequency) {
        filter_ = {false, true, true};
    }
}

CalculationRow FrequencyFinder::CandidateRow(const FinderRequest& request,
                                             double frequencyMHz) const {
    CalculationRow row;
    const double offset = request.role == FinderRole::Both ? RoundTo(request.offsetKHz, 100) : 0;
    row.receiveFrequency = frequencyMHz;
    row.transmitFrequency = frequencyMHz + offset / 1000;
    row.transmitHalfWidth =
        request.role == FinderRole::Rx ? 0 : RoundTo(request.txBandwidthKHz, 100) / 2000;
    row.receiveHalfWidth =
        request.role == FinderRole::Tx ? 0 : RoundTo(request.rxBandwidthKHz, 100) / 2000;
    row.role = request.role == FinderRole::Tx   ? RoleTx
               : request.role == FinderRole::Rx ? RoleRx
                                                : RoleBoth;
    // Admitted by the filter, as a new channel of the plan should always be.
    row.status = filter_.showPlanned ? 0 : 1;
    return row;
}

std::vector<CandidateResult> FrequencyFinder::Search(const FinderRequest& request,
                                                     const FinderProgress& progress) {
    std::vector<double> frequencies = CandidateFrequencies(request);
    if (frequencies.empty()) {
        return {};
    }
    const CalculationRow model = CandidateRow(request, frequencies.front());
    const double offsetMHz = model.transmitFrequency - model.receiveFrequency;
    const bool receives = model.receives();
    const bool transmits = model.transmits();
    Tally tally(std::move(frequencies), request.role == FinderRole::Both ? offsetMHz : 0,
                receives ? model.receiveHalfWidth : 0);
    const double bc = model.transmitHalfWidth;
    const std::size_t n = site_.size();
    auto report = [&](double fraction) { return !progress || progress(fraction); };

    // As a receiver: the products of the site that reach the candidate's band.
    bool stopped = false;
    if (receives) {
        auto take = [&](double F, double B, int order) {
            if (F >= limits_.lower && F <= limits_.upper) {
                tally.SiteProduct(F, B, order);
            }
        };
        IntermodOptions pairs = options_;
        pairs.threeFrequencies = false;
        EnumerateProducts(site_, pairs,
                          [&](const EnumeratedProduct& p) { take(p.F, p.B, p.order); });
        if (options_.threeFrequencies) {
            TriplesWithin(site_, options_, tally.rxLow().front(), tally.rxHigh().back(), take,
                          [&](std::size_t i, std::size_t count) {
                              stopped = stopped || !report(0.5 * static_cast<double>(i) /
                                                           static_cast<double>(count));
                              return !stopped;
                          });
        }
    }
    if (stopped) {
        return {};
    }

    // As a transmitter: the products it forms with the site, last in the list.
    if (transmits) {
        std::vector<Band> bands;
        for (const CalculationRow& row : site_) {
            if (row.receives() && Admitted(row, filter_)) {
                const double low = row.receiveFrequency - row.receiveHalfWidth;
                const double high = row.receiveFrequency + row.receiveHalfWidth;
                if (!std::isnan(low) && !std::isnan(high)) {
                    bands.push_back({low, high, row.receiveFrequency});
                }
            }
        }
        const BandIndex receivers(std::move(bands));
        PartialTester tester(tally, receivers, receives ? model.receiveHalfWidth : -1, limits_);
        const bool worst = options_.worstCase;
        const std::vector<TripleTerm> triples =
            options_.threeFrequencies ? TripleTerms(options_) : std::vector<TripleTerm>{};

        if (options_.harmonics) {
            for (int h = 2; h <= 3; ++h) {
                if (options_.order(h)) {
                    tester.Run({0, 0, false, false, h, h, worst ? h * bc : bc});
                }
            }
        }
        // Products of one shape with the site's part for v; see Family.
        std::map<std::tuple<bool, bool, int, int, double>, Family> families;
        auto collect = [&](const Partial& p) {
            if (!tester.MayReach(p)) {
                return;
            }
            families.try_emplace({p.twoStep, p.absolute, p.k, p.order, p.B}, p)
                .first->second.Add(p.X, p.Y);
        };
        for (std::size_t i = 0; i < n; ++i) {
            const CalculationRow& ri = site_[i];
            if (!Usable(ri)) {
                continue;
            }
            const double f1 = ri.transmitFrequency;
            const double b1 = ri.transmitHalfWidth;
            const double b12 = std::max(b1, bc);
            // The pair (i, candidate): the candidate is the second transmitter.
            if (options_.harmonics && options_.order(2)) {
                const double B = worst ? 1 * b1 + 1 * bc : b12;
                tester.Run({f1, 0, false, false, 1, 2, B});
                tester.Run({f1, 0, false, true, -1, 2, B});
            }
            if (options_.harmonics && options_.order(3)) {
                tester.Run({2 * f1, 0, false, false, 1, 3, worst ? 2 * b1 + 1 * bc : b12});
                tester.Run({f1, 0, false, false, 2, 3, worst ? 2 * bc + 1 * b1 : b12});
            }
            for (int N = 3; N <= 9; N += 2) {
                if (options_.order(N)) {
                    const int a = (N + 1) / 2;
                    const int b = (N - 1) / 2;
                    tester.Run({a * f1, 0, false, true, -b, N, worst ? a * b1 + b * bc : b12});
                    tester.Run({-(b * f1), 0, false, true, a, N, worst ? a * bc + b * b1 : b12});
                }
            }
            if (triples.empty()) {
                continue;
            }
            // The candidate second in the pair, every other transmitter third.
            for (std::size_t m = 0; m < n; ++m) {
                const CalculationRow& rm = site_[m];
                if (m == i || !Usable(rm)) {
                    continue;
                }
                const double f3 = rm.transmitFrequency;
                const double b3 = rm.transmitHalfWidth;
                for (const TripleTerm& t : triples) {
                    const double pairWidth = std::abs(t.k1) * b1 + std::abs(t.k2) * bc;
                    const double k3Width = std::abs(t.k3);
                    collect({t.k1 * f1, static_cast<double>(t.k3) * f3, true, t.absolute, t.k2,
                             std::abs(t.k1) + std::abs(t.k2) + std::abs(t.k3),
                             worst ? pairWidth + k3Width * b3 : std::max(b12, b3)});
                }
            }
            // The candidate third to every pair (i, j) of the site.
            for (std::size_t j = i + 1; j < n; ++j) {
                const CalculationRow& rj = site_[j];
                if (!Usable(rj)) {
                    continue;
                }
                const double f2 = rj.transmitFrequency;
                const double b2 = rj.transmitHalfWidth;
                for (const TripleTerm& t : triples) {
                    const double pairSum = t.k1 * f1 + t.k2 * f2;
                    const double pairWidth = std::abs(t.k1) * b1 + std::abs(t.k2) * b2;
                    const double k3Width = std::abs(t.k3);
                    collect({pairSum, 0, false, t.absolute, t.k3,
                             std::abs(t.k1) + std::abs(t.k2) + std::abs(t.k3),
                             worst ? pairWidth + k3Width * bc : std::max(std::max(b1, b2), bc)});
                }
            }
        }
        // A family costs about one look-up per band and candidate, its products one by one
        // about one per band each: counting pays once the family outnumbers the candidates.
        std::size_t done = 0;
        for (auto& [key, family] : families) {
            if (!report(0.5 +
                        0.5 * static_cast<double>(done) / static_cast<double>(families.size()))) {
                return {};
            }
            ++done;
            if (family.size() >= tally.size()) {
                family.CountAll(tally, receivers, receives ? model.receiveHalfWidth : -1, limits_);
            } else {
                family.RunEach(tester);
            }
        }
    }

    // Spacing from the site's carriers, and the list's rule against a second entry on the same
    // offset frequency.
    std::vector<double> carriers;
    std::vector<double> taken;
    for (const CalculationRow& row : site_) {
        if (row.transmitFrequency > ExcludedFrequency) {
            taken.push_back(row.transmitFrequency);
            if (row.transmits()) {
                carriers.push_back(row.transmitFrequency);
            }
        }
        if (row.receives()) {
            carriers.push_back(row.receiveFrequency);
        }
    }
    std::sort(carriers.begin(), carriers.end());
    std::sort(taken.begin(), taken.end());
    auto nearest = [](const std::vector<double>& sorted, double f) {
        double best = NoDistance;
        const auto at = std::lower_bound(sorted.begin(), sorted.end(), f);
        if (at != sorted.end()) {
            best = *at - f;
        }
        if (at != sorted.begin()) {
            best = std::min(best, f - *(at - 1));
        }
        return best;
    };
    tally.Finish();
    std::vector<CandidateResult>& results = tally.results();
    for (std::size_t t = 0; t < results.size(); ++t) {
        CandidateResult& r = results[t];
        double distance = NoDistance;
        if (transmits) {
            distance = std::min(distance, nearest(carriers, tally.tx()[t]));
        }
        if (receives) {
            distance = std::min(distance, nearest(carriers, tally.rx()[t]));
        }
        r.nearestCarrierKHz = distance * 1000;
        r.spacingOk = r.nearestCarrierKHz + 1e-6 >= request.spacingKHz;
        if (nearest(taken, tally.tx()[t]) < SameFrequency) {
            r.spacingOk = false;
            r.nearestCarrierKHz = 0;
        }
    }
    report(1);
    std::stable_sort(results.begin(), results.end(), RanksBefore);
    return std::move(results);
}

std::vector<CandidateResult> FrequencyFinder::Plan(const FinderRequest& request,
                                                   const FinderProgress& progress) {
    const CalculationTable original = site_;
    std::vector<CandidateResult> chosen;
    for (int k = 0; k < request.count; ++k) {
        const auto part = [&](double fraction) {
            return !progress || progress((k + fraction) / request.count);
        };
        const std::vector<CandidateResult> ranked = Search(request, part);
        if (ranked.empty() || !ranked.front().clean()) {
            break;
        }
        chosen.push_back(ranked.front());
        site_.push_back(CandidateRow(request, ranked.front().frequencyMHz));
    }
    site_ = original;
    return chosen;
}

} // namespace spurline
