#include "document/FrequencyListCsv.h"

#include "document/NumberFormat.h"
#include "document/TextEncoding.h"
#include "document/TextHelpers.h"
#include "output/ProductWriter.h"

#include <array>
#include <charconv>

namespace spurline {

namespace {

// Shortest decimal-point text of a number.
std::string PointText(double value) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

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

enum class Need { AboveZero, NotNegative, Any };

// The number of a field in the list's own convention, or the reason it is refused; an empty
// field is 0 except for the frequency.
bool NumberField(const std::string& field, const char* name, Need need, const Locale& locale,
                 std::string& text, std::string& reason) {
    const std::string trimmed = Trimmed(field);
    const std::optional<double> value = trimmed.empty() && need != Need::AboveZero
                                            ? std::optional<double>(0)
                                            : ParseNumber(trimmed, Locale::English());
    // A decimal point always: "1,5" is no number here, nor is a grouped "1,000".
    const bool good = value && trimmed.find(',') == std::string::npos &&
                      (need != Need::AboveZero || *value > 0) &&
                      (need != Need::NotNegative || *value >= 0);
    if (!good) {
        static const char* Wanted[] = {"a number above 0", "a number of 0 or more", "a number"};
        reason =
            std::string(name) + " \"" + trimmed + "\" is not " + Wanted[static_cast<int>(need)];
        return false;
    }
    text = PointText(*value);
    if (locale.decimalSeparator != ".") {
        const std::size_t point = text.find('.');
        if (point != std::string::npos) {
            text.replace(point, 1, locale.decimalSeparator);
        }
    }
    return true;
}

} // namespace

std::string WriteFrequencyListCsv(const FrequencyList& list) {
    std::string out = std::string(CsvListHeading) + "\r\n";
    const Locale& locale = list.locale();
    auto number = [&](const std::string& text) {
        return ParseNumber(Trimmed(text), locale).has_value() || LeadingNumber(text, locale) != 0
                   ? PointText(LeadingNumber(text, locale))
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
        out += "\r\n";
    }
    return out;
}

std::vector<CsvRejectedLine> ReadFrequencyListCsv(FrequencyList& list, std::string_view bytes) {
    const std::string text = DecodeFileText(bytes);
    std::vector<CsvRejectedLine> rejected;
    std::size_t pos = 0;
    int lines = 0;
    NextRecord(text, pos, lines); // the heading
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
        if (f.size() > 7) {
            reason = "more than 7 fields";
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
        if (!reason.empty()) {
            rejected.push_back({line, reason});
            continue;
        }
        fields[3] = role;
        fields[4] = status;
        // A remark is one line of the list file: line breaks and TABs become spaces.
        fields[6] = at(6);
        for (char& c : fields[6]) {
            c = c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
        }
        if (!list.AddEntry(fields)) {
            rejected.push_back(
                {line, "duplicate frequency " +
                           FormatNumberText(fields[0], patterns::Frequency, list.locale()) +
                           " MHz was not added"});
        }
    }
    return rejected;
}

std::string CsvRejectedLineText(const CsvRejectedLine& rejected) {
    return "line " + std::to_string(rejected.line) + ": " + rejected.reason;
}

} // namespace spurline
