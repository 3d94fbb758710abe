#pragma once

#include "document/FrequencyListCsv.h"
#include "document/Locale.h"
#include "engine/FrequencyFinder.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spurline {

// A channel list read for the finder: the channels in file order and the lines not taken.
struct ChannelListRead {
    std::vector<FinderChannel> channels;
    std::vector<CsvRejectedLine> rejected; // "line 7: ..." through CsvRejectedLineText
};

// A plain decimal with a point ("460.0125"), or a number in the locale's convention.
std::optional<double> ReadChannelNumber(std::string_view text, const Locale& locale);

// Reads a text or CSV file of channels, one a line: for a transmitter or a receiver its
// frequency (MHz), for a transceiver its transmit then its receive frequency, or only a receive
// frequency to which offsetKHz is added. Fields are separated by TABs, semicolons, blanks or
// commas (a comma is a decimal separator instead when the locale's is one and the line has no
// point). Numbers are plain decimals ("460.0125") or in the locale's convention; each is taken to
// five decimals, as the list keeps them. The fields from the first that is no number on (a
// channel name) are ignored; blank lines and lines starting with "#" are skipped, and so is a first
// line that is no number (a heading). Every other line that cannot be read is named with its
// reason, as is a channel that repeats an earlier line.
ChannelListRead ReadChannelList(std::string_view text, FinderRole role, double offsetKHz,
                                const Locale& locale);

// The channels as ReadChannelList reads them back: one a line, plain decimals, a TAB between
// transmit and receive frequency for a transceiver.
std::string WriteChannelList(const std::vector<FinderChannel>& channels, FinderRole role);

} // namespace spurline
