#pragma once

#include <array>
#include <string>

namespace spurline {

// The user's number and date conventions, passed to every routine that formats or parses, so the
// core never reads the process locale and tests can run any convention side by side.
struct Locale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    std::array<std::string, 12> monthAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

    // Decimal point, comma grouping, English month names.
    static Locale English();
    // Decimal comma, point grouping, German month names.
    static Locale German();
};

} // namespace spurline
