#include "document/FrequencyListFile.h"

#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

using Fields = std::array<std::string, 7>;

struct Document {
    explicit Document(Locale locale) : list(std::move(locale), box) {}
    testing::ScriptedMessageBox box;
    FrequencyList list;
};

TEST(FrequencyListFile, WritesEveryLineInTheDecimalPointLocale) {
    Document d(Locale::English());
    d.list.SetSiteName("North Ridge");
    d.list.SetComment("Hill top, mast 2"); // the comma is filtered out as it is typed
    ASSERT_TRUE(d.list.AddEntry({"174", "4600", "12.5", "Both", "Exist", "12.5", "Mast A"}));
    ASSERT_TRUE(d.list.AddEntry({"1234.5", "-100", "25", "Tx", "Plan", "", "12345"}));
    ASSERT_TRUE(d.list.AddEntry({"150.0125", "0", "", "Rx", "Exist", "6.25", "St. Mary's"}));

    EXPECT_EQ(WriteFrequencyListText(d.list, "05 Dec 2026 11:54:39"),
              "North Ridge\r\n"
              "05 Dec 2026 11:54:39\r\n"
              "Hill top mast 2\r\n"
              "      174.00000,+4600.00,12.50,Both,Exist,12.50,Mast A,\r\n"
              "    1234.50000,-100.00,25.00,Tx,Plan,N/A,12345,\r\n"
              "      150.01250,0,N/A,Rx,Exist,6.25,St. Mary's,\r\n");
}

TEST(FrequencyListFile, WritesEveryLineInTheDecimalCommaLocale) {
    Document d(Locale::German());
    d.list.SetSiteName("S\xC3\xA4gewerk; Nord"); // the semicolon is filtered out
    d.list.SetComment("Dach, Ost");
    ASSERT_TRUE(d.list.AddEntry({"174", "4600", "12,5", "Both", "Exist", "12,5", "Mast A"}));
    ASSERT_TRUE(d.list.AddEntry({"1234,5", "-1200", "25", "Tx", "Plan", "", "1.234"}));
    ASSERT_TRUE(d.list.AddEntry({"150", "0", "", "Rx", "Exist", "6,25", "St. Mary's, roof"}));

    EXPECT_EQ(WriteFrequencyListText(d.list, "05 Dez 2026 11:54:39"),
              "S\xC3\xA4gewerk Nord\r\n"
              "05 Dez 2026 11:54:39\r\n"
              "Dach, Ost\r\n"
              "174,00000;+4600,00;12,50;Both;Exist;12,50;Mast A;\r\n"
              "1234,50000;-1200,00;25,00;Tx;Plan;N/A;1.234;\r\n"
              "150,00000;0;N/A;Rx;Exist;6,25;St. Mary's, roof;\r\n");
}

TEST(FrequencyListFile, WriterKeepsTheLayoutWhateverTheTexts) {
    // Remarks that came from a file of another locale may hold this locale's separator, and a
    // comment may hold line breaks; neither may break the lines or fields of the file.
    Document d(Locale::German());
    d.list.SetComment("first\r\nsecond\nthird");
    ASSERT_TRUE(d.list.AddEntry({"174", "0", "1", "Both", "Exist", "1", "Ch. 5; roof\r\nleft"}));
    EXPECT_EQ(WriteFrequencyListText(d.list, "x"),
              "\r\nx\r\nfirst second third\r\n"
              "174,00000;0;1,00;Both;Exist;1,00;Ch. 5; roof left;\r\n");

    // Another grouping character than the usual one is removed too, but not the padding.
    Locale swiss = Locale::English();
    swiss.groupSeparator = "'";
    Document s(swiss);
    ASSERT_TRUE(s.list.AddEntry({"1234.5", "4600", "12.5", "Both", "Exist", "12.5", ""}));
    EXPECT_EQ(s.list.entry(0).frequency(), "    1'234.50000");
    EXPECT_EQ(WriteFrequencyListText(s.list, "x"),
              "\r\nx\r\n\r\n    1234.50000,+4600.00,12.50,Both,Exist,12.50,,\r\n");
}

TEST(FrequencyListFile, SeparatorDetectionAndLinesEndingInCrLfLfOrCr) {
    // The separator that comes last, or ";" without any.
    for (const auto& [text, separator] : std::initializer_list<std::pair<const char*, char>>{
             {"a,b;c", ';'}, {"a;b,c", ','}, {"174.5\r\n", ';'}, {"", ';'}, {"1,2,3", ','}}) {
        EXPECT_EQ(DetectSeparator(text), separator) << text;
    }
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\nb\r\nc\r\n"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\r\nb\r\nc\r\nx"), (std::vector<std::string>{"a", "b", "c", "x"}));
    EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
    EXPECT_EQ(SplitLines("\r\n"), std::vector<std::string>{""});
    EXPECT_EQ(SplitLines("a\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\r\nb\n\n"), (std::vector<std::string>{"a", "", "b", ""}));

    LineReader reader("one\rtwo");
    ASSERT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.Next(), "one");
    ASSERT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.Next(), "two");
    EXPECT_TRUE(reader.AtEnd());
}

TEST(FrequencyListFile, SplitsAtMostSevenFields) {
    EXPECT_EQ(SplitEntryFields("1,2,3,4,5,6,7,8,9,", ','),
              (Fields{"1", "2", "3", "4", "5", "6", "7,8,9"}));
    EXPECT_EQ(SplitEntryFields("174.5", ';'), (Fields{"174.5", "", "", "", "", "", ""}));
    EXPECT_EQ(SplitEntryFields("a,,b", ','), (Fields{"a", "", "b", "", "", "", ""}));
    EXPECT_EQ(SplitEntryFields("", ','), (Fields{"", "", "", "", "", "", ""}));
    EXPECT_EQ(SplitEntryFields("1,5;2,5;", ';'), (Fields{"1,5", "2,5", "", "", "", "", ""}));
    EXPECT_EQ(SplitEntryFields("Site, name,", ',')[0], "Site");
}

TEST(FrequencyListFile, ConvertsNumericFieldsToTheReadersNotation) {
    const Locale en = Locale::English();
    const Locale de = Locale::German();
    // written with a decimal comma
    EXPECT_EQ(ConvertNumericField("1.234,50000", ';', en), "1234.50000");
    EXPECT_EQ(ConvertNumericField("+4600,00", ';', en), "+4600.00");
    EXPECT_EQ(ConvertNumericField("1.234,50000", ';', de), "1234,50000");
    EXPECT_EQ(ConvertNumericField("12,50", ';', de), "12,50");
    // written with a decimal point
    EXPECT_EQ(ConvertNumericField("      174.00000", ',', de), "      174,00000");
    EXPECT_EQ(ConvertNumericField("1,234.5", ',', de), "1234,5");
    EXPECT_EQ(ConvertNumericField("1,234.5", ',', en), "1234.5");
    EXPECT_EQ(ConvertNumericField("      174.00000", ',', en), "      174.00000");
    EXPECT_EQ(ConvertNumericField("N/A", ',', de), "N/A");

    // Only frequency, offset and the bandwidths are converted.
    EXPECT_EQ(
        ConvertEntryFields(
            {"174,5", "+4600,00", "12,50", "Both", "Exist", "6,25", "St. Mary's, roof"}, ';', en),
        (Fields{"174.5", "+4600.00", "12.50", "Both", "Exist", "6.25", "St. Mary's, roof"}));
    EXPECT_EQ(ConvertEntryFields({"174.5", "-100.00", "N/A", "Rx", "Plan", "6.25", "Ch. 5; a.b"},
                                 ',', de),
              (Fields{"174,5", "-100,00", "N/A", "Rx", "Plan", "6,25", "Ch. 5; a.b"}));
}

} // namespace
} // namespace spurline
