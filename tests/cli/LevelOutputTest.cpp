// spurline-calc --levels: the values it reads, and the levels and margins in every output.

#include "CalcRun.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace spurline::cli {
namespace {

using testing::TemporaryFolder;
using testing::WriteBytes;

struct Output {
    int status;
    std::string out, err;
};

Output Calc(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int status = RunCalc(arguments, Locale::English(), out, err);
    return {status, out.str(), err.str()};
}

// Two transmitters (10 W of their own, 1 W from --tx-power) and a receiver at 2 f1 - f2 with
// -110 dBm and 10 dB Rx isolation; 40.5 dB between antennas. By hand: P1 = 40 - 40.5 - 10 =
// -10.5, P2 = 30 - 40.5 - 10 = -20.5, IIP = -110 + 105 = -5, level = -21 - 20.5 + 10 = -31.5,
// margin 78.5.
const char* const Site = "Frequency (MHz),Offset (kHz),Tx bandwidth (kHz),Tx/Rx,Status,"
                         "Rx bandwidth (kHz),Remarks,Tx power (W),Sensitivity (dBm),"
                         "IM rejection (dB),Tx isolation (dB),Rx isolation (dB)\r\n"
                         "450,0,0,Tx,Exist,,,10,,,,\r\n"
                         "450.1,0,0,Tx,Exist,,,,,,,\r\n"
                         "449.9,0,,Rx,Plan,12.5,,,-110,,,10\r\n";

TEST(LevelOutput, LevelsAndMarginsInEveryFormatAndLocale) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.csv");
    WriteBytes(path, Site);
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> expected; // texts the output holds
    };
    const std::vector<std::string> common{path,  "--orders", "3",          "--harmonics",
                                          "off", "--three",  "off",        "--filter",
                                          "all", "--levels", "--tx-power", "1"};
    const Case cases[] = {
        {{"--locale", "en", "--isolation", "40.5", "--format", "json"},
         {"\"affects\": [{\"entry\": 3, \"status\": \"Plan\", \"level_dbm\": -31.50, "
          "\"margin_db\": 78.50}]",
          "\"levels\": {\"txPowerW\": 1, \"sensitivityDbm\": -116, \"imRejectionDb\": 70, "
          "\"isolationDb\": 40.5, \"harmonicAttenuationDb\": 70, \"txExtraDb\": 0, "
          "\"rxExtraDb\": 0}",
          "\"receivers\": [\n    {\"entry\": 3, \"products\": 1, \"level_dbm\": -31.50, "
          "\"margin_db\": 78.50, \"class\": \"harmful\"}\n  ]"}},
        {{"--locale", "de", "--isolation", "40,5"},
         {"\tBandwdith (kHz)\tWorst margin (dB)\n", "\t0,00\t78,50\n"}},
        {{"--locale", "en", "--isolation", "40.5", "--format", "csv"},
         {",Bandwdith (kHz),Worst margin (dB)\r\n", ",0.00,78.50\r\n"}},
        {{"--locale", "en", "--isolation", "40.5", "--summary"},
         {"\n\nID\tFrequency (MHz)\tProducts\tLevel (dBm)\tMargin (dB)\tClass\n"
          "3\t449.90000\t1\t-31.50\t78.50\tharmful\n"}},
        {{"--locale", "de", "--isolation", "67,5", "--summary"},
         {"3\t449,90000\t1\t-112,50\t-2,50\tmarginal\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.options));
        std::vector<std::string> arguments = common;
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const Output o = Calc(arguments);
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.err, "");
        for (const std::string& text : c.expected) {
            EXPECT_NE(o.out.find(text), std::string::npos) << text << "\n---\n" << o.out;
        }
    }
    // Without --levels the outputs are as they were.
    const Output plain = Calc({path, "--orders", "3", "--filter", "all", "--format", "json"});
    EXPECT_EQ(plain.out.find("level"), std::string::npos);
}

TEST(LevelOutput, BadValuesAreRefusedAndACompanionsUnknownEntriesNamed) {
    for (const char* option :
         {"--tx-power", "--isolation", "--im-rejection", "--harmonic-attenuation"}) {
        SCOPED_TRACE(option);
        const Output o = Calc({"site.frq", option, "-1"});
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.err.substr(0, o.err.find('\n')),
                  std::string("spurline-calc: bad value for ") + option + ": -1");
    }
    EXPECT_EQ(Calc({"site.frq", "--sensitivity", "x"}).status, 2);

    TemporaryFolder folder;
    const std::string path = folder.File("site.frq");
    WriteBytes(path, "Site\r\n05 Dec 2026 11:54:39\r\n\r\n"
                     "      450.00000,0,12.50,Tx,Exist,N/A,,\r\n"
                     "      450.10000,0,12.50,Tx,Exist,N/A,,\r\n"
                     "      449.90000,0,N/A,Rx,Exist,12.50,,\r\n");
    WriteBytes(path + ".levels", "spurline-levels,1\nsite,60,70,25,-116,70,0,0\n"
                                 "entry,451,10,,,,\nentry,449.9,,-100,,,\n");
    const Output o =
        Calc({path, "--orders", "3", "--filter", "all", "--levels", "--summary", "--locale", "en"});
    EXPECT_EQ(o.err, "spurline-calc: " + path + ".levels: line 3: no entry at 451 MHz\n");
    // 25 W at 60 dB: P = -16.02 each, IIP -100 + 105 = 5, level 3 x -16.02 - 2 x 5 = -58.06.
    EXPECT_NE(o.out.find("3\t449.90000\t1\t-58.06\t41.94\tharmful\n"), std::string::npos) << o.out;
}

} // namespace
} // namespace spurline::cli
