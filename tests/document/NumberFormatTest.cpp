#include "document/NumberFormat.h"

#include <gtest/gtest.h>
#include <limits>

namespace spurline {
namespace {

const Locale english = Locale::English();
const Locale german = Locale::German();

TEST(ParseNumber, AcceptsTheLocalesOwnNumbers) {
    EXPECT_EQ(ParseNumber("174", english), 174.0);
    EXPECT_EQ(ParseNumber("  174.00000  ", english), 174.0);
    EXPECT_EQ(ParseNumber("+4,600.00", english), 4600.0);
    EXPECT_EQ(ParseNumber("-100.00", english), -100.0);
    EXPECT_EQ(ParseNumber("1,234,567.125", english), 1234567.125);
    EXPECT_EQ(ParseNumber(".5", english), 0.5);
    EXPECT_EQ(ParseNumber("-.5", english), -0.5);
    EXPECT_EQ(ParseNumber("5.", english), 5.0);
    // Lax grouping: separators anywhere after the first digit.
    EXPECT_EQ(ParseNumber("1,2,3", english), 123.0);
    EXPECT_EQ(ParseNumber("12,5", english), 125.0);
    EXPECT_EQ(ParseNumber("+4.600,00", german), 4600.0);
    EXPECT_EQ(ParseNumber("   174,00000", german), 174.0);
    EXPECT_EQ(ParseNumber("12,5", german), 12.5);
    EXPECT_EQ(ParseNumber("1.234,5", german), 1234.5);
    EXPECT_EQ(ParseNumber(",25", german), 0.25);
}

TEST(ParseNumber, RejectsWhatIsNotWhollyANumber) {
    for (const char* text : {"", "   ", "N/A", "-", "+", ".", "1-2", "--5", "+-5", "5-", "12.5kHz",
                             "1e5", "$5", ",5", "-,5", "1.2.3", "1 2", "0x10", "5 .5"}) {
        EXPECT_FALSE(ParseNumber(text, english).has_value()) << '"' << text << '"';
    }
    // In a decimal-comma locale the point groups and the comma is the decimal separator.
    EXPECT_FALSE(ParseNumber("1,2,3", german).has_value());
    EXPECT_FALSE(ParseNumber(".5", german).has_value());
    EXPECT_EQ(ParseNumber("1.2.3", german), 123.0);
    // Too large for a double is not a number.
    EXPECT_FALSE(ParseNumber(std::string(400, '9'), english).has_value());
}

TEST(ParseNumber, TakesSeparatorsOfSeveralBytes) {
    Locale french;
    french.decimalSeparator = ",";
    french.groupSeparator = "\u202F"; // narrow no-break space
    EXPECT_EQ(ParseNumber("1\u202F234,5", french), 1234.5);
    EXPECT_EQ(ParseNumber("-12\u202F345\u202F678,25", french), -12345678.25);
    EXPECT_FALSE(ParseNumber("\u202F1", french).has_value());
    EXPECT_FALSE(ParseNumber("1\xE2\x80", french).has_value()); // cut separator
}

TEST(FormatNumber, FrequenciesInBothLocales) {
    const auto pattern = patterns::Frequency;
    EXPECT_EQ(FormatNumber(174, pattern, english), "174.00000");
    EXPECT_EQ(FormatNumber(145.312505, pattern, english), "145.31251");
    EXPECT_EQ(FormatNumber(1234.5, pattern, english), "1,234.50000");
    EXPECT_EQ(FormatNumber(1234.5, pattern, german), "1.234,50000");
    EXPECT_EQ(FormatNumber(99999.999999, pattern, english), "100,000.00000");
    EXPECT_EQ(FormatNumber(0.000004, pattern, english), "0.00000");
    EXPECT_EQ(FormatNumber(0.000005, pattern, english), "0.00001");
    EXPECT_EQ(FormatNumber(1234567.1, pattern, german), "1.234.567,10000");
    EXPECT_EQ(FormatNumber(0, pattern, german), "0,00000");
}

TEST(FormatNumber, RoundsTheShortestDecimalFormHalvesAwayFromZero) {
    EXPECT_EQ(FormatNumber(2.675, patterns::Bandwidth, english), "2.68");
    EXPECT_EQ(FormatNumber(2.675, patterns::Bandwidth, german), "2,68");
    EXPECT_EQ(FormatNumber(0.125, patterns::Bandwidth, english), "0.13");
    EXPECT_EQ(FormatNumber(1.005, patterns::Bandwidth, english), "1.01");
    EXPECT_EQ(FormatNumber(0.124999, patterns::Bandwidth, english), "0.12");
    EXPECT_EQ(FormatNumber(9.995, patterns::Bandwidth, english), "10.00");
    EXPECT_EQ(FormatNumber(999.995, patterns::Bandwidth, english), "1,000.00");
    EXPECT_EQ(FormatNumber(-2.675, patterns::Bandwidth, english), "-2.68");
    EXPECT_EQ(FormatNumber(0.5, "0", english), "1");
    EXPECT_EQ(FormatNumber(-0.5, "0", english), "-1");
    EXPECT_EQ(FormatNumber(2.5, "0", english), "3");
    EXPECT_EQ(FormatNumber(0.1 + 0.2, "0.000000000000000", english), "0.300000000000000");
}

TEST(FormatNumber, OffsetSections) {
    for (const auto pattern : {patterns::Offset, patterns::DialogOffset}) {
        EXPECT_EQ(FormatNumber(4600, pattern, english), "+4,600.00");
        EXPECT_EQ(FormatNumber(4600, pattern, german), "+4.600,00");
        EXPECT_EQ(FormatNumber(-100, pattern, english), "-100.00");
        EXPECT_EQ(FormatNumber(-4600, pattern, german), "-4.600,00");
        EXPECT_EQ(FormatNumber(0, pattern, english), "0");
        EXPECT_EQ(FormatNumber(-0.0, pattern, german), "0");
        EXPECT_EQ(FormatNumber(12.5, pattern, english), "+12.50");
        EXPECT_EQ(FormatNumber(-12.5, pattern, english), "-12.50");
        EXPECT_EQ(FormatNumber(-12.5, pattern, german), "-12,50");
        // The section follows the value's sign, not its rounded display.
        EXPECT_EQ(FormatNumber(0.001, pattern, english), "+0.00");
        EXPECT_EQ(FormatNumber(-0.001, pattern, english), "-0.00");
    }
}

TEST(FormatNumber, SingleSectionSignAndGroupingPosition) {
    EXPECT_EQ(FormatNumber(-1234.5, "#,##0.00", english), "-1,234.50");
    EXPECT_EQ(FormatNumber(-1234.5, "#,###0.00", english), "-1,234.50");
    EXPECT_EQ(FormatNumber(1234.5, "#,###0.00", german), "1.234,50");
    EXPECT_EQ(FormatNumber(1234.5, "0.00", english), "1234.50");
    // A negative value that rounds to zero shows no minus.
    EXPECT_EQ(FormatNumber(-0.004, "#,##0.00", english), "0.00");
    EXPECT_EQ(FormatNumber(-0.005, "#,##0.00", english), "-0.01");
    // Two sections: zero uses the first.
    EXPECT_EQ(FormatNumber(0, "+0.0;-0.0", english), "+0.0");
    EXPECT_EQ(FormatNumber(-3, "+0.0;(0.0)", english), "(3.0)");
    // Optional places and literals.
    EXPECT_EQ(FormatNumber(0.5, "#.##", english), ".5");
    EXPECT_EQ(FormatNumber(2, "0.0#", german), "2,0");
    EXPECT_EQ(FormatNumber(2.25, "0.0# kHz", german), "2,25 kHz");
    EXPECT_EQ(FormatNumber(7, "000", english), "007");
    EXPECT_EQ(FormatNumber(12345, "#", english), "12345");
}

TEST(FormatNumber, ExtremeValues) {
    EXPECT_EQ(FormatNumber(1e9, patterns::Frequency, english), "1,000,000,000.00000");
    EXPECT_EQ(FormatNumber(1e15, patterns::Bandwidth, english), "1,000,000,000,000,000.00");
    EXPECT_EQ(FormatNumber(123456789012345.0, "0", english), "123456789012345");
    EXPECT_EQ(FormatNumber(-1e20, "0", english), "-100000000000000000000");
    EXPECT_EQ(FormatNumber(1e-300, patterns::Bandwidth, english), "0.00");
    EXPECT_EQ(FormatNumber(-1e-300, patterns::Offset, english), "-0.00");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::denorm_min(), "0.00", english), "0.00");
    const std::string huge = FormatNumber(std::numeric_limits<double>::max(), "0", english);
    EXPECT_EQ(huge.size(), 309u);
    EXPECT_EQ(huge.substr(0, 15), "179769313486232");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "0.00", english), "NaN");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "0.00", english), "Infinity");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "0.00", english), "-Infinity");
}

TEST(FormatNumberText, ParsesFirstAndLeavesOtherTextsAlone) {
    EXPECT_EQ(FormatNumberText("174", patterns::Frequency, english), "174.00000");
    EXPECT_EQ(FormatNumberText(" 1,234.5 ", patterns::Frequency, english), "1,234.50000");
    EXPECT_EQ(FormatNumberText("1.234,5", patterns::Frequency, german), "1.234,50000");
    EXPECT_EQ(FormatNumberText("4600", patterns::Offset, german), "+4.600,00");
    EXPECT_EQ(FormatNumberText("-0", patterns::Offset, english), "0");
    EXPECT_EQ(FormatNumberText("174 MHz", patterns::Frequency, english), "174 MHz");
    EXPECT_EQ(FormatNumberText("N/A", patterns::Bandwidth, english), "N/A");
    EXPECT_EQ(FormatNumberText("", patterns::Bandwidth, english), "");
    EXPECT_EQ(FormatNumberText("  ", patterns::Bandwidth, english), "  ");
    // A point-decimal text in a comma locale is read with the comma locale's rules.
    EXPECT_EQ(FormatNumberText("12.5", patterns::Bandwidth, german), "125,00");
}

TEST(FormatDate, LastSavedPattern) {
    const LocalDateTime when{2026, 12, 5, 11, 54, 39};
    EXPECT_EQ(FormatDate(when, patterns::LastSaved, english), "05 Dec 2026 11:54:39");
    EXPECT_EQ(FormatDate(when, patterns::LastSaved, german), "05 Dez 2026 11:54:39");
    const LocalDateTime march{2024, 3, 31, 0, 5, 7};
    EXPECT_EQ(FormatDate(march, patterns::LastSaved, german), "31 Mrz 2024 00:05:07");
    EXPECT_EQ(FormatDate(march, patterns::LastSaved, english), "31 Mar 2024 00:05:07");
    // "mm" away from "hh" is the month.
    EXPECT_EQ(FormatDate(march, "dd.mm.yyyy", german), "31.03.2024");
    // A month out of range does not index past the names.
    EXPECT_EQ(FormatDate({2024, 13, 1, 0, 0, 0}, "mmm", english), "13");
    EXPECT_EQ(FormatDate({2024, 0, 1, 0, 0, 0}, "mmm", english), "00");
}

} // namespace
} // namespace spurline
