#pragma once

#include "document/Locale.h"

#include <vector>

namespace spurline {

struct FrequencyEntry;

// Transmit frequency of an entry that takes no part as a transmitter (unchecked): every product
// with a component at or below it is discarded.
inline constexpr double ExcludedFrequency = -99999;

// Role codes: receive only, transmit only, transceiver.
enum RoleCode : int { RoleRx = 0, RoleTx = 1, RoleBoth = 3 };

// One entry as the calculation sees it, read back from the display texts.
struct CalculationRow {
    double transmitFrequency = 0; // MHz: frequency + offset / 1000, or ExcludedFrequency
    double transmitHalfWidth = 0; // MHz: Tx bandwidth (kHz) / 2000
    int role = RoleBoth;          // RoleCode
    int status = 1;               // 0 planned, 1 existing
    double receiveHalfWidth = 0;  // MHz: Rx bandwidth (kHz) / 2000
    double receiveFrequency = 0;  // MHz

    bool transmits() const { return role > 0; }
    bool receives() const { return role != RoleTx; }
};

CalculationRow ReadCalculationRow(const FrequencyEntry& entry, const Locale& locale);

// One row per frequency-list entry, in display order (entry number r is index r - 1).
using CalculationTable = std::vector<CalculationRow>;

} // namespace spurline
