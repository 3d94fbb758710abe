#include "engine/FrequencyFinder.h"

#include "engine/CandidateRuns.h"
#include "engine/FinderVerdicts.h"
#include "engine/ProductEnumerator.h"
#include "engine/ProductFamily.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <tuple>

namespace spurline {

using namespace finder;

namespace {

constexpr std::size_t MaxCandidates = 200000;
// Two frequencies closer than this are the same list entry (five decimals).
constexpr double SameFrequency = 5e-6; // MHz

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
                const double pairSum = t.pairSum(f1, f2);
                const double pairWidth = t.pairWidth(b1, b2);
                const double k3Width = std::abs(t.k3);
                const double reach =
                    (worst ? pairWidth + k3Width * widest : std::max(b12, widest)) + ValueMargin;
                const int order = t.order();
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
    const bool raster = r.channels.empty();
    if (raster && !(r.stepKHz >= 0.1)) {
        return "The channel step must be at least 0.1 kHz.";
    }
    if (raster && (!(r.fromMHz > 0) || !(r.toMHz >= r.fromMHz) || !std::isfinite(r.toMHz))) {
        return "The band must run from a frequency above 0 up to one not below it.";
    }
    for (const FinderChannel& c : r.channels) {
        if (!(c.receiveMHz > 0) || !(c.transmitMHz > 0) || !std::isfinite(c.receiveMHz) ||
            !std::isfinite(c.transmitMHz)) {
            return "Every channel must lie above 0 MHz.";
        }
    }
    for (const FinderExclusion& x : r.exclusions) {
        if (!(x.fromMHz > 0) || !(x.toMHz >= x.fromMHz) || !std::isfinite(x.toMHz)) {
            return "An excluded range must run from a frequency above 0 up to one not below it.";
        }
    }
    if (!(r.txBandwidthKHz >= 0) || !(r.rxBandwidthKHz >= 0) || !(r.spacingKHz >= 0) ||
        !std::isfinite(r.offsetKHz) || !std::isfinite(r.txBandwidthKHz) ||
        !std::isfinite(r.rxBandwidthKHz) || !std::isfinite(r.spacingKHz)) {
        return "Bandwidths and spacing must be numbers not below 0.";
    }
    if (r.count < 1) {
        return "The number of channels must be at least 1.";
    }
    if (raster ? (r.toMHz - r.fromMHz) / (r.stepKHz / 1000) >= static_cast<double>(MaxCandidates)
               : r.channels.size() > MaxCandidates) {
        return "Too many candidate channels: narrow the band or widen the step.";
    }
    return nullptr;
}

std::vector<double> CandidateFrequencies(const FinderRequest& request) {
    std::vector<double> result;
    if (CheckFinderRequest(request) != nullptr) {
        return result;
    }
    if (!request.channels.empty()) {
        for (const CandidateRun& run : CandidateRuns(request)) {
            result.insert(result.end(), run.rx.begin(), run.rx.end());
        }
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

FinderRequest WithOffsetOf(FinderRequest request, const CandidateResult& found) {
    if (request.role == FinderRole::Both) {
        request.offsetKHz = found.offsetKHz;
    }
    return request;
}

CalculationRow FrequencyFinder::CandidateRow(const FinderRequest& request,
                                             const CandidateResult& found) const {
    return CandidateRow(WithOffsetOf(request, found), found.frequencyMHz);
}

std::vector<CandidateResult> FrequencyFinder::Search(const FinderRequest& request,
                                                     const FinderProgress& progress) {
    const std::vector<CandidateRun> runs = CandidateRuns(request);
    std::size_t total = 0;
    for (const CandidateRun& run : runs) {
        total += run.rx.size();
    }
    std::vector<CandidateResult> results;
    for (const CandidateRun& run : runs) {
        // Each run's share of the progress by its number of candidates.
        const double done = static_cast<double>(results.size()) / static_cast<double>(total);
        const double share = static_cast<double>(run.rx.size()) / static_cast<double>(total);
        FinderRequest part = request;
        part.offsetKHz = run.offsetKHz;
        const std::vector<CandidateResult> found = SearchRun(part, run.rx, [&](double fraction) {
            return !progress || progress(done + share * fraction);
        });
        if (found.empty()) {
            return {};
        }
        results.insert(results.end(), found.begin(), found.end());
    }
    if (results.empty()) {
        return {};
    }
    JudgeOwnBands(results, site_, filter_, CandidateRow(request, results.front().frequencyMHz),
                  request.exclusions);
    if (progress) {
        progress(1);
    }
    std::stable_sort(results.begin(), results.end(), RanksBefore);
    return results;
}

std::vector<CandidateResult> FrequencyFinder::SearchRun(const FinderRequest& request,
                                                        std::vector<double> frequencies,
                                                        const FinderProgress& progress) {
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
                    const double pairWidth = t.pairWidth(b1, bc);
                    const double k3Width = std::abs(t.k3);
                    collect({t.k1 * f1, static_cast<double>(t.k3) * f3, true, t.absolute, t.k2,
                             t.order(), worst ? pairWidth + k3Width * b3 : std::max(b12, b3)});
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
                    const double pairSum = t.pairSum(f1, f2);
                    const double pairWidth = t.pairWidth(b1, b2);
                    const double k3Width = std::abs(t.k3);
                    collect({pairSum, 0, false, t.absolute, t.k3, t.order(),
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
        r.offsetKHz = request.role == FinderRole::Both ? request.offsetKHz : 0;
        if (nearest(taken, tally.tx()[t]) < SameFrequency) {
            r.spacingOk = false;
            r.duplicate = true;
            r.nearestCarrierKHz = 0;
        }
    }
    return std::move(results);
}

std::vector<CandidateResult>
FrequencyFinder::Plan(const FinderRequest& request, const FinderProgress& progress,
                      const std::function<void(const CandidateResult&)>& onChosen) {
    const CalculationTable original = site_;
    std::vector<CandidateResult> chosen;
    // No band gives more channels than it has candidates.
    const int count = static_cast<int>(
        std::min(CandidateFrequencies(request).size(), static_cast<std::size_t>(request.count)));
    for (int k = 0; k < count; ++k) {
        const auto part = [&](double fraction) {
            return !progress || progress((k + fraction) / count);
        };
        const std::vector<CandidateResult> ranked = Search(request, part);
        if (ranked.empty() || !ranked.front().clean()) {
            break;
        }
        chosen.push_back(ranked.front());
        if (onChosen) {
            onChosen(chosen.back());
        }
        site_.push_back(CandidateRow(request, ranked.front()));
    }
    site_ = original;
    return chosen;
}

} // namespace spurline
