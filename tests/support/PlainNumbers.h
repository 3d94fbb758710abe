#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace spurline::testing {

// Numbers as test texts with a '.' for the point, whatever the C locale: printf, std::to_string
// and std::stod follow it and write or read "0,5" under a German one.
inline std::string Fixed(double value, int decimals) {
    char text[400];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, written.ptr);
}

// The number a text begins with; 0 when it begins with none.
inline double LeadingPlainNumber(std::string_view text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace spurline::testing
