#pragma once

#include "engine/CalculationTable.h"
#include "engine/IntermodOptions.h"

#include <functional>
#include <limits>
#include <vector>

namespace spurline {

// The part a new entry plays at the site.
enum class FinderRole { Tx, Rx, Both };

// One channel of a list (MHz): where the new entry receives and where it transmits; the same
// frequency for a transmitter or a receiver.
struct FinderChannel {
    double receiveMHz = 0;
    double transmitMHz = 0;
    bool operator==(const FinderChannel&) const = default;
};

// A range (MHz) no candidate may touch with its bandwidth.
struct FinderExclusion {
    double fromMHz = 0;
    double toMHz = 0;
    bool operator==(const FinderExclusion&) const = default;
};

// What to look for: a raster of candidate channels anchored at from, or a list of channels, and
// the new entry's data.
struct FinderRequest {
    FinderRole role = FinderRole::Tx;
    double fromMHz = 0;
    double toMHz = 0;
    double stepKHz = 12.5;
    double txBandwidthKHz = 12.5;
    double rxBandwidthKHz = 12.5;
    double offsetKHz = 0;                // a transceiver transmits at frequency + offset
    double spacingKHz = 0;               // minimum distance from every existing carrier; 0 for none
    int count = 1;                       // channels to plan together
    std::vector<FinderChannel> channels; // when not empty, the candidates instead of the raster
    std::vector<FinderExclusion> exclusions; // ranges no candidate's band may touch
};

inline constexpr double NoDistance = std::numeric_limits<double>::infinity();

// How one candidate channel fares.
struct CandidateResult {
    double frequencyMHz = 0; // the entry's frequency (its receive frequency for a transceiver)
    int conflicts = 0;       // products involving it or reaching it that reach a receiver
    int lowestOrder = 0;     // among the conflicts; 0 when there are none
    double closestKHz = NoDistance; // smallest product centre to receiver centre among conflicts
    double nearestCarrierKHz = NoDistance; // to the closest existing carrier
    bool spacingOk = true;
    double offsetKHz = 0;       // a transceiver's transmit offset; a channel list's may vary
    std::vector<int> coChannel; // entries (1-based) its own transmit or receive band touches
    bool duplicate = false;     // an entry already transmits on its transmit frequency
    bool excluded = false;      // a band of it touches an excluded range

    bool clean() const { return conflicts == 0 && spacingOk && coChannel.empty() && !excluded; }
};

// Clean first; then fewer conflicts, higher lowest order, a product farther from the centre,
// more room to the nearest carrier, and finally the lower frequency.
bool RanksBefore(const CandidateResult& a, const CandidateResult& b);

// Why a request cannot be searched, or nullptr when it can.
const char* CheckFinderRequest(const FinderRequest& request);

// Told the fraction done (0 to 1) now and then; returning false stops the search.
using FinderProgress = std::function<bool(double fraction)>;

// Finds clean channels for a new entry at a site: clear of the site's carriers (see
// JudgeOwnBands) and of the excluded ranges, and free of intermodulation: the candidate's own
// products with the site's transmitters that reach a receiver the filter admits, and the site's
// products that reach the candidate's receive band, counted exactly as a calculation with the
// candidate added as the last entry would record them. The site's products are formed once; per
// candidate only those involving it are. "Any frequency" is taken as all receivers; the candidate's
// own receiver always counts. The limits apply as in the calculation.
class FrequencyFinder {
public:
    FrequencyFinder(CalculationTable site, IntermodOptions options, CalculationLimits limits);

    // Every candidate of the raster, ranked; empty when stopped.
    std::vector<CandidateResult> Search(const FinderRequest& request,
                                        const FinderProgress& progress = {});

    // request.count channels (at most as many as the band has candidates), one at a time: the
    // best clean candidate is added to the site before the next search, so the chosen ones are
    // clean with each other too. Stops early when no clean candidate is left or when stopped.
    // onChosen is told each channel as it is chosen.
    std::vector<CandidateResult>
    Plan(const FinderRequest& request, const FinderProgress& progress = {},
         const std::function<void(const CandidateResult&)>& onChosen = {});

    // The row a chosen candidate takes in the site, as the list would read it back.
    CalculationRow CandidateRow(const FinderRequest& request, double frequencyMHz) const;
    CalculationRow CandidateRow(const FinderRequest& request, const CandidateResult& found) const;

    const CalculationTable& site() const { return site_; }

private:
    // The candidates rx (MHz, ascending along a raster) sharing one transmit offset, unranked.
    std::vector<CandidateResult> SearchRun(const FinderRequest& request, std::vector<double> rx,
                                           const FinderProgress& progress);

    CalculationTable site_;
    IntermodOptions options_;
    CalculationLimits limits_;
    VictimFilter filter_;
};

// The candidate frequencies of a request: from, from + step, ... up to to, each rounded to the
// list's five decimals; or the receive frequencies of its channels.
std::vector<double> CandidateFrequencies(const FinderRequest& request);

// The request with a found candidate's own transmit offset, as it is added to the list.
FinderRequest WithOffsetOf(FinderRequest request, const CandidateResult& found);

} // namespace spurline
