#include "engine/PairEnumeration.h"

#include <cmath>

namespace spurline {

namespace {

// Widens an interval a little beyond the rounding of the sums that the walk computes.
double Below(double value) {
    return value - 1e-9 * (1 + std::abs(value));
}
double Above(double value) {
    return value + 1e-9 * (1 + std::abs(value));
}

} // namespace

bool SelectThirds(const EnumerationPlan& plan, const std::vector<PairTerm>& terms, double b12,
                  const AcceptanceBounds& bounds, std::vector<int>& thirds) {
    thirds.clear();
    if (bounds.noReceiver) {
        return true;
    }
    const std::vector<double>& frequencies = plan.thirdFrequencies;
    const std::size_t worthwhile = static_cast<std::size_t>(plan.n) / 4;
    std::size_t found = 0;
    for (const PairTerm& term : terms) {
        const double widest = plan.options.worstCase
                                  ? term.pairWidth + term.absK3 * plan.widestThirdHalf
                                  : std::max(b12, plan.widestThirdHalf);
        double low = bounds.lower;
        double high = bounds.upper;
        if (!bounds.anyReceiver) {
            low = std::max(low, bounds.lowestEdge - widest);
            high = std::min(high, bounds.highestEdge + widest);
        }
        if (std::isnan(low) || std::isnan(high) || std::isnan(widest)) {
            return false;
        }
        low = Below(low);
        high = Above(high);
        if (low > high) {
            continue;
        }
        // The sums the product frequency may come from: itself, and its negative when absolute.
        double sums[2][2] = {{low, high}, {1, 0}};
        if (term.absolute) {
            if (high < 0) {
                continue;
            }
            sums[0][0] = std::max(low, 0.0);
            sums[1][0] = -high;
            sums[1][1] = -sums[0][0];
        }
        for (const auto& sum : sums) {
            if (sum[0] > sum[1]) {
                continue;
            }
            double a = (sum[0] - term.pairSum) / term.k3;
            double b = (sum[1] - term.pairSum) / term.k3;
            if (std::isnan(a) || std::isnan(b)) {
                return false;
            }
            if (a > b) {
                std::swap(a, b);
            }
            const auto first = std::lower_bound(frequencies.begin(), frequencies.end(), Below(a));
            const auto last = std::upper_bound(first, frequencies.end(), Above(b));
            found += static_cast<std::size_t>(last - first);
            if (found > worthwhile) {
                return false;
            }
            for (auto it = first; it != last; ++it) {
                thirds.push_back(
                    plan.thirdEntries[static_cast<std::size_t>(it - frequencies.begin())]);
            }
        }
    }
    std::sort(thirds.begin(), thirds.end());
    thirds.erase(std::unique(thirds.begin(), thirds.end()), thirds.end());
    return true;
}

EnumerationPlan::EnumerationPlan(const CalculationTable& table, const IntermodOptions& options)
    : n(static_cast<int>(table.size())), options(options) {
    tx.reserve(table.size());
    half.reserve(table.size());
    transmits.reserve(table.size());
    for (const CalculationRow& row : table) {
        tx.push_back(row.transmitFrequency);
        half.push_back(row.transmitHalfWidth);
        transmits.push_back(row.transmits() ? 1 : 0);
    }
    triples = TripleTerms(options);

    std::vector<std::pair<double, int>> thirds;
    for (int m = 1; m <= n; ++m) {
        const std::size_t mm = static_cast<std::size_t>(m - 1);
        if (transmits[mm] && tx[mm] > ExcludedFrequency) {
            thirds.emplace_back(tx[mm], m);
            // A half-bandwidth that is not a number makes no product accepted.
            if (half[mm] > widestThirdHalf) {
                widestThirdHalf = half[mm];
            }
        }
    }
    std::sort(thirds.begin(), thirds.end());
    for (const auto& third : thirds) {
        thirdFrequencies.push_back(third.first);
        thirdEntries.push_back(third.second);
    }
}

} // namespace spurline
