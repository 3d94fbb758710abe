#include "engine/CalculationTable.h"

#include "document/FrequencyEntry.h"
#include "document/TextHelpers.h"

namespace spurline {

CalculationRow ReadCalculationRow(const FrequencyEntry& entry, const Locale& locale) {
    CalculationRow row;
    const double frequency = LeadingNumber(entry.frequency(), locale);
    row.transmitFrequency = entry.checked ? frequency + LeadingNumber(entry.offset(), locale) / 1000
                                          : ExcludedFrequency;
    row.transmitHalfWidth = LeadingNumber(entry.txbandwidth(), locale) / 2000;
    if (EqualsIgnoringCase(entry.txrx(), "Rx")) {
        row.role = RoleRx;
    } else if (EqualsIgnoringCase(entry.txrx(), "Tx")) {
        row.role = RoleTx;
    } else {
        row.role = RoleBoth;
    }
    row.status = EqualsIgnoringCase(entry.status(), "Plan") ? 0 : 1;
    row.receiveHalfWidth = LeadingNumber(entry.rxbandwidth(), locale) / 2000;
    row.receiveFrequency = frequency;
    return row;
}

} // namespace spurline
