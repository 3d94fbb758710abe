#include "document/FrequencyListCsv.h"

#include "document/ErrorReport.h"
#include "document/NumberFormat.h"
#include "document/QuotedText.h"
#include "document/TextEncoding.h"
#include "document/TextHelpers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace spurline {

namespace {

constexpr std::size_t ListFieldCount = 7;

// One RFC 4180 record from text at pos (advanced past it); counts the line ends it crosses.
std::vector<std::string> NextRecord(std::string_view text, std::size_t& pos, int& lines) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (quoted) {
            if (c == '"' && pos < text.size() && text[pos] == '"') {
                fields.back() += '"';
                ++pos;
            } else if (c == '"') {
                quoted = false;
            } else {
                lines += c == '\n' ? 1 : 0;
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            ++lines;
            break;
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number as a spreadsheet writes it: a sign, digits with a decimal point, and an exponent
// ("4e5", "-4E+05") read exactly, never cut to its mantissa. No grouping: "1,000" is no number.
std::optional<double> CsvNumber(std::string_view text) {
    std::string clean;
    std::size_t pos = 0;
    const auto digits = [&] {
        const std::size_t start = pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            ++pos;
        }
        return text.substr(start, pos - start);
    };
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        clean += text[pos] == '-' ? "-" : "";
        ++pos;
    }
    const std::string_view whole = digits();
    std::string_view fraction;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fraction = digits();
    }
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    // from_chars wants an integer digit and no "+".
    clean += whole.empty() ? std::string_view("0") : whole;
    if (!fraction.empty()) {
        clean += '.';
        clean += fraction;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        clean += 'e';
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            clean += text[pos++];
        }
        const std::string_view exponent = digits();
        if (exponent.empty()) {
            return std::nullopt;
        }
        clean += exponent;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (pos != text.size() || error != std::errc() || end != clean.data() + clean.size()) {
        return std::nullopt;
    }
    return value;
}

enum class Need { AboveZero, NotNegative, Any };

// The number of a field in the list's own convention, or the reason it is refused; an empty
// field is 0 except for the frequency.
bool NumberField(const std::string& field, const char* name, Need need, const Locale& locale,
                 std::string& text, std::string& reason) {
    const std::string trimmed = Trimmed(field);
    const std::optional<double> value =
        trimmed.empty() && need != Need::AboveZero ? std::optional<double>(0) : CsvNumber(trimmed);
    const bool good = value && (need != Need::AboveZero || *value > 0) &&
                      (need != Need::NotNegative || *value >= 0);
    if (!good) {
        static const char* Wanted[] = {"a number above 0", "a number of 0 or more", "a number"};
        reason =
            std::string(name) + " \"" + trimmed + "\" is not " + Wanted[static_cast<int>(need)];
        return false;
    }
    // Handed on in plain decimals: the list reads a number's text only up to an exponent.
    text = FixedText(*value);
    if (locale.decimalSeparator != ".") {
        const std::size_t point = text.find('.');
        if (point != std::string::npos) {
            text.replace(point, 1, locale.decimalSeparator);
        }
    }
    return true;
}

// A control character other than TAB and the line ends is binary data, as a NUL byte is to the
// list file's loader; the first one found.
std::optional<unsigned char> ControlCharacter(const std::vector<std::string>& fields) {
    for (const std::string& field : fields) {
        for (const char c : field) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F) {
                return byte;
            }
        }
    }
    return std::nullopt;
}

// UTF-16 text, as spreadsheets save "Unicode text": a byte order mark, or mostly characters
// that are one ASCII byte and a NUL.
bool IsUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return true;
    }
    const std::size_t pairs = std::min<std::size_t>(bytes.size() / 2, 1024);
    std::size_t halfNul = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        halfNul += (bytes[2 * i] == '\0') != (bytes[2 * i + 1] == '\0') ? 1 : 0;
    }
    return pairs > 0 && halfNul * 2 >= pairs;
}

std::string HexByte(unsigned char byte) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    return std::string("0x") + Digits[byte >> 4] + Digits[byte & 0xF];
}

// The optional level columns after the remarks: empty is absent; the reason when refused.
bool LevelFields(const std::vector<std::string>& f, EntryLevels& levels, std::string& reason) {
    for (int k = 0; k < LevelFieldCount; ++k) {
        const std::size_t at = ListFieldCount + static_cast<std::size_t>(k);
        const std::string trimmed = at < f.size() ? Trimmed(f[at]) : std::string();
        if (trimmed.empty()) {
            continue;
        }
        const std::optional<double> value = CsvNumber(trimmed);
        if (!value || !LevelValueAllowed(k, *value)) {
            reason = std::string(LevelFieldCaptions[static_cast<std::size_t>(k)]) + " \"" +
                     trimmed + "\" is not " + LevelValueWanted(k);
            return false;
        }
        // + 0.0 turns "-0" into 0, which a saved file writes without a sign.
        LevelValue(levels, k) = *value + 0.0;
    }
    return true;
}

} // namespace

std::string WriteFrequencyListCsv(const FrequencyList& list) {
    // Without level values the list keeps the seven columns that other programs know.
    const bool levels = std::any_of(list.entries().begin(), list.entries().end(),
                                    [](const FrequencyEntry& e) { return !e.levels.empty(); });
    std::string out = CsvListHeading;
    if (levels) {
        for (const char* caption : LevelFieldCaptions) {
            out += std::string(",") + caption;
        }
    }
    out += "\r\n";
    const Locale& locale = list.locale();
    auto number = [&](const std::string& text) {
        return ParseNumber(Trimmed(text), locale).has_value() || LeadingNumber(text, locale) != 0
                   ? FixedText(LeadingNumber(text, locale))
                   : std::string();
    };
    for (const FrequencyEntry& e : list.entries()) {
        const std::array<std::string, 7> cells{number(e.texts[ColFrequency]),
                                               number(e.texts[ColOffset]),
                                               number(e.texts[ColTxBandwidth]),
                                               e.texts[ColTxRx],
                                               e.texts[ColStatus],
                                               number(e.texts[ColRxBandwidth]),
                                               e.texts[ColRemarks]};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            out += (c > 0 ? "," : "") + CsvField(cells[c]);
        }
        for (int k = 0; levels && k < LevelFieldCount; ++k) {
            const std::optional<double>& value = LevelValue(e.levels, k);
            out += "," + (value ? FixedText(*value) : std::string());
        }
        out += "\r\n";
    }
    return out;
}

std::vector<CsvRejectedLine> ReadFrequencyListCsv(FrequencyList& list, std::string_view bytes,
                                                  std::vector<CsvRejectedLine>* changed) {
    // Read line by line, UTF-16 would be refused line after line for its NUL bytes.
    if (IsUtf16(bytes)) {
        throw CommandFailure(errors::InvalidFileFormat,
                             "Invalid file format: UTF-16 text, save the CSV file as UTF-8",
                             "import/check");
    }
    const std::string text = DecodeFileText(bytes);
    const std::string separator(1, list.FieldSeparator());
    std::vector<CsvRejectedLine> rejected;
    std::size_t pos = 0;
    int lines = 0;
    // A spreadsheet saved without the heading row starts with an entry, which must not be lost:
    // a first row is the heading only when its frequency field is no number.
    std::size_t afterFirst = 0;
    int firstLines = 0;
    const std::vector<std::string> first = NextRecord(text, afterFirst, firstLines);
    if (!ParseNumber(Trimmed(first[0]), Locale::English())) {
        pos = afterFirst;
        lines = firstLines;
    }
    while (pos < text.size()) {
        const int line = lines + 1;
        const std::vector<std::string> f = NextRecord(text, pos, lines);
        if (f.size() == 1 && Trimmed(f[0]).empty()) {
            continue; // a blank line is no entry
        }
        std::array<std::string, 7> fields;
        std::string reason;
        const std::string role = f.size() > 3 ? Trimmed(f[3]) : "";
        const std::string status = f.size() > 4 ? Trimmed(f[4]) : "";
        auto at = [&](std::size_t k) { return k < f.size() ? f[k] : std::string(); };
        if (const std::optional<unsigned char> control = ControlCharacter(f)) {
            reason = "binary data (control character " + HexByte(*control) + ")";
        } else if (f.size() > ListFieldCount + LevelFieldCount) {
            reason = "more than 12 fields";
        } else if (!NumberField(at(0), "frequency", Need::AboveZero, list.locale(), fields[0],
                                reason) ||
                   !NumberField(at(1), "offset", Need::Any, list.locale(), fields[1], reason) ||
                   !NumberField(at(2), "Tx bandwidth", Need::NotNegative, list.locale(), fields[2],
                                reason) ||
                   !NumberField(at(5), "Rx bandwidth", Need::NotNegative, list.locale(), fields[5],
                                reason)) {
        } else if (!EqualsIgnoringCase(role, "Tx") && !EqualsIgnoringCase(role, "Rx") &&
                   !EqualsIgnoringCase(role, "Both")) {
            reason = "Tx/Rx \"" + role + "\" is not Tx, Rx or Both";
        } else if (!EqualsIgnoringCase(status, "Plan") && !EqualsIgnoringCase(status, "Exist")) {
            reason = "status \"" + status + "\" is not Plan or Exist";
        }
        EntryLevels levels;
        if (reason.empty()) {
            LevelFields(f, levels, reason);
        }
        if (!reason.empty()) {
            rejected.push_back({line, reason});
            continue;
        }
        fields[3] = role;
        fields[4] = status;
        // A remark is one line of the list file: line breaks and TABs become spaces. It loses
        // the file's field separator as a typed remark does.
        std::string remark = at(6);
        for (char& c : remark) {
            c = c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
        }
        fields[6] = RemoveFieldSeparator(remark, 0, list.locale()).text;
        if (!list.AddEntry(fields)) {
            rejected.push_back(
                {line, "duplicate frequency " +
                           FormatNumberText(fields[0], patterns::Frequency, list.locale()) +
                           " MHz was not added"});
        } else {
            if (!levels.empty()) {
                list.SetEntryLevels(list.count() - 1, levels);
            }
            if (changed != nullptr && fields[6] != remark) {
                changed->push_back({line, "\"" + separator + "\" removed from the remarks"});
            }
        }
    }
    return rejected;
}

std::string CsvRejectedLineText(const CsvRejectedLine& rejected) {
    return "line " + std::to_string(rejected.line) + ": " + rejected.reason;
}

} // namespace spurline
