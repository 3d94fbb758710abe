#include "document/FrequencyListFile.h"

#include "document/TextHelpers.h"

namespace spurline {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A line break inside any text would start a new line of the file; it becomes a blank.
std::string OnOneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the LF that follows becomes the one blank
        out += c == '\r' || c == '\n' ? ' ' : c;
    }
    return out;
}

// The header lines end at their first separator and the fields before the remark at the next
// one, so a separator there could not be read back; it is dropped. The remark needs no such
// care: it runs to the line's last separator.
std::string SafeFieldText(std::string_view text, char separator) {
    return RemoveAll(OnOneLine(text), std::string(1, separator));
}

// A number loses its digit grouping so that the reader's conversion cannot mistake a grouping
// mark for the decimal separator.
std::string WithoutGrouping(std::string_view text, const Locale& locale) {
    if (!ParseNumber(text, locale))
        return std::string(text);
    // Besides the locale's own mark, the marks either convention groups with.
    const std::string& group = locale.groupSeparator;
    if (UsesDecimalComma(locale))
        return RemoveAll(RemoveAll(RemoveAll(text, "."), " "), group);
    std::string out = RemoveAll(text, ",");
    // The leading blanks are the frequency's padding, not grouping.
    const std::size_t digits = out.find_first_not_of(' ');
    if (digits != std::string::npos)
        out = out.substr(0, digits) + RemoveAll(std::string_view(out).substr(digits), group);
    return out;
}

} // namespace

std::string WriteFrequencyListText(const FrequencyList& list, const std::string& lastSaved) {
    const char separator = list.FieldSeparator();
    const Locale& locale = list.locale();
    std::string text;
    for (const std::string* header : {&list.siteName(), &lastSaved, &list.comment()}) {
        text += SafeFieldText(*header, separator);
        text += kLineEnd;
    }
    for (const FrequencyEntry& entry : list.entries()) {
        for (int column = ColFrequency; column < ColRemarks; ++column) {
            text += SafeFieldText(WithoutGrouping(entry.texts[column], locale), separator);
            text += separator;
        }
        // Written as typed: a remark is text, even when it looks like a number.
        text += OnOneLine(entry.texts[ColRemarks]);
        text += separator;
        text += kLineEnd;
    }
    return text;
}

char DetectSeparator(std::string_view text) {
    const std::size_t semicolon = text.rfind(';');
    const std::size_t comma = text.rfind(',');
    if (comma != std::string_view::npos &&
        (semicolon == std::string_view::npos || comma > semicolon))
        return ',';
    return ';';
}

std::string_view LineReader::Next() {
    const std::size_t start = pos_;
    const std::size_t end = text_.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
        pos_ = text_.size();
        return text_.substr(start);
    }
    pos_ = end + 1;
    if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
    return text_.substr(start, end - start);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    LineReader reader(text);
    while (!reader.AtEnd())
        lines.emplace_back(reader.Next());
    return lines;
}

std::array<std::string, 7> SplitEntryFields(std::string_view line, char separator) {
    std::array<std::string, 7> fields;
    // The line is read as if a separator followed it, so its last text is a field too.
    std::size_t position = 0;
    for (std::size_t k = 0; k < fields.size() && position <= line.size(); ++k) {
        // The remark, the last field, runs to the line's last separator and may hold separators.
        std::size_t next =
            k + 1 < fields.size() ? line.find(separator, position) : line.rfind(separator);
        if (next == std::string_view::npos || next < position)
            next = line.size();
        fields[k] = std::string(line.substr(position, next - position));
        position = next + 1;
    }
    return fields;
}

std::string ConvertNumericField(std::string_view field, char fileSeparator, const Locale& reader) {
    const bool readerComma = UsesDecimalComma(reader);
    if (fileSeparator == ';') {
        // written with a decimal comma
        if (readerComma)
            return RemoveAll(field, ".");
        return ReplaceAll(RemoveAll(field, "."), ",", ".");
    }
    // written with a decimal point
    if (readerComma)
        return ReplaceAll(RemoveAll(field, ","), ".", ",");
    return RemoveAll(field, ",");
}

std::array<std::string, 7> ConvertEntryFields(std::array<std::string, 7> fields, char fileSeparator,
                                              const Locale& reader) {
    for (const int numeric : {0, 1, 2, 5})
        fields[numeric] = ConvertNumericField(fields[numeric], fileSeparator, reader);
    return fields;
}

} // namespace spurline
