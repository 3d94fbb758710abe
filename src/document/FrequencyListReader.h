#pragma once

#include "document/FrequencyList.h"

#include <functional>
#include <string>
#include <string_view>

namespace spurline {

// An entry line the loader left out: its line number in the file (1-based, the header is lines 1
// to 3), why, and its frequency as the duplicate message shows it.
struct SkippedLine {
    int line = 0;
    SkipReason reason = SkipReason::Duplicate;
    std::string frequency;
};

// What a caller of the loader hears while it reads.
struct LoadListener {
    std::function<void()> afterEntryLine; // after every entry line, added or not
    std::function<void(const SkippedLine&)> lineSkipped;
};

// Reads the bytes of a frequency list file into the list: the three header fields, then one entry
// per line through AddEntry. Throws CommandFailure for binary data (a NUL byte) and for a file
// that ends before the header and one further line; the entries read so far stay.
void ReadFrequencyList(FrequencyList& list, std::string_view bytes,
                       const LoadListener& listener = {});

// The line naming a skipped entry line, e.g. "line 7: duplicate frequency 174.00000 MHz was not
// added".
std::string SkippedLineText(const SkippedLine& skipped);

} // namespace spurline
