#include "engine/PairEnumeration.h"

#include <array>

namespace spurline {

namespace {

// Orders 5, 7 and 9, in the order they are tried.
constexpr std::array<Triple, 3> Fifth{{{1, 1, -3, true}, {1, 2, -2, true}, {2, 1, -2, true}}};
constexpr std::array<Triple, 5> Seventh{
    {{1, 2, -4, true}, {1, 3, -3, true}, {2, 1, -4, true}, {2, 2, -3, true}, {3, 1, -3, true}}};
constexpr std::array<Triple, 7> Ninth{{{1, 3, -5, true},
                                       {1, 4, -4, true},
                                       {2, 2, -5, true},
                                       {2, 3, -4, true},
                                       {3, 1, -5, true},
                                       {3, 2, -4, true},
                                       {4, 1, -4, true}}};

} // namespace

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
    if (options.harmonics && options.order(3)) {
        triples.push_back({1, 1, 1, false});
    }
    if (options.order(3)) {
        triples.push_back({1, 1, -1, true});
    }
    auto addOrder = [&](int order, const auto& list) {
        if (options.order(order)) {
            triples.insert(triples.end(), list.begin(), list.end());
        }
    };
    addOrder(5, Fifth);
    addOrder(7, Seventh);
    addOrder(9, Ninth);
}

} // namespace spurline
