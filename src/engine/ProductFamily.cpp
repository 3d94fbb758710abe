#include "engine/ProductFamily.h"

namespace spurline::finder {

void Family::RunEach(PartialTester& tester) const {
    for (const Member& m : members_) {
        Partial p = shape_;
        p.X = m.X;
        p.Y = m.Y;
        tester.Run(p);
    }
}

void Family::CountAll(Tally& tally, const BandIndex& receivers, double ownHalf,
                      CalculationLimits limits) {
    Prepare(receivers, limits, tally);
    for (std::size_t t = 0; t < tally.size(); ++t) {
        CountAt(tally, t, receivers, ownHalf, limits);
    }
}

void Family::Prepare(const BandIndex& receivers, CalculationLimits limits, const Tally& tally) {
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
    buckets_.Build(v_, v_.size());
    BuildZones(receivers.bands(), limits);
}

std::size_t Family::LowerBound(double x) const {
    if (!(x > v_.front())) {
        return 0;
    }
    if (x > v_.back()) {
        return v_.size();
    }
    const std::size_t b = buckets_.Of(x);
    const auto first = v_.begin() + static_cast<long>(buckets_.Begin(b));
    const auto last = v_.begin() + static_cast<long>(buckets_.End(b));
    return static_cast<std::size_t>(std::lower_bound(first, last, x) - v_.begin());
}

std::size_t Family::LowerBoundFrom(std::size_t from, double x) const {
    const std::size_t n = v_.size();
    if (from >= n || v_[from] >= x) {
        return from;
    }
    // Galloping: zones hold few members where the site is sparse, so the answer is near.
    std::size_t below = from; // v_[below] < x
    for (std::size_t step = 1; step <= 64; step *= 2) {
        const std::size_t probe = below + step;
        if (probe >= n || v_[probe] >= x) {
            const auto begin = v_.begin() + static_cast<long>(below) + 1;
            const auto end = v_.begin() + static_cast<long>(std::min(probe, n));
            return static_cast<std::size_t>(std::lower_bound(begin, end, x) - v_.begin());
        }
        below = probe;
    }
    return LowerBound(x);
}

void Family::BuildZones(const std::vector<Band>& bands, CalculationLimits limits) {
    pieces_.clear();
    zones_.clear();
    near_.clear();
    // Limits that admit nothing (or are undefined) leave every product out, as their tests do.
    if (!(limits.lower <= limits.upper)) {
        return;
    }
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

double Family::Value(const Member& m, double c) const {
    Partial p = shape_;
    p.X = m.X;
    p.Y = m.Y;
    return Evaluate(p, c);
}

bool Family::Reaches(double F, const BandIndex& receivers, CalculationLimits limits, Tally& tally,
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

bool Family::ReachesNear(double F, const Zone& zone, CalculationLimits limits, Tally& tally,
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

void Family::CountAt(Tally& tally, std::size_t t, const BandIndex& receivers, double ownHalf,
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
        const std::size_t first = LowerBoundFrom(next, zone->lo - shift);
        const std::size_t end = LowerBoundFrom(first, zone->hi - shift);
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

int Family::CountOwn(Tally& tally, std::size_t t, const BandIndex& receivers,
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

void Family::ClosestTo(const Piece& piece, Tally& tally, std::size_t t,
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

} // namespace spurline::finder
