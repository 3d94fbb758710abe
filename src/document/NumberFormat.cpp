#include "document/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

namespace spurline {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool StartsWithAt(std::string_view text, std::size_t pos, std::string_view what) {
    return !what.empty() && text.substr(pos, what.size()) == what;
}

// One section of a display pattern, taken apart around its digit placeholders.
struct Section {
    std::string prefix; // literal text before the number
    std::string suffix; // literal text after the number
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
    bool hasNumber = false; // false: the section is literal text only
};

Section ParseSection(std::string_view text) {
    Section section;
    // The number runs from the first placeholder (or a leading decimal point) to the last
    // placeholder; everything outside it is literal.
    const auto first = text.find_first_of("0#.");
    const auto last = text.find_last_of("0#");
    if (first == std::string_view::npos || last == std::string_view::npos || last < first) {
        section.prefix = std::string(text);
        return section;
    }
    section.hasNumber = true;
    section.prefix = std::string(text.substr(0, first));
    section.suffix = std::string(text.substr(last + 1));
    bool afterPoint = false;
    std::string inside; // literals among the placeholders go after the number
    for (std::size_t i = first; i <= last; ++i) {
        const char c = text[i];
        if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (c == ',') {
            if (!afterPoint) {
                section.grouping = true;
            }
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++section.maxDecimals;
                if (c == '0') {
                    section.minDecimals = section.maxDecimals;
                }
            } else if (c == '0') {
                ++section.minIntegerDigits;
            }
        } else {
            inside += c;
        }
    }
    section.suffix = inside + section.suffix;
    return section;
}

std::vector<std::string_view> SplitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    while (sections.size() < 3) {
        const auto end = pattern.find(';', start);
        if (end == std::string_view::npos) {
            sections.push_back(pattern.substr(start));
            break;
        }
        sections.push_back(pattern.substr(start, end - start));
        start = end + 1;
    }
    return sections;
}

// The magnitude of a finite value as decimal digits: its shortest form with at most 15
// significant digits, so that 2.675 is 2.675 and not 2.67499999999999982236431605997495353221893.
struct DecimalDigits {
    std::string integer;  // no leading zeros; empty for values below 1
    std::string fraction; // no trailing zeros
};

DecimalDigits ToDecimalDigits(double magnitude) {
    DecimalDigits result;
    if (magnitude == 0) {
        return result;
    }
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    if (error != std::errc()) {
        return result;
    }
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (IsDigit(c)) {
            digits += c;
        }
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const long integerDigits = static_cast<long>(exponent) + 1;
    const long count = static_cast<long>(digits.size());
    if (integerDigits <= 0) {
        result.fraction = std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (integerDigits >= count) {
        result.integer = digits + std::string(static_cast<std::size_t>(integerDigits - count), '0');
    } else {
        result.integer = digits.substr(0, static_cast<std::size_t>(integerDigits));
        result.fraction = digits.substr(static_cast<std::size_t>(integerDigits));
    }
    return result;
}

// Rounds to a number of decimals on the decimal text itself, halves away from zero.
void RoundDecimals(DecimalDigits& number, int decimals) {
    const auto keep = static_cast<std::size_t>(decimals);
    if (number.fraction.size() <= keep) {
        return;
    }
    const bool up = number.fraction[keep] >= '5';
    number.fraction.resize(keep);
    if (!up) {
        return;
    }
    std::string all = number.integer + number.fraction;
    int i = static_cast<int>(all.size()) - 1;
    for (; i >= 0; --i) {
        if (all[static_cast<std::size_t>(i)] == '9') {
            all[static_cast<std::size_t>(i)] = '0';
        } else {
            ++all[static_cast<std::size_t>(i)];
            break;
        }
    }
    if (i < 0) {
        all.insert(all.begin(), '1');
    }
    const std::size_t integerSize = all.size() - keep;
    number.integer = all.substr(0, integerSize);
    number.fraction = all.substr(integerSize);
}

bool AllZeros(const DecimalDigits& number) {
    return number.integer.find_first_not_of('0') == std::string::npos &&
           number.fraction.find_first_not_of('0') == std::string::npos;
}

std::string Group(const std::string& digits, const std::string& separator) {
    std::string result;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            result += separator;
        }
        result += digits[i];
    }
    return result;
}

struct Formatted {
    std::string text;
    bool allZeros = true;
};

Formatted FormatMagnitude(double magnitude, const Section& section, const Locale& locale) {
    Formatted result;
    if (!section.hasNumber) {
        result.text = section.prefix;
        return result;
    }
    DecimalDigits number = ToDecimalDigits(magnitude);
    RoundDecimals(number, section.maxDecimals);
    result.allZeros = AllZeros(number);

    const auto firstSignificant = number.integer.find_first_not_of('0');
    std::string integer = firstSignificant == std::string::npos
                              ? std::string()
                              : number.integer.substr(firstSignificant);
    if (static_cast<int>(integer.size()) < section.minIntegerDigits) {
        integer.insert(0, static_cast<std::size_t>(section.minIntegerDigits) - integer.size(), '0');
    }
    if (section.grouping) {
        integer = Group(integer, locale.groupSeparator);
    }
    std::string fraction = number.fraction;
    fraction.resize(static_cast<std::size_t>(section.maxDecimals), '0');
    while (static_cast<int>(fraction.size()) > section.minDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }

    result.text = section.prefix + integer;
    if (!fraction.empty()) {
        result.text += locale.decimalSeparator + fraction;
    }
    result.text += section.suffix;
    return result;
}

} // namespace

std::optional<double> ParseNumber(std::string_view text, const Locale& locale) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    std::string clean; // the number in the form from_chars reads
    std::size_t pos = 0;
    if (text[0] == '+' || text[0] == '-') {
        if (text[0] == '-') {
            clean += '-';
        }
        pos = 1;
    }
    int digits = 0;
    // Integer digits; grouping separators anywhere after the first digit, as lax as the
    // classic parsers that users type into.
    while (pos < text.size()) {
        if (IsDigit(text[pos])) {
            clean += text[pos];
            ++digits;
            ++pos;
        } else if (StartsWithAt(text, pos, locale.decimalSeparator)) {
            break;
        } else if (digits > 0 && StartsWithAt(text, pos, locale.groupSeparator)) {
            pos += locale.groupSeparator.size();
        } else {
            break;
        }
    }
    if (pos < text.size() && StartsWithAt(text, pos, locale.decimalSeparator)) {
        pos += locale.decimalSeparator.size();
        clean += '.';
        while (pos < text.size() && IsDigit(text[pos])) {
            clean += text[pos];
            ++digits;
            ++pos;
        }
    }
    if (pos != text.size() || digits == 0) {
        return std::nullopt;
    }
    if (clean.back() == '.') {
        clean.pop_back();
    }
    // ".5" has no integer digit, which from_chars does not take.
    const std::size_t signSize = clean[0] == '-' ? 1 : 0;
    if (clean[signSize] == '.') {
        clean.insert(signSize, "0");
    }
    double value = 0;
    const auto [end, error] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (error != std::errc() || end != clean.data() + clean.size()) {
        return std::nullopt;
    }
    return value;
}

std::string FixedText(double value) {
    if (value == 0) {
        value = 0; // no "-0": zero has no sign to keep
    }
    // The longest is a subnormal's: "-0.", 307 zeros and 17 digits.
    char buffer[400];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, written.ptr);
}

std::string FormatNumber(double value, std::string_view pattern, const Locale& locale) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    const auto sections = SplitSections(pattern);
    const Section positive = ParseSection(sections[0]);
    if (value == 0 && sections.size() >= 3 && !sections[2].empty()) {
        return FormatMagnitude(0, ParseSection(sections[2]), locale).text;
    }
    if (value < 0 && sections.size() >= 2 && !sections[1].empty()) {
        // The negative section carries its own sign.
        return FormatMagnitude(-value, ParseSection(sections[1]), locale).text;
    }
    const Formatted formatted = FormatMagnitude(std::fabs(value), positive, locale);
    if (value < 0 && !formatted.allZeros) {
        return "-" + formatted.text;
    }
    return formatted.text;
}

std::string FormatNumberText(std::string_view text, std::string_view pattern,
                             const Locale& locale) {
    const auto value = ParseNumber(text, locale);
    if (!value) {
        return std::string(text);
    }
    return FormatNumber(*value, pattern, locale);
}

std::string FormatDate(const LocalDateTime& when, std::string_view pattern, const Locale& locale) {
    const auto twoDigits = [](int n) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%02d", n);
        return std::string(buffer);
    };
    std::string result;
    bool afterHour = false; // "mm" after "hh" is the minute
    std::size_t i = 0;
    while (i < pattern.size()) {
        const std::string_view rest = pattern.substr(i);
        if (rest.starts_with("yyyy")) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%04d", when.year);
            result += buffer;
            i += 4;
            afterHour = false;
        } else if (rest.starts_with("mmm")) {
            if (when.month >= 1 && when.month <= 12) {
                result += locale.monthAbbreviations[static_cast<std::size_t>(when.month - 1)];
            } else {
                result += twoDigits(when.month);
            }
            i += 3;
            afterHour = false;
        } else if (rest.starts_with("mm")) {
            result += twoDigits(afterHour ? when.minute : when.month);
            i += 2;
            afterHour = false;
        } else if (rest.starts_with("dd")) {
            result += twoDigits(when.day);
            i += 2;
            afterHour = false;
        } else if (rest.starts_with("hh")) {
            result += twoDigits(when.hour);
            i += 2;
            afterHour = true;
        } else if (rest.starts_with("ss")) {
            result += twoDigits(when.second);
            i += 2;
            afterHour = false;
        } else {
            result += pattern[i];
            ++i;
        }
    }
    return result;
}

} // namespace spurline
