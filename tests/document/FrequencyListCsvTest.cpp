// CSV import and export: numbers, texts a list file could not hold, and the round trips.

#include "document/FrequencyListCsv.h"

#include "document/ErrorReport.h"
#include "document/FrequencyListFile.h"
#include "document/FrequencyListReader.h"
#include "engine/SiteBuilder.h"
#include "support/ScriptedMessageBox.h"

#include <cmath>
#include <gtest/gtest.h>

namespace spurline {
namespace {

const std::string Heading = std::string(CsvListHeading) + "\r\n";

std::vector<std::string> Texts(const std::vector<CsvRejectedLine>& lines) {
    std::vector<std::string> texts;
    for (const CsvRejectedLine& line : lines) {
        texts.push_back(CsvRejectedLineText(line));
    }
    return texts;
}

// An exponent is read exactly, never cut to its mantissa: -4e+05 kHz is -400000 kHz, not -4.
TEST(FrequencyListCsv, NumbersWithAnExponentReadExactly) {
    struct Case {
        const char* line;
        double offsetFrequency; // MHz
        const char* en[3];      // frequency, offset, Tx bandwidth as listed
        const char* de[3];
    };
    const Case cases[] = {
        {"1000,-400000,10,Tx,Exist,,x",
         600,
         {"  1,000.00000", "-400,000.00", "10.00"},
         {"  1.000,00000", "-400.000,00", "10,00"}},
        {"1200,0,100000,Tx,Exist,,y",
         1200,
         {"  1,200.00000", "0", "100,000.00"},
         {"  1.200,00000", "0", "100.000,00"}},
        {"4e2,-4E+05,1.25e1,Tx,Plan,,z",
         0,
         {"    400.00000", "-400,000.00", "12.50"},
         {"    400,00000", "-400.000,00", "12,50"}},
        {" +1.5E3 ,25e-1,0.5e+2,Tx,Plan,,",
         1500.0025,
         {"  1,500.00000", "+2.50", "50.00"},
         {"  1.500,00000", "+2,50", "50,00"}},
    };
    for (const bool german : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.line) + (german ? " de" : " en"));
            testing::ScriptedMessageBox box;
            FrequencyList list(german ? Locale::German() : Locale::English());
            EXPECT_TRUE(ReadFrequencyListCsv(list, Heading + c.line + "\r\n").empty());
            ASSERT_EQ(list.count(), 1);
            EXPECT_DOUBLE_EQ(list.OffsetFrequency(0), c.offsetFrequency);
            const auto& shown = german ? c.de : c.en;
            EXPECT_EQ(list.entry(0).texts[ColFrequency], std::string("  ") + shown[0]);
            EXPECT_EQ(list.entry(0).texts[ColOffset], shown[1]);
            EXPECT_EQ(list.entry(0).texts[ColTxBandwidth], shown[2]);
        }
    }
    // What is no number stays refused, exponent or not.
    testing::ScriptedMessageBox box;
    FrequencyList list(Locale::English());
    EXPECT_EQ(
        Texts(ReadFrequencyListCsv(list, Heading + "4e,0,1,Tx,Plan,,\r\n"
                                                   "450,1e5.5,1,Tx,Plan,,\r\n"
                                                   "451,0,e5,Tx,Plan,,\r\n"
                                                   "452,0,1e999,Tx,Plan,,\r\n"
                                                   "453,0,inf,Tx,Plan,,\r\n")),
        (std::vector<std::string>{"line 2: frequency \"4e\" is not a number above 0",
                                  "line 3: offset \"1e5.5\" is not a number",
                                  "line 4: Tx bandwidth \"e5\" is not a number of 0 or more",
                                  "line 5: Tx bandwidth \"1e999\" is not a number of 0 or more",
                                  "line 6: Tx bandwidth \"inf\" is not a number of 0 or more"}));
}

// Spurline -> CSV -> Spurline keeps large and small numbers in either convention, and the CSV
// holds plain decimals only.
TEST(FrequencyListCsv, ExportWritesPlainDecimalsThatImportBack) {
    for (const bool german : {false, true}) {
        SCOPED_TRACE(german ? "de" : "en");
        testing::ScriptedMessageBox box;
        const Locale locale = german ? Locale::German() : Locale::English();
        FrequencyList list(locale);
        testing::AddSiteEntry(list, 1000, -400000, 10, "Tx", "Exist", 0, "x");
        testing::AddSiteEntry(list, 1200, 0, 100000, "Both", "Plan", 2500000, "y");
        testing::AddSiteEntry(list, 0.00125, 0.5, 0.01, "Rx", "Exist", 0.01);
        const std::string csv = WriteFrequencyListCsv(list);
        EXPECT_EQ(csv, Heading + "1000,-400000,10,Tx,Exist,,x\r\n"
                                 "1200,0,100000,Both,Plan,2500000,y\r\n"
                                 "0.00125,0.5,,Rx,Exist,0.01,\r\n");
        FrequencyList back(locale);
        EXPECT_TRUE(ReadFrequencyListCsv(back, csv).empty());
        ASSERT_EQ(back.count(), list.count());
        for (int row = 0; row < list.count(); ++row) {
            EXPECT_EQ(back.entry(row).texts, list.entry(row).texts);
            EXPECT_EQ(back.OffsetFrequency(row), list.OffsetFrequency(row));
        }
    }
    // A tiny negative offset shows as "-0.00"; it goes out as 0, without a sign that would make
    // the next export differ.
    testing::ScriptedMessageBox box;
    FrequencyList tiny(Locale::English());
    ASSERT_TRUE(tiny.AddEntry({"2000", "-0.00004", "1", "Tx", "Plan", "", ""}));
    EXPECT_EQ(tiny.entry(0).offset(), "-0.00");
    EXPECT_EQ(WriteFrequencyListCsv(tiny), Heading + "2000,0,1,Tx,Plan,,\r\n");
}

// NUL bytes and other control characters are no text: a list file holding them would not load.
// Level columns travel with the entries; a list without them keeps the seven columns, and an
// old file without them imports with every value absent.
TEST(FrequencyListCsv, LevelColumnsRoundTripInBothConventions) {
    const std::string levelHeading = std::string(CsvListHeading) +
                                     ",Tx power (W),Sensitivity (dBm),IM rejection (dB),"
                                     "Tx isolation (dB),Rx isolation (dB)\r\n";
    const std::string rows = "450,0,25,Both,Exist,25,,12.5,-117.5,67,25,0\r\n"
                             "451,0,25,Tx,Plan,,,,,,,\r\n"
                             "452,0,,Rx,Plan,12.5,,,-110,,,35.25\r\n";
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        SCOPED_TRACE(locale.decimalSeparator);
        testing::ScriptedMessageBox box;
        FrequencyList list(locale);
        EXPECT_TRUE(ReadFrequencyListCsv(list, levelHeading + rows).empty());
        ASSERT_EQ(list.count(), 3);
        EXPECT_EQ(list.entry(0).levels, (EntryLevels{12.5, -117.5, 67, 25, 0}));
        EXPECT_TRUE(list.entry(1).levels.empty());
        EXPECT_EQ(list.entry(2).levels, (EntryLevels{{}, -110, {}, {}, 35.25}));
        EXPECT_EQ(WriteFrequencyListCsv(list), levelHeading + rows);

        FrequencyList old(locale);
        EXPECT_TRUE(ReadFrequencyListCsv(old, Heading + "450,0,25,Both,Exist,25,x\r\n").empty());
        ASSERT_EQ(old.count(), 1);
        EXPECT_TRUE(old.entry(0).levels.empty());
        EXPECT_EQ(WriteFrequencyListCsv(old), Heading + "450,0,25,Both,Exist,25,x\r\n");
    }
    // "-0" dB is 0 dB: no sign is kept that a saved file would lose.
    FrequencyList signedZero(Locale::English());
    EXPECT_TRUE(ReadFrequencyListCsv(signedZero, levelHeading + "450,0,25,Tx,Plan,,,,,,-0,-0.0\r\n")
                    .empty());
    ASSERT_EQ(signedZero.count(), 1);
    EXPECT_FALSE(std::signbit(*signedZero.entry(0).levels.txExtraDb));
    EXPECT_FALSE(std::signbit(*signedZero.entry(0).levels.rxExtraDb));
}

TEST(FrequencyListCsv, LinesWithControlCharactersAreRefused) {
    testing::ScriptedMessageBox box;
    FrequencyList list(Locale::English());
    const std::string text = Heading + "450,0,1,Tx,Plan,,a" + std::string(1, '\0') + "b\r\n" +
                             "451,0,1,Tx,Plan,,\"\x01\"\r\n"
                             "452,0,1\x1b,Tx,Plan,,\r\n"
                             "453,0,1,Tx,Plan,,del\x7f\r\n"
                             "454,0,1,Tx,Plan,,\"tab\there\"\r\n";
    EXPECT_EQ(Texts(ReadFrequencyListCsv(list, text)),
              (std::vector<std::string>{"line 2: binary data (control character 0x00)",
                                        "line 3: binary data (control character 0x01)",
                                        "line 4: binary data (control character 0x1B)",
                                        "line 5: binary data (control character 0x7F)"}));
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).remarks(), "tab here");
    // What was taken saves to a file that loads.
    FrequencyList loaded(Locale::English());
    ReadFrequencyList(loaded, WriteFrequencyListText(list, "D"));
    EXPECT_EQ(loaded.count(), 1);
}

// A UTF-16 file is named as such once, not refused line by line with its NUL bytes.
TEST(FrequencyListCsv, Utf16FilesAreRefusedAsAWhole) {
    const auto utf16 = [](const std::string& ascii, bool bigEndian) {
        std::string bytes;
        for (const char c : ascii) {
            bytes += bigEndian ? std::string(1, '\0') + c : std::string(1, c) + '\0';
        }
        return bytes;
    };
    const std::string csv = Heading + "450,0,1,Tx,Plan,,\r\n";
    const std::string cases[] = {"\xFF\xFE" + utf16(csv, false), "\xFE\xFF" + utf16(csv, true),
                                 utf16(csv, false), utf16(csv, true)};
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.substr(0, 4));
        testing::ScriptedMessageBox box;
        FrequencyList list(Locale::English());
        try {
            ReadFrequencyListCsv(list, bytes);
            ADD_FAILURE() << "read";
        } catch (const CommandFailure& failure) {
            EXPECT_EQ(FormatErrorReport(failure),
                      "Error: 321 description: Invalid file format: UTF-16 text, save the CSV "
                      "file as UTF-8 at line: import/check");
        }
        EXPECT_EQ(list.count(), 0);
    }
}

// A remark takes the list file's field separator as little as a typed one does; each line that
// lost it is named.
// A file saved without the heading row loses no entry; any other first row is the heading.
TEST(FrequencyListCsv, TheFirstRowIsTheHeadingOnlyWhenItIsNoEntry) {
    struct Case {
        std::string text;
        int entries;
        std::vector<std::string> rejected;
    };
    const Case cases[] = {
        {"450.125,0,25,Tx,Exist,,first\r\n451,0,25,Tx,Exist,,second\r\n", 2, {}},
        {"Freq,Offset\r\n451,0,25,Tx,Exist,,second\r\n", 1, {}},
        {Heading + "451,0,25,Tx,Exist,,x\r\n452,0,25,Sends,Exist,,y\r\n",
         1,
         {"line 3: Tx/Rx \"Sends\" is not Tx, Rx or Both"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        testing::ScriptedMessageBox box;
        FrequencyList list(Locale::English());
        EXPECT_EQ(Texts(ReadFrequencyListCsv(list, c.text)), c.rejected);
        EXPECT_EQ(list.count(), c.entries);
    }
}

TEST(FrequencyListCsv, TheFieldSeparatorLeavesImportedRemarks) {
    const std::string text = Heading + "450,0,1,Tx,Plan,,\"Mast, north; roof\"\r\n"
                                       "450,0,1,Tx,Plan,,\"again, duplicate\"\r\n"
                                       "451,0,1,Tx,Plan,,plain\r\n";
    struct Case {
        Locale locale;
        const char* remark;
        std::vector<std::string> changed;
    };
    const Case cases[] = {
        {Locale::English(), "Mast north; roof", {"line 2: \",\" removed from the remarks"}},
        {Locale::German(), "Mast, north roof", {"line 2: \";\" removed from the remarks"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remark);
        testing::ScriptedMessageBox box;
        FrequencyList list(c.locale);
        std::vector<CsvRejectedLine> changed;
        EXPECT_EQ(ReadFrequencyListCsv(list, text, &changed).size(), 1U);
        EXPECT_EQ(Texts(changed), c.changed);
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.entry(0).remarks(), c.remark);
        // The saved file reads back with seven fields and the same remark.
        FrequencyList loaded(c.locale);
        ReadFrequencyList(loaded, WriteFrequencyListText(list, "D"));
        ASSERT_EQ(loaded.count(), 2);
        EXPECT_EQ(loaded.entry(0).texts, list.entry(0).texts);
    }
}

} // namespace
} // namespace spurline
