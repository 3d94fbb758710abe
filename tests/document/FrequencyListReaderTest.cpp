#include "document/FrequencyListReader.h"

#include "document/FrequencyListFile.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(FrequencyListReader, SkippedLinesReachTheListenerAndTheListsOwnPath) {
    testing::ScriptedMessageBox box;
    FrequencyList list(Locale::English(), box);
    std::vector<std::string> own;
    list.entrySkipped = [&](SkipReason, const std::string& frequency) { own.push_back(frequency); };
    std::vector<std::string> lines;
    LoadListener listener;
    listener.lineSkipped = [&](const SkippedLine& s) { lines.push_back(SkippedLineText(s)); };
    ReadFrequencyList(
        list, "S\r\nD\r\nC\r\n174,0\r\n\r\n178.6\r\n174,4600\r\n178.6,0\r\n1,234.5\r\n", listener);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "line 7: duplicate frequency 174.00000 MHz was not added",
                         "line 8: duplicate frequency 178.60000 MHz was not added"}));
    EXPECT_EQ(own, (std::vector<std::string>{"174.00000", "178.60000"}));
    // The load puts the list's own listener back.
    ASSERT_TRUE(list.entrySkipped);
    list.AddEntry({"174", "0", "", "", "", "", ""});
    EXPECT_EQ(own.size(), 3u);
}

TEST(FrequencyListReader, NumberFieldsWithTheOtherSeparatorReadAsTheySave) {
    // A decimal-point file read with the decimal comma: ";" inside a number field is this list's
    // separator, which a save drops; the entry must read now as it will read back then.
    testing::ScriptedMessageBox box;
    FrequencyList first(Locale::German(), box);
    ReadFrequencyList(first, "S,\r\nD,\r\nC,\r\n174;5,0;1,25,Both,Exist,25,Mast; A,\r\n"
                             "174,5,25,Tx,Exist,,,\r\n");
    ASSERT_EQ(first.count(), 2);
    EXPECT_EQ(first.entry(0).frequency(), "    1.745,00000");
    EXPECT_EQ(first.entry(0).remarks(), "Mast; A");
    FrequencyList second(Locale::German(), box);
    ReadFrequencyList(second, WriteFrequencyListText(first, "D"));
    ASSERT_EQ(second.count(), 2);
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(second.entry(row).frequency(), first.entry(row).frequency());
        EXPECT_EQ(second.entry(row).offset(), first.entry(row).offset());
    }
}

} // namespace
} // namespace spurline
