#include "engine/ProductCoefficients.h"

#include <array>

namespace spurline {

namespace {
// Orders 5, 7 and 9, in the order they are tried.
constexpr std::array<TripleTerm, 3> Fifth{{{1, 1, -3, true}, {1, 2, -2, true}, {2, 1, -2, true}}};
constexpr std::array<TripleTerm, 5> Seventh{
    {{1, 2, -4, true}, {1, 3, -3, true}, {2, 1, -4, true}, {2, 2, -3, true}, {3, 1, -3, true}}};
constexpr std::array<TripleTerm, 7> Ninth{{{1, 3, -5, true},
                                           {1, 4, -4, true},
                                           {2, 2, -5, true},
                                           {2, 3, -4, true},
                                           {3, 1, -5, true},
                                           {3, 2, -4, true},
                                           {4, 1, -4, true}}};
} // namespace

std::vector<TripleTerm> TripleTerms(const IntermodOptions& options) {
    std::vector<TripleTerm> terms;
    if (options.harmonics && options.order(3)) {
        terms.push_back({1, 1, 1, false});
    }
    if (options.order(3)) {
        terms.push_back({1, 1, -1, true});
    }
    auto add = [&](int order, const auto& list) {
        if (options.order(order)) {
            terms.insert(terms.end(), list.begin(), list.end());
        }
    };
    add(5, Fifth);
    add(7, Seventh);
    add(9, Ninth);
    return terms;
}

} // namespace spurline
