#pragma once

#include "engine/CalculationTable.h"
#include "engine/IntermodOptions.h"
#include "engine/ProductCoefficients.h"
#include "engine/ProductRecorder.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace spurline {

// What the enumeration of candidates needs from one calculation, read once: the transmitters'
// frequencies and half-bandwidths (MHz) and the options, so that any thread can walk any part of
// the first-transmitter / second-transmitter loops.
struct EnumerationPlan {
    int n = 0;
    std::vector<double> tx;
    std::vector<double> half;
    std::vector<char> transmits;
    IntermodOptions options;
    std::vector<TripleTerm> triples; // in the order they are tried
    // The transmitters that can be a third one (valid frequency), ascending by frequency, with
    // their entry numbers, and their widest half-bandwidth.
    std::vector<double> thirdFrequencies;
    std::vector<int> thirdEntries;
    double widestThirdHalf = 0;

    EnumerationPlan(const CalculationTable& table, const IntermodOptions& options);
};

enum class UnitStop { Finished, Aborted, Capped };

// What a pair contributes to one three-transmitter product, worked out once per pair.
struct PairTerm {
    double k3, absK3, pairSum, pairWidth;
    int k1, k2, coefficient3;
    bool absolute;
};

// The third transmitters whose products with a pair the bounds may let through, as entry
// numbers ascending without repeats in thirds (a superset: every product is still tested). False
// when a good share of the site may be, so that picking them out would not pay.
bool SelectThirds(const EnumerationPlan& plan, const std::vector<PairTerm>& terms, double b12,
                  const AcceptanceBounds& bounds, std::vector<int>& thirds);

// Walks first transmitter i (1-based) against second transmitters jFirst to jLast, with i's own
// harmonics first when withHarmonics, offering every candidate to the sink in the order of
// recording. The sink answers:
//   Offer(F, c1, c2, c3, B)  a candidate (MHz, B the half-bandwidth);
//   CapReached()             the list cap check; true stops the walk;
//   AbortInPair()            the abort check before a second transmitter; true stops the walk;
//   AbortInThird()           the same before a third transmitter; true leaves the third loop;
//   Aborted()                after each second transmitter: whether the walk must stop.
template <class Sink>
UnitStop EnumerateUnit(const EnumerationPlan& plan, int i, int jFirst, int jLast,
                       bool withHarmonics, Sink& sink) {
    const std::size_t ii = static_cast<std::size_t>(i - 1);
    if (!plan.transmits[ii]) {
        return UnitStop::Finished;
    }
    const IntermodOptions& options = plan.options;
    const bool worst = options.worstCase;
    const bool harmonics = options.harmonics;
    const double f1 = plan.tx[ii];
    const double b1 = plan.half[ii];
    const bool valid1 = f1 > ExcludedFrequency;
    const Component none;

    if (withHarmonics && harmonics && valid1) {
        for (int h = 2; h <= 3; ++h) {
            if (options.order(h)) {
                sink.Offer(h * f1, {f1, h, i}, none, none, worst ? h * b1 : b1);
            }
        }
    }

    std::vector<PairTerm> terms(options.threeFrequencies ? plan.triples.size() : 0);
    const AcceptanceBounds bounds = sink.Bounds();
    std::vector<int> thirds;

    for (int j = jFirst; j <= jLast; ++j) {
        if (sink.AbortInPair()) {
            return UnitStop::Aborted;
        }
        const std::size_t jj = static_cast<std::size_t>(j - 1);
        if (!plan.transmits[jj]) {
            continue;
        }
        const double f2 = plan.tx[jj];
        const double b2 = plan.half[jj];
        const double b12 = std::max(b1, b2);
        const bool valid = valid1 && f2 > ExcludedFrequency;

        if (valid && harmonics && options.order(2)) {
            sink.Offer(f1 + f2, {f1, 1, i}, {f2, 1, j}, none, worst ? 1 * b1 + 1 * b2 : b12);
            sink.Offer(std::abs(f1 - f2), {f1, 1, i}, {f2, -1, j}, none,
                       worst ? 1 * b1 + 1 * b2 : b12);
        }
        if (valid && harmonics && options.order(3)) {
            sink.Offer(2 * f1 + f2, {f1, 2, i}, {f2, 1, j}, none, worst ? 2 * b1 + 1 * b2 : b12);
            sink.Offer(2 * f2 + f1, {f2, 2, j}, {f1, 1, i}, none, worst ? 2 * b2 + 1 * b1 : b12);
        }
        for (int N = 3; N <= 9; N += 2) {
            if (sink.CapReached()) {
                return UnitStop::Capped;
            }
            if (valid && options.order(N)) {
                const int p = (N + 1) / 2;
                const int q = (N - 1) / 2;
                sink.Offer(std::abs(p * f1 - q * f2), {f1, p, i}, {f2, -q, j}, none,
                           worst ? p * b1 + q * b2 : b12);
                sink.Offer(std::abs(p * f2 - q * f1), {f2, p, j}, {f1, -q, i}, none,
                           worst ? p * b2 + q * b1 : b12);
            }
        }

        if (options.threeFrequencies) {
            for (std::size_t t = 0; t < terms.size(); ++t) {
                const TripleTerm& k = plan.triples[t];
                // The pair's sums as every enumeration forms them.
                terms[t] = {static_cast<double>(k.k3),
                            static_cast<double>(std::abs(k.k3)),
                            k.pairSum(f1, f2),
                            k.pairWidth(b1, b2),
                            k.k1,
                            k.k2,
                            k.k3,
                            k.absolute};
            }
            // Most thirds make products far from every receiver: only those that may not are
            // offered, with every check of the walk still made for each m.
            const bool selected = SelectThirds(plan, terms, b12, bounds, thirds);
            std::size_t nextThird = 0;
            for (int m = 1; m <= plan.n; ++m) {
                if (sink.AbortInThird()) {
                    break;
                }
                if (sink.CapReached()) {
                    return UnitStop::Capped;
                }
                const std::size_t mm = static_cast<std::size_t>(m - 1);
                if (m == i || m == j || !plan.transmits[mm] || !valid) {
                    continue;
                }
                const double f3 = plan.tx[mm];
                if (!(f3 > ExcludedFrequency)) {
                    continue;
                }
                if (selected) {
                    while (nextThird < thirds.size() && thirds[nextThird] < m) {
                        ++nextThird;
                    }
                    if (nextThird == thirds.size() || thirds[nextThird] != m) {
                        continue;
                    }
                }
                const double b3 = plan.half[mm];
                const double b123 = std::max(b12, b3);
                for (const PairTerm& term : terms) {
                    const double sum = term.pairSum + term.k3 * f3;
                    sink.Offer(term.absolute ? std::abs(sum) : sum, {f1, term.k1, i},
                               {f2, term.k2, j}, {f3, term.coefficient3, m},
                               worst ? term.pairWidth + term.absK3 * b3 : b123);
                }
            }
        }
        if (sink.Aborted()) {
            return UnitStop::Aborted;
        }
    }
    return UnitStop::Finished;
}

} // namespace spurline
