#pragma once

#include "document/FrequencyList.h"

#include <string>
#include <string_view>
#include <vector>

namespace spurline {

// The level values of a .frq site live beside it, so that the site file stays what other
// programs read: "<site file>.levels", e.g. "north-ridge.frq.levels". UTF-8 text, one record a
// line, fields separated by ",", numbers with a decimal point whatever the locale:
//   spurline-levels,1
//   site,ISOLATION,HARMONIC,TXPOWER,SENSITIVITY,IMREJECTION,TXEXTRA,RXEXTRA
//   entry,MHZ,TXPOWER,SENSITIVITY,IMREJECTION,TXEXTRA,RXEXTRA
// The site line holds the site-wide values (dB, dB, W, dBm, dB, dB, dB); one entry line per
// entry with values of its own, named by its offset frequency in MHz (frequency + offset), an
// empty field taking the site's value.
std::string LevelsCompanionPath(const std::string& sitePath);

// The companion's text for the list; empty when the list has only the default values.
std::string WriteSiteLevelsText(const FrequencyList& list);

// Reads a companion into the list: the site values, and each entry line's values into the entry
// with that offset frequency. Returns what was not used, e.g. "line 4: no entry at 451.5 MHz";
// a line not used changes nothing. The list is left unchanged in its changed state.
std::vector<std::string> ReadSiteLevelsText(FrequencyList& list, std::string_view text);

// Reads the companion beside sitePath when there is one (none: the defaults stay). Throws
// CommandFailure when it exists but cannot be read.
std::vector<std::string> LoadSiteLevels(FrequencyList& list, const std::string& sitePath);

// Writes the companion beside sitePath atomically, or removes a stale one when the list has only
// default values. Throws CommandFailure.
void SaveSiteLevels(const FrequencyList& list, const std::string& sitePath);

// "Level values not used:" and the lines, for a message box.
std::string LevelsNotUsedMessage(const std::vector<std::string>& problems);

} // namespace spurline
