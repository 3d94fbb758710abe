#include "document/FrequencyListCsv.h"

#include "document/AtomicFile.h"
#include "engine/SiteBuilder.h"
#include "support/ScriptedMessageBox.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(FrequencyListCsv, ExportedListImportsBackFromDiskInEitherConvention) {
    testing::ScriptedMessageBox box;
    FrequencyList german(Locale::German(), box);
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
        FrequencyList back(locale, box);
        EXPECT_TRUE(ReadFrequencyListCsv(back, ReadWholeFile(path)).empty());
        ASSERT_EQ(back.count(), german.count());
        EXPECT_EQ(WriteFrequencyListCsv(back), csv);
    }
}

TEST(FrequencyListCsv, EveryLineNotTakenIsNamedWithItsNumber) {
    testing::ScriptedMessageBox box;
    FrequencyList list(Locale::English(), box);
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
                             "455,,,rx,plan,,\n";
    std::vector<std::string> lines;
    for (const CsvRejectedLine& r : ReadFrequencyListCsv(list, text)) {
        lines.push_back(CsvRejectedLineText(r));
    }
    const std::vector<std::string> expected = {
        "line 4: duplicate frequency 450.00000 MHz was not added",
        "line 6: more than 7 fields",
        "line 7: frequency \"abc\" is not a number above 0",
        "line 8: Tx bandwidth \"-1\" is not a number of 0 or more",
        "line 9: Tx/Rx \"Tx/Rx\" is not Tx, Rx or Both",
        "line 10: status \"Planned\" is not Plan or Exist",
        "line 11: more than 7 fields"};
    EXPECT_EQ(lines, expected);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(0).remarks(), "two lines");
    EXPECT_EQ(list.entry(1).texts[ColTxRx], "Rx");
    EXPECT_EQ(list.entry(1).texts[ColStatus], "Plan");
}

} // namespace
} // namespace spurline
