#include "document/TextHelpers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace spurline {
namespace {

const Locale english = Locale::English();
const Locale german = Locale::German();

TEST(LeadingNumber, ReadsTheNumberADisplayTextBeginsWith) {
    EXPECT_EQ(LeadingNumber("      174.00000", english), 174.0);
    EXPECT_EQ(LeadingNumber("      174,00000", german), 174.0);
    EXPECT_EQ(LeadingNumber("+4,600.00", english), 4600.0);
    EXPECT_EQ(LeadingNumber("+4.600,00", german), 4600.0);
    EXPECT_EQ(LeadingNumber("-100.00", english), -100.0);
    EXPECT_EQ(LeadingNumber("12.5kHz", english), 12.5);
    EXPECT_EQ(LeadingNumber("12,5 kHz", german), 12.5);
    EXPECT_EQ(LeadingNumber("1,234,567.5 MHz", english), 1234567.5);
    // The same text means other things in the two locales.
    EXPECT_EQ(LeadingNumber("12,5", english), 125.0);
    EXPECT_EQ(LeadingNumber("12.5", german), 125.0);
    // Zero without a number.
    for (const Locale& locale : {english, german}) {
        for (const char* text : {"", "N/A", "-", "1-2", "   ", "MHz 174"})
            EXPECT_EQ(LeadingNumber(text, locale), 0.0) << text;
    }
    // The prefix must be wholly a number: "5 5" is not.
    EXPECT_EQ(LeadingNumber("5 5 kHz", english), 0.0);
}

TEST(LeadingNumber, TakesALocalesNoBreakSpaceGroupingAndItsDecimalComma) {
    Locale french;
    french.decimalSeparator = ",";
    french.groupSeparator = "\u00A0";
    EXPECT_EQ(LeadingNumber("  1\u00A0234,56789", french), 1234.56789);
    EXPECT_EQ(LeadingNumber("+4\u00A0600,00 kHz", french), 4600.0);
    EXPECT_TRUE(UsesDecimalComma(french) && UsesDecimalComma(german));
    // The decimal separator decides, not the grouping mark.
    Locale swiss = english;
    swiss.groupSeparator = "'";
    EXPECT_FALSE(UsesDecimalComma(swiss) || UsesDecimalComma(english));
}

TEST(PadLeft, RightAlignsTheTrimmedTextCountingCharactersNotBytes) {
    EXPECT_EQ(PadLeft("7", 2, ' '), " 7");
    EXPECT_EQ(PadLeft("12", 2, ' '), "12");
    EXPECT_EQ(PadLeft("123", 2, ' '), "123");
    EXPECT_EQ(PadLeft(" 5 ", 3, '*'), "**5");
    EXPECT_EQ(PadLeft("174.00000", 15, ' '), "      174.00000");
    EXPECT_EQ(PadLeft("  12345 ", 5, ' '), "12345");
    EXPECT_EQ(PadLeft("", 3, '0'), "000");
    EXPECT_EQ(PadLeft("abc", 0, ' '), "abc");
    EXPECT_EQ(PadLeft("abc", -4, ' '), "abc");
    // A no-break space grouping (three bytes) is one character of the width.
    EXPECT_EQ(PadLeft("1\u202F234,50000", 15, ' '), "    1\u202F234,50000");
    EXPECT_EQ(PadLeft("S\u00E4gewerk", 10, ' '), "  S\u00E4gewerk");
    // A longer text is never cut.
    EXPECT_EQ(PadLeft("Fl\u00FC\u00DFe", 3, ' '), "Fl\u00FC\u00DFe");
    EXPECT_EQ(PadLeft("\u20AC\u20AC\u20AC", 2, ' '), "\u20AC\u20AC\u20AC");
    EXPECT_EQ(PadLeft("\u20AC", 1, ' '), "\u20AC");
}

TEST(FileNameFromPath, TakesThePartAfterTheLastSeparator) {
    const std::pair<const char*, const char*> names[] = {
        {"C:\\a\\b.frq", "b.frq"},
        {"/home/u/site.frq", "site.frq"},
        {"/home/u/ North Ridge.frq ", "North Ridge.frq"},
        {"C:/mixed\\dir/x.frq", "x.frq"},
        {"  site.frq  ", "site.frq"},
        {"/home/u/", ""},
        {"", ""}};
    for (const auto& [path, name] : names)
        EXPECT_EQ(FileNameFromPath(path), name) << path;
}

TEST(CommandLineFile, OneArgumentIsTheFileUncheckedOfSeveralTheFirstThatExists) {
    const auto nothingExists = [](const std::string&) { return false; };
    EXPECT_EQ(CommandLineFile({}, nothingExists), "");
    EXPECT_EQ(CommandLineFile({"/home/u/sites/north.frq"}, nothingExists),
              "/home/u/sites/north.frq");
    EXPECT_EQ(CommandLineFile({"  \"C:\\Sites\\North Ridge.frq\"  "}, nothingExists),
              "C:\\Sites\\North Ridge.frq");
    EXPECT_EQ(CommandLineFile({"\"\""}, nothingExists), "");
    // Of several arguments, the first existing file.
    std::set<std::string> existing{"/data/b.frq", "/data/c.frq"};
    std::vector<std::string> asked;
    const auto exists = [&](const std::string& path) {
        asked.push_back(path);
        return existing.count(path) > 0;
    };
    EXPECT_EQ(
        CommandLineFile({"--geometry", "/data/a.frq", " \"/data/b.frq\" ", "/data/c.frq"}, exists),
        "/data/b.frq");
    EXPECT_EQ(asked, (std::vector<std::string>{"--geometry", "/data/a.frq", "/data/b.frq"}));
    asked.clear();
    EXPECT_EQ(CommandLineFile({"", "  ", "\"\"", "/data/c.frq"}, exists), "/data/c.frq");
    EXPECT_EQ(asked, std::vector<std::string>{"/data/c.frq"});
    EXPECT_EQ(CommandLineFile({"/data/a.frq", "/data/d.frq"}, exists), "");
    EXPECT_EQ(CommandLineFile({"/data/a.frq", "/data/b.frq"}, nullptr), "");
}

TEST(MinOfMaxOf, PickTheSmallerAndTheLarger) {
    EXPECT_EQ(MinOf(1.5, 2.5), 1.5);
    EXPECT_EQ(MinOf(2.5, 1.5), 1.5);
    EXPECT_EQ(MaxOf(1.5, 2.5), 2.5);
    EXPECT_EQ(MaxOf(2.5, 1.5), 2.5);
    // With equal values the first argument is the answer: -0 and +0 tell which.
    EXPECT_TRUE(std::signbit(MinOf(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(MaxOf(0.0, -0.0)));
}

TEST(TextHelpers, TrimRemoveReplaceAndCompare) {
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("\tx "), "\tx");
    EXPECT_EQ(RemoveAll("St. Mary's, roof", ","), "St. Mary's roof");
    EXPECT_EQ(RemoveAll("a;b;;c", ";"), "abc");
    EXPECT_EQ(RemoveAll("abc", ""), "abc");
    EXPECT_EQ(ReplaceAll("12.5 kHz", ".", ","), "12,5 kHz");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("x", "x", "xx"), "xx");
    EXPECT_EQ(ReplaceAll("abc", "", "-"), "abc");
    EXPECT_TRUE(EqualsIgnoringCase("Tx", "TX"));
    EXPECT_TRUE(EqualsIgnoringCase("plan", "Plan"));
    EXPECT_FALSE(EqualsIgnoringCase("Rx", "Tx"));
    EXPECT_FALSE(EqualsIgnoringCase("Both", "Bot"));
    EXPECT_TRUE(EqualsIgnoringCase("", ""));
    EXPECT_TRUE(EqualsIgnoringCase("AZ@[", "az@["));
    EXPECT_FALSE(EqualsIgnoringCase("@[", "`{"));
    // Views into longer texts compare their own characters only.
    EXPECT_TRUE(EqualsIgnoringCase(std::string_view("ExistX", 5), std::string_view("EXISTy", 5)));
}

} // namespace
} // namespace spurline
