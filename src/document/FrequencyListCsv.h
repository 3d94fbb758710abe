#pragma once

#include "document/FrequencyList.h"

#include <string>
#include <string_view>
#include <vector>

namespace spurline {

// A CSV line the import did not take, or took with a change: its line number (1-based, the
// heading is line 1) and why, or what changed.
struct CsvRejectedLine {
    int line = 0;
    std::string reason;
};

// The heading row of a CSV frequency list.
inline constexpr const char* CsvListHeading =
    "Frequency (MHz),Offset (kHz),Tx bandwidth (kHz),Tx/Rx,Status,Rx bandwidth (kHz),Remarks";

// The list as RFC 4180 CSV: the heading row, then one row per entry in display order, numbers
// with a decimal point whatever the list's convention, "N/A" bandwidths left empty, CRLF ends.
// When an entry carries level values, five columns follow the remarks (LevelFieldCaptions),
// empty where an entry takes the site's default; the import reads them when present.
std::string WriteFrequencyListCsv(const FrequencyList& list);

// Adds the rows of a CSV frequency list (bytes as read from the file) through the loader's path,
// so duplicates are skipped as in a load. Returns every line not taken, with the reason in the
// form "line 7: ..."; lines taken with a change (a remark that lost the list file's field
// separator) go to changed when given, e.g. "line 4: "," removed from the remarks". Throws
// CommandFailure for UTF-16 text.
std::vector<CsvRejectedLine> ReadFrequencyListCsv(FrequencyList& list, std::string_view bytes,
                                                  std::vector<CsvRejectedLine>* changed = nullptr);

std::string CsvRejectedLineText(const CsvRejectedLine& rejected);

} // namespace spurline
