#pragma once

#include "document/Locale.h"
#include "engine/CalculationTable.h"
#include "engine/IntermodOptions.h"
#include "engine/LevelModel.h"
#include "engine/ReceiverIndex.h"

#include <array>
#include <string>
#include <vector>

namespace spurline {

class CalculationCallbacks;
class FrequencyList;
class IntermodList;
class cIntermodItems;

// One component of a product: its frequency (MHz), coefficient and entry number (1-based);
// an absent component is all zeros.
struct Component {
    double frequency = 0;
    int coefficient = 0;
    int entry = 0;
};

// One recorded product as numbers, for writers that want more than the row's texts.
struct RecordedProduct {
    double frequency = 0;     // MHz
    double halfBandwidth = 0; // MHz
    int order = 0;
    std::array<Component, 3> components; // absent ones all zeros
    const std::vector<int>& victims;     // entry numbers, ascending
    const CalculationTable& table;       // for the entries' status codes
    // With levels: the product's level (dBm) at each victim, in the victims' order, and the
    // model for the victims' sensitivities; both null without.
    const std::vector<double>* levels = nullptr;
    const LevelTable* levelTable = nullptr;
};

// What Accepts lets through, for skipping candidates in bulk: a product at F with a
// half-bandwidth of at most B can only be accepted when lower <= F <= upper and, unless
// anyReceiver, lowestEdge - B <= F <= highestEdge + B.
struct AcceptanceBounds {
    double lower = 0;
    double upper = 0;
    bool anyReceiver = true;
    bool noReceiver = false; // no receiver is admitted: nothing is accepted
    double lowestEdge = 0;
    double highestEdge = 0;
};

// The texts of one recorded product, as the list and the collection show them.
struct ProductTexts {
    std::string frequency;     // "#,###,##0.00000" padded to 15
    std::string order;         // "2nd", "3rd", "5th", ...
    std::string byfrequency;   // "2 x 450.00000 - 1 x 451.00000"
    std::string bycomposition; // "2 x [1] - 1 x [2]"
    std::string bounds;        // "449.98750 - 450.01250"
    std::string bandwidth;     // full bandwidth, kHz, "#,##0.00"
    std::string tag;           // order * 16777216 + bandwidth in kHz rounded half to even
};

// "2nd", "3rd", otherwise the number and "th".
std::string OrderLabel(int order);
// "[3],[7]"; empty for no entries.
std::string EntryList(const std::vector<int>& entries);
// F and B in MHz (B is the half-bandwidth); components in the order given.
ProductTexts BuildProductTexts(double F, const Component& c1, const Component& c2,
                               const Component& c3, double B, const Locale& locale);

// The recording step of one calculation: discards candidates outside the limits or built from an
// excluded transmitter, finds the victims under the filter, marks them, and records the product
// in the collection and the intermod list under the next sequence number.
class ProductRecorder {
public:
    ProductRecorder(const CalculationTable& table, const VictimFilter& filter,
                    CalculationLimits limits, FrequencyList& list, cIntermodItems& products,
                    IntermodList& rows, CalculationCallbacks& events, bool& abort);

    // One candidate: F the product frequency (MHz), B its half-bandwidth (MHz).
    void RecordProduct(double F, const Component& c1, const Component& c2, const Component& c3,
                       double B) {
        if (c1.frequency <= ExcludedFrequency || c2.frequency <= ExcludedFrequency ||
            c3.frequency <= ExcludedFrequency) {
            return;
        }
        Offer(F, c1, c2, c3, B);
    }

    // As RecordProduct for components known to be above the exclusion frequency; the
    // calculation's inner loop calls this, so a discarded candidate costs a few comparisons.
    void Offer(double F, const Component& c1, const Component& c2, const Component& c3, double B) {
        if (Accepts(F, B)) {
            Record(F, c1, c2, c3, B);
        }
    }

    // Whether a product at F with half-bandwidth B (MHz) lies within the limits and touches an
    // admitted receiver; reads only what the constructor built, so any thread may ask.
    bool Accepts(double F, double B) const {
        // Both limits inclusive; an undefined frequency lies within no limits.
        if (!(F >= limits_.lower) || !(F <= limits_.upper)) {
            return false;
        }
        return filter_.anyFrequency || receivers_.MayHit(F + B, F - B);
    }

    AcceptanceBounds Bounds() const {
        AcceptanceBounds bounds{limits_.lower, limits_.upper, filter_.anyFrequency, false, 0, 0};
        if (!filter_.anyFrequency) {
            bounds.noReceiver = receivers_.size() == 0;
            if (!bounds.noReceiver) {
                bounds.lowestEdge = receivers_.lowestEdge();
                bounds.highestEdge = receivers_.highestEdge();
            }
        }
        return bounds;
    }

    // Records a candidate that Accepts let through: marks its victims, takes the next sequence
    // number and adds the product and its row.
    void Record(double F, const Component& c1, const Component& c2, const Component& c3, double B);

    // The product sequence counter: the number of products recorded so far.
    int counter() const { return counter_; }

    // Levels of every recorded product at its victims from the given model (kept by the caller),
    // and each receiver's total; null: none.
    void SetLevels(const LevelTable* table);
    const ReceiverTotals& totals() const { return totals_; }

    // False: products go to the list's product sink only and the collection stays empty, so a
    // run without the list cap holds nothing but the row being written.
    bool keepProducts = true;

private:
    const CalculationTable& table_;
    VictimFilter filter_;
    CalculationLimits limits_;
    FrequencyList& list_;
    cIntermodItems& products_;
    IntermodList& rows_;
    CalculationCallbacks& events_;
    bool& abort_;
    Locale locale_;
    ReceiverIndex receivers_;
    std::vector<int> victims_;
    const LevelTable* levelTable_ = nullptr;
    std::vector<double> levels_;
    ReceiverTotals totals_;
    int counter_ = 0;
};

} // namespace spurline
