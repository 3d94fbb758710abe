#pragma once

#include "document/FrequencyList.h"
#include "document/NumberFormat.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace spurline {

// The frequency list file (.frq): site name, last saved, comment, then one line of seven fields
// per entry, each field followed by the separator (";" in decimal-comma locales, "," otherwise),
// CR LF line ends.

// The file's text (UTF-8, before encoding) for the document, with lastSaved as line 2.
std::string WriteFrequencyListText(const FrequencyList& list, const std::string& lastSaved);

// ";" or ",": whichever occurs last in the text; ";" when neither occurs.
char DetectSeparator(std::string_view text);

// Splits decoded file text into lines ending in CR LF, LF or CR.
std::vector<std::string> SplitLines(std::string_view text);

// Reads decoded file text line by line (ends CR LF, LF or CR) without copying it; a line end at
// the very end of the text does not start another line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    // The next line without its line end; call only when not AtEnd().
    std::string_view Next();

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The seven fields of an entry line (missing fields empty); the seventh, the remark, runs to the
// line's last separator, so it may hold the separator itself.
std::array<std::string, 7> SplitEntryFields(std::string_view line, char separator);

// Converts one numeric field from the file's notation to the reader's.
std::string ConvertNumericField(std::string_view field, char fileSeparator, const Locale& reader);

// Converts the seven fields: the numeric ones (frequency, offset, both bandwidths) by
// ConvertNumericField; Tx/Rx, status and remarks stay as written.
std::array<std::string, 7> ConvertEntryFields(std::array<std::string, 7> fields, char fileSeparator,
                                              const Locale& reader);

} // namespace spurline
