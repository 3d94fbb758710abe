#include "document/FrequencyListFile.h"

#include "document/AtomicFile.h"
#include "document/FrequencyListCsv.h"
#include "document/FrequencyListReader.h"
#include "document/TextHelpers.h"
#include "engine/SiteBuilder.h"
#include "support/ListEvents.h"
#include "support/ScriptedMessageBox.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

using Fields = std::array<std::string, 7>;

struct Document {
    explicit Document(Locale locale) : list(std::move(locale)) {}
    testing::ScriptedMessageBox box;
    FrequencyList list;
};

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
    // A decimal-comma locale that groups with a narrow no-break space (French).
    Locale french = Locale::German();
    french.groupSeparator = "\xE2\x80\xAF";
    Document f(french);
    ASSERT_TRUE(f.list.AddEntry({"1234,5", "4600", "12,5", "Both", "Exist", "12,5", ""}));
    EXPECT_NE(WriteFrequencyListText(f.list, "x").find("1234,50000;+4600,00;12,50;"),
              std::string::npos);
}

TEST(FrequencyListFile, SplitsIntoLinesEndingInCrLfLfOrCrAndIntoFields) {
    // The separator that comes last, or ";" without any.
    for (const auto& [text, separator] : std::initializer_list<std::pair<const char*, char>>{
             {"a,b;c", ';'}, {"a;b,c", ','}, {"174.5\r\n", ';'}, {"", ';'}, {"1,2,3", ','}}) {
        EXPECT_EQ(DetectSeparator(text), separator) << text;
    }
    using Lines = std::vector<std::string>;
    for (const auto& [text, lines] : std::initializer_list<std::pair<const char*, Lines>>{
             {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
             {"a\r\nb\r\nc\r\n", {"a", "b", "c"}},
             {"", {}},
             {"\r\n", {""}},
             {"a\n\r\nb", {"a", "", "b"}},
             {"a\r\r\nb\n\n", {"a", "", "b", ""}}}) {
        EXPECT_EQ(SplitLines(text), lines) << text;
    }
    // At most seven fields: the last takes the rest of the line.
    EXPECT_EQ(SplitEntryFields("1,2,3,4,5,6,7,8,9,", ','),
              (Fields{"1", "2", "3", "4", "5", "6", "7,8,9"}));
    EXPECT_EQ(SplitEntryFields("174.5", ';'), (Fields{"174.5", "", "", "", "", "", ""}));
    EXPECT_EQ(SplitEntryFields("a,,b", ','), (Fields{"a", "", "b", "", "", "", ""}));
    EXPECT_EQ(SplitEntryFields("", ','), (Fields{"", "", "", "", "", "", ""}));
    EXPECT_EQ(SplitEntryFields("1,5;2,5;", ';'), (Fields{"1,5", "2,5", "", "", "", "", ""}));
    EXPECT_EQ(SplitEntryFields("Site, name,", ',')[0], "Site");
}

// Which fields are converted is pinned by the cross-locale load of whole files.
TEST(FrequencyListFile, ConvertsNumericFieldsToTheReadersNotation) {
    const Locale en = Locale::English();
    const Locale de = Locale::German();
    // written with a decimal comma
    EXPECT_EQ(ConvertNumericField("1.234,50000", ';', en), "1234.50000");
    EXPECT_EQ(ConvertNumericField("1.234,50000", ';', de), "1234,50000");
    // written with a decimal point
    EXPECT_EQ(ConvertNumericField("      174.00000", ',', de), "      174,00000");
    EXPECT_EQ(ConvertNumericField("1,234.5", ',', de), "1234,5");
    EXPECT_EQ(ConvertNumericField("1,234.5", ',', en), "1234.5");
    EXPECT_EQ(ConvertNumericField("N/A", ',', de), "N/A");
}

TEST(FrequencyListReader, SkippedLinesReachTheListenerAndTheListsOwnPath) {
    testing::ScriptedMessageBox box;
    FrequencyList list(Locale::English());
    testing::ListEvents own(list);
    std::vector<std::string> lines;
    LoadListener listener;
    listener.lineSkipped = [&](const SkippedLine& s) { lines.push_back(SkippedLineText(s)); };
    ReadFrequencyList(
        list, "S\r\nD\r\nC\r\n174,0\r\n\r\n178.6\r\n174,4600\r\n178.6,0\r\n1,234.5\r\n0\r\n",
        listener);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "line 7: duplicate frequency 174.00000 MHz was not added",
                         "line 8: duplicate frequency 178.60000 MHz was not added",
                         "line 10: frequency 0.00000 MHz out of range was not added"}));
    EXPECT_EQ(own.skipped, (std::vector<std::string>{"174.00000", "178.60000", "0.00000"}));
    // The load's own listener goes with the load; the list's other observers stay.
    list.AddEntry({"174", "0", "", "", "", "", ""});
    EXPECT_EQ(own.skipped.size(), 4u);
    EXPECT_EQ(lines.size(), 3u);
}

TEST(FrequencyListReader, NumberFieldsWithTheOtherSeparatorReadAsTheySave) {
    // A decimal-point file read with the decimal comma: ";" inside a number field is this list's
    // separator, which a save drops; the entry must read now as it will read back then.
    testing::ScriptedMessageBox box;
    FrequencyList first(Locale::German());
    ReadFrequencyList(first, "S,\r\nD,\r\nC,\r\n174;5,0;1,25,Both,Exist,25,Mast; A,\r\n"
                             "174,5,25,Tx,Exist,,,\r\n");
    ASSERT_EQ(first.count(), 2);
    EXPECT_EQ(first.entry(0).frequency(), "    1.745,00000");
    EXPECT_EQ(first.entry(0).remarks(), "Mast; A");
    FrequencyList second(Locale::German());
    ReadFrequencyList(second, WriteFrequencyListText(first, "D"));
    ASSERT_EQ(second.count(), 2);
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(second.entry(row).frequency(), first.entry(row).frequency());
        EXPECT_EQ(second.entry(row).offset(), first.entry(row).offset());
    }
}

TEST(FrequencyListCsv, ExportedListImportsBackFromDiskInEitherConvention) {
    testing::ScriptedMessageBox box;
    FrequencyList german(Locale::German());
    testing::AddSiteEntry(german, 1450.125, -12.5, 25, "Tx", "Plan", 0, "Mast, \"north\"");
    testing::AddSiteEntry(german, 88.6, 0, 180, "Both", "Exist", 200);
    testing::AddSiteEntry(german, 174.0125, 5000, 0, "Rx", "Exist", 12.5, "Ü-Wagen");
    const std::string csv = WriteFrequencyListCsv(german);
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2, 53),
              "1450.125,-12.5,25,Tx,Plan,,\"Mast, \"\"north\"\"\"\r\n88.6,0,");
    testing::TemporaryFolder folder;
    const std::string path = (folder.path() / "site.csv").string();
    testing::WriteBytes(path, csv);
    for (const Locale& locale : {Locale::German(), Locale::English()}) {
        FrequencyList back(locale);
        std::vector<CsvRejectedLine> changed;
        EXPECT_TRUE(ReadFrequencyListCsv(back, ReadWholeFile(path), &changed).empty());
        ASSERT_EQ(back.count(), german.count());
        // The remark's comma is the decimal-point list file's separator, which no remark holds.
        const bool comma = UsesDecimalComma(locale);
        EXPECT_EQ(changed.size(), comma ? 0U : 1U);
        EXPECT_EQ(WriteFrequencyListCsv(back), comma ? csv : ReplaceAll(csv, "Mast, ", "Mast "));
    }
}

TEST(FrequencyListCsv, EveryLineNotTakenIsNamedWithItsNumber) {
    testing::ScriptedMessageBox box;
    FrequencyList list(Locale::English());
    const std::string text = "heading\n"
                             "450,0,25,Tx,Plan,,\"two\nlines\"\n"
                             "450,0,12.5,Rx,Exist,12.5,\n"
                             "\n"
                             "1,5,0,25,Tx,Plan,,\n"
                             "abc,0,25,Tx,Plan,,\n"
                             "451,0,-1,Tx,Plan,,\n"
                             "452,0,25,Tx/Rx,Plan,,\n"
                             "453,0,25,Tx,Planned,,\n"
                             "454,0,25,Tx,Plan,,x,y\n"
                             "455,,,rx,plan,,\n"
                             "abc\n"
                             "456,0,25,Tx,Plan,,,1,2,3,4,5,6\n"
                             "457,0,25,Tx,Plan,,,0\n"
                             "458,0,25,Both,Plan,,,,-1e7\n"
                             "459,0,25,Both,Plan,,,,,-3\n"
                             "460,0,25,Both,Plan,,,,,,,-0.5\n";
    std::vector<std::string> lines;
    for (const CsvRejectedLine& r : ReadFrequencyListCsv(list, text))
        lines.push_back(CsvRejectedLineText(r));
    const std::vector<std::string> expected = {
        "line 4: duplicate frequency 450.00000 MHz was not added",
        "line 6: Rx bandwidth \"Plan\" is not a number of 0 or more",
        "line 7: frequency \"abc\" is not a number above 0",
        "line 8: Tx bandwidth \"-1\" is not a number of 0 or more",
        "line 9: Tx/Rx \"Tx/Rx\" is not Tx, Rx or Both",
        "line 10: status \"Planned\" is not Plan or Exist",
        "line 11: Tx power (W) \"y\" is not a number above 0",
        "line 13: frequency \"abc\" is not a number above 0",
        "line 14: more than 12 fields",
        "line 15: Tx power (W) \"0\" is not a number above 0",
        "line 16: Sensitivity (dBm) \"-1e7\" is not a number",
        "line 17: IM rejection (dB) \"-3\" is not a number of 0 or more",
        "line 18: Rx isolation (dB) \"-0.5\" is not a number of 0 or more"};
    EXPECT_EQ(lines, expected);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(0).remarks(), "two lines");
    EXPECT_EQ(list.entry(1).texts[ColTxRx], "Rx");
    EXPECT_EQ(list.entry(1).texts[ColStatus], "Plan");
}

} // namespace
} // namespace spurline
