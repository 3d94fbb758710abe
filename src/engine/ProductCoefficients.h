#pragma once

#include "engine/IntermodOptions.h"

#include <cstdlib>
#include <vector>

namespace spurline {

// A three-transmitter product k1 f1 + k2 f2 + k3 f3 (f1, f2 the pair, f3 the third
// transmitter); absolute is false only for the sum of all three.
struct TripleTerm {
    int k1, k2, k3;
    bool absolute;

    int order() const { return std::abs(k1) + std::abs(k2) + std::abs(k3); }
    // The pair's part of the centre and, worst case, of the half-bandwidth (MHz): every
    // enumeration forms them with these same operations, so that their products agree bit for bit.
    double pairSum(double f1, double f2) const { return k1 * f1 + k2 * f2; }
    double pairWidth(double b1, double b2) const { return std::abs(k1) * b1 + std::abs(k2) * b2; }
};

// The three-transmitter products the options ask for, in the order every enumeration tries
// them: the one table of coefficients that the calculation, the finder and the summary share.
std::vector<TripleTerm> TripleTerms(const IntermodOptions& options);

} // namespace spurline
