#pragma once

#include "document/FrequencyEntry.h"
#include "document/LevelValues.h"
#include "document/Locale.h"

#include <string>
#include <vector>

namespace spurline {

struct Component;

// How much a level matters at its receiver, by its margin over the sensitivity (dB).
enum class LevelClass { Harmful, Marginal, Negligible };
// Harmful at a margin of 0 dB or more, marginal from -10 dB up to 0 dB, negligible below.
LevelClass ClassOfMargin(double marginDb);
const char* LevelClassName(LevelClass c); // "harmful", "marginal", "negligible"

double WattsToDbm(double watts);
// A level or margin in hundredths of a dB: "-9.06" as machine text (never "-0.00"; "" when not
// finite), and in the locale's convention for the list's texts.
std::string LevelNumber(double db);
std::string LevelText(double db, const Locale& locale);
// Sum of powers given in dBm, in dBm; -infinity for none.
double PowerSumDbm(const std::vector<double>& levelsDbm);

// The part of a product's level that does not depend on the receiver.
struct ProductSource {
    double dbm = 0; // single component: the transmitter's level at the antennas; otherwise the
                    // sum of |k| times each transmitter's level at the antennas
    int order = 0;  // sum of |k|
    bool single = false;
};

// The level model of one calculation: every entry's values resolved against the site's, so that a
// product's level at a receiver costs a few additions.
//   coupling i -> v = site isolation + i's transmit extra + v's receive extra
//   P(i at v)       = P_i (dBm) - coupling
//   IIP_v           = S_v + 1.5 R_v
//   level           = sum(|k_j| P(j at v)) - (N - 1) IIP_v, N = sum |k_j|
//   harmonic        = P(j at v) - harmonic attenuation
// The same coupling holds when the receiver is one of the product's own transmitters (a
// transceiver): its receive extra isolation then stands for its duplexer.
class LevelTable {
public:
    LevelTable(const std::vector<FrequencyEntry>& entries, const SiteLevels& site);

    ProductSource Source(const Component& c1, const Component& c2, const Component& c3) const;
    // Entries are 1-based.
    double LevelAt(const ProductSource& s, int victim) const {
        const Receiver& r = receivers_[static_cast<std::size_t>(victim - 1)];
        return s.single ? s.dbm - r.rxExtraDb - harmonicAttenuationDb_
                        : s.dbm - s.order * r.rxExtraDb - (s.order - 1) * r.iipDbm;
    }
    double Sensitivity(int victim) const {
        return receivers_[static_cast<std::size_t>(victim - 1)].sensitivityDbm;
    }
    // The transmitter's power less its transmit extra isolation and the site isolation (dBm).
    double AtAntennas(int entry) const { return atAntennas_[static_cast<std::size_t>(entry - 1)]; }
    int size() const { return static_cast<int>(receivers_.size()); }

private:
    struct Receiver {
        double rxExtraDb;
        double sensitivityDbm;
        double iipDbm;
    };
    std::vector<double> atAntennas_;
    std::vector<Receiver> receivers_;
    double harmonicAttenuationDb_;
};

// A receiver's total: the power sum of every product that reached it.
struct ReceiverLevel {
    int entry = 0;       // 1-based
    int products = 0;    // products that reached it
    double levelDbm = 0; // -infinity when none
    double marginDb = 0;
};

// Collects the power sum per receiver as products are recorded.
class ReceiverTotals {
public:
    void Reset(int entries) {
        milliwatts_.assign(static_cast<std::size_t>(entries), 0.0);
        counts_.assign(static_cast<std::size_t>(entries), 0);
    }
    void Add(int victim, double levelDbm);
    // Receivers that at least one product reached, worst margin first (ties by entry).
    std::vector<ReceiverLevel> Worst(const LevelTable& table) const;

private:
    std::vector<double> milliwatts_;
    std::vector<int> counts_;
};

} // namespace spurline
