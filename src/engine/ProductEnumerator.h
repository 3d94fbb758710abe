#pragma once

#include "engine/CalculationTable.h"
#include "engine/IntermodOptions.h"
#include "engine/ProductCoefficients.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace spurline {

// A product as the enumeration hands it over: centre F and half-bandwidth B (MHz), its order and
// the entry numbers (1-based, 0 when absent) of its components.
struct EnumeratedProduct {
    double F = 0;
    double B = 0;
    int order = 0;
    std::array<int, 3> entries{};
    std::array<int, 3> coefficients{}; // of the entries, in their order; 0 when absent
};

// Every product the calculation offers for recording, in its order and with its arithmetic, so
// that a product's centre and width are bit for bit those the calculation compares: harmonics,
// pair products and (with the option) three-transmitter products of the checked transmitters.
// Neither the limits nor the victims are tested here. keepGoing(i, n) is asked before each first
// transmitter i of n; false ends the enumeration.
template <typename Visit, typename KeepGoing>
void EnumerateProducts(const CalculationTable& table, const IntermodOptions& options, Visit&& visit,
                       KeepGoing&& keepGoing) {
    const int n = static_cast<int>(table.size());
    const bool worst = options.worstCase;
    const bool harmonics = options.harmonics;
    const std::vector<TripleTerm> triples =
        options.threeFrequencies ? TripleTerms(options) : std::vector<TripleTerm>{};
    auto usable = [&](int r) {
        const CalculationRow& row = table[static_cast<std::size_t>(r - 1)];
        return row.transmits() && row.transmitFrequency > ExcludedFrequency;
    };
    EnumeratedProduct p;
    for (int i = 1; i <= n; ++i) {
        if (!keepGoing(i, n)) {
            return;
        }
        if (!usable(i)) {
            continue;
        }
        const double f1 = table[static_cast<std::size_t>(i - 1)].transmitFrequency;
        const double b1 = table[static_cast<std::size_t>(i - 1)].transmitHalfWidth;
        if (harmonics) {
            for (int h = 2; h <= 3; ++h) {
                if (options.order(h)) {
                    visit(EnumeratedProduct{h * f1, worst ? h * b1 : b1, h, {i, 0, 0}, {h, 0, 0}});
                }
            }
        }
        for (int j = i + 1; j <= n; ++j) {
            if (!usable(j)) {
                continue;
            }
            const double f2 = table[static_cast<std::size_t>(j - 1)].transmitFrequency;
            const double b2 = table[static_cast<std::size_t>(j - 1)].transmitHalfWidth;
            const double b12 = std::max(b1, b2);
            if (harmonics && options.order(2)) {
                const double B = worst ? 1 * b1 + 1 * b2 : b12;
                visit(EnumeratedProduct{f1 + f2, B, 2, {i, j, 0}, {1, 1, 0}});
                visit(EnumeratedProduct{std::abs(f1 - f2), B, 2, {i, j, 0}, {1, -1, 0}});
            }
            if (harmonics && options.order(3)) {
                visit(EnumeratedProduct{
                    2 * f1 + f2, worst ? 2 * b1 + 1 * b2 : b12, 3, {i, j, 0}, {2, 1, 0}});
                visit(EnumeratedProduct{
                    2 * f2 + f1, worst ? 2 * b2 + 1 * b1 : b12, 3, {j, i, 0}, {2, 1, 0}});
            }
            for (int N = 3; N <= 9; N += 2) {
                if (options.order(N)) {
                    const int a = (N + 1) / 2;
                    const int b = (N - 1) / 2;
                    visit(EnumeratedProduct{std::abs(a * f1 - b * f2),
                                            worst ? a * b1 + b * b2 : b12,
                                            N,
                                            {i, j, 0},
                                            {a, -b, 0}});
                    visit(EnumeratedProduct{std::abs(a * f2 - b * f1),
                                            worst ? a * b2 + b * b1 : b12,
                                            N,
                                            {j, i, 0},
                                            {a, -b, 0}});
                }
            }
            if (triples.empty()) {
                continue;
            }
            for (int m = 1; m <= n; ++m) {
                if (m == i || m == j || !usable(m)) {
                    continue;
                }
                const double f3 = table[static_cast<std::size_t>(m - 1)].transmitFrequency;
                const double b3 = table[static_cast<std::size_t>(m - 1)].transmitHalfWidth;
                const double b123 = std::max(b12, b3);
                for (const TripleTerm& t : triples) {
                    const double pairSum = t.pairSum(f1, f2);
                    const double pairWidth = t.pairWidth(b1, b2);
                    const double sum = pairSum + static_cast<double>(t.k3) * f3;
                    const double k3Width = std::abs(t.k3);
                    p.F = t.absolute ? std::abs(sum) : sum;
                    p.B = worst ? pairWidth + k3Width * b3 : b123;
                    p.order = t.order();
                    p.entries = {i, j, m};
                    p.coefficients = {t.k1, t.k2, t.k3};
                    visit(p);
                }
            }
        }
    }
}

template <typename Visit>
void EnumerateProducts(const CalculationTable& table, const IntermodOptions& options,
                       Visit&& visit) {
    EnumerateProducts(table, options, visit, [](int, int) { return true; });
}

} // namespace spurline
