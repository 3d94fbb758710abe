#pragma once

#include "document/LevelValues.h"

#include <array>
#include <cstdint>
#include <string>

namespace spurline {

// Columns of the frequency list, in display order; the sort column uses the same numbers.
enum FrequencyColumn : int {
    ColId = 0,
    ColFrequency,
    ColOffset,
    ColTxBandwidth,
    ColTxRx,
    ColStatus,
    ColRxBandwidth,
    ColRemarks,
    FrequencyColumnCount
};

// The frequencies an entry may have, in MHz: above 0 and below UpperFrequencyLimit, as the
// add/edit dialog accepts them.
inline constexpr double UpperFrequencyLimit = 100000.0;
inline bool FrequencyInRange(double mhz) {
    return mhz > 0.0 && mhz < UpperFrequencyLimit;
}

// Display marks of a victim row (set by the victim analysis, never by the list itself).
struct VictimMark {
    int tag = 0;              // 0 = not a victim
    std::uint32_t colour = 0; // text colour, red in the low byte
    bool bold = false;
    bool ghosted = false;
    int icon = 0; // small icon index, 0 = none

    bool operator==(const VictimMark&) const = default;
};

// One row of the frequency list: its eight display texts and its per-row state (the selection is
// the view's, see FrequencySelection). Numbers are read back from the texts with LeadingNumber
// wherever they are needed.
struct FrequencyEntry {
    std::array<std::string, FrequencyColumnCount> texts;
    bool checked = true;
    std::string key; // "F:" + offset frequency, set when added
    VictimMark mark;
    EntryLevels levels; // kept beside the texts: the site file does not carry them

    const std::string& text(FrequencyColumn column) const { return texts[column]; }
    const std::string& id() const { return texts[ColId]; }
    const std::string& frequency() const { return texts[ColFrequency]; }
    const std::string& offset() const { return texts[ColOffset]; }
    const std::string& txbandwidth() const { return texts[ColTxBandwidth]; }
    const std::string& txrx() const { return texts[ColTxRx]; }
    const std::string& status() const { return texts[ColStatus]; }
    const std::string& rxbandwidth() const { return texts[ColRxBandwidth]; }
    const std::string& remarks() const { return texts[ColRemarks]; }
};

// Captions of the frequency list's columns.
inline constexpr std::array<const char*, FrequencyColumnCount> FrequencyColumnCaptions{
    "ID",    "Frequency (MHz)", "Offset (kHz)", "Tx BW (kHz)",
    "Tx/Rx", "Status",          "Rx BW (kHz)",  "Remarks"};

// Column keys, as the list view and the file name them.
inline constexpr std::array<const char*, FrequencyColumnCount> FrequencyColumnKeys{
    "ID", "frequency", "offset", "txbandwidth", "txrx", "status", "rxbandwidth", "remarks"};

} // namespace spurline
