#include "document/NumberFormat.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <span>

namespace spurline {
namespace {

const Locale english = Locale::English();
const Locale german = Locale::German();

// Each value as the pattern shows it in the locale.
using Shown = std::pair<double, const char*>;
void ExpectShown(std::string_view pattern, const Locale& locale, std::span<const Shown> shown) {
    for (const auto& [value, text] : shown)
        EXPECT_EQ(FormatNumber(value, pattern, locale), text) << value << " as " << pattern;
}

TEST(ParseNumber, AcceptsTheLocalesOwnNumbers) {
    // Grouping is lax: separators anywhere after the first digit.
    const std::pair<const char*, double> en[] = {
        {"174", 174.0},        {"  174.00000  ", 174.0},
        {"+4,600.00", 4600.0}, {"-100.00", -100.0},
        {".5", 0.5},           {"1,234,567.125", 1234567.125},
        {"-.5", -0.5},         {"5.", 5.0},
        {"1,2,3", 123.0},      {"12,5", 125.0}};
    const std::pair<const char*, double> de[] = {{"+4.600,00", 4600.0}, {"   174,00000", 174.0},
                                                 {"12,5", 12.5},        {"1.234,5", 1234.5},
                                                 {",25", 0.25},         {"1.2.3", 123.0}};
    for (const auto& [text, value] : en)
        EXPECT_EQ(ParseNumber(text, english), value) << text;
    for (const auto& [text, value] : de)
        EXPECT_EQ(ParseNumber(text, german), value) << text;
}

TEST(ParseNumber, RejectsWhatIsNotWhollyANumber) {
    for (const char* text : {"", "   ", "N/A", "-", "+", ".", "1-2", "--5", "+-5", "5-", "12.5kHz",
                             "1e5", "$5", ",5", "-,5", "1.2.3", "1 2", "0x10", "5 .5"}) {
        EXPECT_FALSE(ParseNumber(text, english).has_value()) << '"' << text << '"';
    }
    // In a decimal-comma locale the point groups and the comma is the decimal separator.
    EXPECT_FALSE(ParseNumber("1,2,3", german).has_value());
    EXPECT_FALSE(ParseNumber(".5", german).has_value());
    // Too large for a double is not a number.
    EXPECT_FALSE(ParseNumber(std::string(400, '9'), english).has_value());
    // Separators of several bytes.
    Locale french;
    french.decimalSeparator = ",";
    french.groupSeparator = "\u202F"; // narrow no-break space
    EXPECT_EQ(ParseNumber("1\u202F234,5", french), 1234.5);
    EXPECT_EQ(ParseNumber("-12\u202F345\u202F678,25", french), -12345678.25);
    EXPECT_FALSE(ParseNumber("\u202F1", french).has_value());
    EXPECT_FALSE(ParseNumber("1\xE2\x80", french).has_value()); // cut separator
}

TEST(FormatNumber, FrequenciesInBothLocales) {
    const Shown en[] = {{174, "174.00000"},      {145.312505, "145.31251"},
                        {1234.5, "1,234.50000"}, {99999.999999, "100,000.00000"},
                        {0.000004, "0.00000"},   {0.000005, "0.00001"}};
    const Shown de[] = {{1234.5, "1.234,50000"}, {1234567.1, "1.234.567,10000"}, {0, "0,00000"}};
    ExpectShown(patterns::Frequency, english, en);
    ExpectShown(patterns::Frequency, german, de);
}

TEST(FormatNumber, RoundsTheShortestDecimalFormHalvesAwayFromZero) {
    const Shown bandwidths[] = {{2.675, "2.68"},    {0.125, "0.13"},  {1.005, "1.01"},
                                {0.124999, "0.12"}, {9.995, "10.00"}, {999.995, "1,000.00"},
                                {-2.675, "-2.68"}};
    ExpectShown(patterns::Bandwidth, english, bandwidths);
    EXPECT_EQ(FormatNumber(2.675, patterns::Bandwidth, german), "2,68");
    const Shown whole[] = {{0.5, "1"}, {-0.5, "-1"}, {2.5, "3"}};
    ExpectShown("0", english, whole);
    EXPECT_EQ(FormatNumber(0.1 + 0.2, "0.000000000000000", english), "0.300000000000000");
}

TEST(FormatNumber, OffsetSections) {
    // The section follows the value's sign, not its rounded display.
    const Shown en[] = {{4600, "+4,600.00"}, {-100, "-100.00"}, {0, "0"},         {12.5, "+12.50"},
                        {-12.5, "-12.50"},   {0.001, "+0.00"},  {-0.001, "-0.00"}};
    const Shown de[] = {{4600, "+4.600,00"}, {-4600, "-4.600,00"}, {-0.0, "0"}, {-12.5, "-12,50"}};
    for (const auto pattern : {patterns::Offset, patterns::DialogOffset}) {
        ExpectShown(pattern, english, en);
        ExpectShown(pattern, german, de);
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
    // An empty negative section leaves negatives to the first, with a minus.
    EXPECT_EQ(FormatNumber(-3, "0.0;;zero", english), "-3.0");
    // Optional places and literals.
    EXPECT_EQ(FormatNumber(0.5, "#.##", english), ".5");
    EXPECT_EQ(FormatNumber(2, "0.0#", german), "2,0");
    EXPECT_EQ(FormatNumber(2.25, "0.0# kHz", german), "2,25 kHz");
    EXPECT_EQ(FormatNumber(7, "000", english), "007");
    EXPECT_EQ(FormatNumber(12345, "#", english), "12345");
}

TEST(FormatNumber, ExtremeValues) {
    const double max = std::numeric_limits<double>::max(),
                 inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatNumber(1e9, patterns::Frequency, english), "1,000,000,000.00000");
    EXPECT_EQ(FormatNumber(1e15, patterns::Bandwidth, english), "1,000,000,000,000,000.00");
    const Shown whole[] = {{123456789012345.0, "123456789012345"},
                           {-1e20, "-100000000000000000000"}};
    ExpectShown("0", english, whole);
    EXPECT_EQ(FormatNumber(1e-300, patterns::Bandwidth, english), "0.00");
    EXPECT_EQ(FormatNumber(-1e-300, patterns::Offset, english), "-0.00");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::denorm_min(), "0.00", english), "0.00");
    const std::string huge = FormatNumber(max, "0", english);
    EXPECT_EQ(huge.substr(0, 15) + std::to_string(huge.size()), "179769313486232309");
    const Shown special[] = {{std::nan(""), "NaN"}, {inf, "Infinity"}, {-inf, "-Infinity"}};
    ExpectShown("0.00", english, special);
}

TEST(FormatNumberText, ParsesFirstAndLeavesOtherTextsAlone) {
    // Numbers typed into the list and the dialog are pinned in both locales by their tests.
    EXPECT_EQ(FormatNumberText(" 1,234.5 ", patterns::Frequency, english), "1,234.50000");
    EXPECT_EQ(FormatNumberText("N/A", patterns::Bandwidth, english), "N/A");
    EXPECT_EQ(FormatNumberText("", patterns::Bandwidth, english), "");
    EXPECT_EQ(FormatNumberText("  ", patterns::Bandwidth, english), "  ");
    // A point-decimal text in a comma locale is read with the comma locale's rules.
    EXPECT_EQ(FormatNumberText("12.5", patterns::Bandwidth, german), "125,00");
}

TEST(FormatDate, LastSavedPattern) {
    // December in both locales is pinned by the saved files.
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
