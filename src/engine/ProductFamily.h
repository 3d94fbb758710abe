#pragma once

#include "engine/PartialTester.h"
#include "engine/ValueBuckets.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace spurline::finder {

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
    void RunEach(PartialTester& tester) const;

    // Adds the family's conflicts with the receivers (and with the candidate's own receive band
    // when ownHalf >= 0) to every candidate.
    void CountAll(Tally& tally, const BandIndex& receivers, double ownHalf,
                  CalculationLimits limits);

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

    void Prepare(const BandIndex& receivers, CalculationLimits limits, const Tally& tally);

    // The first member whose v is not below x. Values in earlier buckets are below x and values
    // in later ones above it, as the bucket never decreases with the value.
    std::size_t LowerBound(double x) const;
    // The same, knowing that every member below from is below x.
    std::size_t LowerBoundFrom(std::size_t from, double x) const;

    void BuildZones(const std::vector<Band>& bands, CalculationLimits limits);

    double Value(const Member& m, double c) const;

    bool InLimits(double F, CalculationLimits limits) const {
        return F >= limits.lower && F <= limits.upper;
    }

    // Whether the product F reaches a receiver; each band it reaches may bring t closer.
    bool Reaches(double F, const BandIndex& receivers, CalculationLimits limits, Tally& tally,
                 std::size_t t) const;

    // As Reaches for a product in an unsure zone, which can only reach the zone's pieces.
    bool ReachesNear(double F, const Zone& zone, CalculationLimits limits, Tally& tally,
                     std::size_t t) const;

    void CountAt(Tally& tally, std::size_t t, const BandIndex& receivers, double ownHalf,
                 CalculationLimits limits) const;

    // The products that reach the candidate's own receive band but no other receiver; every one
    // reaching it may bring t closer.
    int CountOwn(Tally& tally, std::size_t t, const BandIndex& receivers,
                 CalculationLimits limits) const;

    // The closest any member in one piece comes to the centre of its band.
    void ClosestTo(const Piece& piece, Tally& tally, std::size_t t, CalculationLimits limits) const;

    Partial shape_;
    std::vector<Member> members_;
    std::vector<double> v_; // the members' v, ascending
    ValueBuckets buckets_;  // over v_
    double mu_ = 0;
    std::vector<Piece> pieces_; // by lower end
    std::vector<Zone> zones_;
    std::vector<std::size_t> near_;
};

} // namespace spurline::finder
