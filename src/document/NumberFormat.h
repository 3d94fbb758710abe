#pragma once

#include "document/Locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace spurline {

// Display patterns of the frequency list and its file.
namespace patterns {
inline constexpr std::string_view Frequency = "#,###,##0.00000";          // MHz
inline constexpr std::string_view Offset = "+#,##0.00;-#,###0.00;0";      // kHz, list
inline constexpr std::string_view DialogOffset = "+#,##0.00;-#,##0.00;0"; // kHz, add/edit dialog
inline constexpr std::string_view Bandwidth = "#,##0.00";                 // kHz
inline constexpr std::string_view LastSaved = "dd mmm yyyy hh:mm:ss";
} // namespace patterns

// Reads a whole text as a number with the locale's rules: blanks around it, one leading sign,
// grouping separators between integer digits and the decimal separator are allowed.
// Returns nothing when the text is not a number.
std::optional<double> ParseNumber(std::string_view text, const Locale& locale);

// The shortest plain decimal that reads back to the same value: a point, never an exponent
// (-400000, not -4e+05), zero without a sign, whatever the process locale. The form of numbers
// in machine text.
std::string FixedText(double value);

// Formats a value with a display pattern: up to three sections (positive;negative;zero),
// "0" and "#" digit placeholders, "," grouping, "." decimal separator, other characters literal.
// Decimals are rounded from the value's shortest decimal form (at most 15 significant digits),
// halves away from zero, so 2.675 with two decimals shows as 2.68.
std::string FormatNumber(double value, std::string_view pattern, const Locale& locale);

// As FormatNumber for a text: a text that is a number is formatted, any other text (an empty
// one included) is returned unchanged.
std::string FormatNumberText(std::string_view text, std::string_view pattern, const Locale& locale);

struct LocalDateTime {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0;
};

// Formats a date with "dd", "mmm" (the locale's abbreviated month), "yyyy", "hh", "mm", "ss";
// other characters are copied.
std::string FormatDate(const LocalDateTime& when, std::string_view pattern, const Locale& locale);

} // namespace spurline
