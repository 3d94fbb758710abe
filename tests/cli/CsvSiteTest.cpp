// spurline-calc on a CSV site: its numbers reach the calculation and its output as they are.

#include "CalcRun.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace spurline::cli {
namespace {

// Large values in the CSV, and in the JSON written from them, keep their every digit: -400000
// kHz offset and 100000 kHz bandwidth are no -4 and 1 kHz.
TEST(CsvSite, LargeNumbersReachTheCalculationAndTheJson) {
    testing::TemporaryFolder folder;
    const std::string path = folder.File("site.csv");
    testing::WriteBytes(path, "Frequency (MHz),Offset (kHz),Tx bandwidth (kHz),Tx/Rx,Status,"
                              "Rx bandwidth (kHz),Remarks\r\n"
                              "1000,-400000,10,Tx,Exist,,x\r\n"
                              "1200,0,100000,Tx,Exist,,y\r\n");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunCalc({path, "--orders", "2", "--harmonics", "on", "--filter", "any", "--format",
                       "json", "--locale", "en"},
                      Locale::English(), out, err),
              0)
        << err.str();
    EXPECT_EQ(err.str(), "");
    const std::string json = out.str();
    // Each harmonic: its frequency (MHz), the transmitter doubled and its bandwidth (kHz).
    for (const char* product :
         {R"("frequency": 1200, "order": 2, "components": \[\{"coefficient": 2, "entry": 1, )"
          R"("frequency": 600\}\], "lower": [0-9.]+, "upper": [0-9.]+, "bandwidth": 20,)",
          R"("frequency": 2400, "order": 2, "components": \[\{"coefficient": 2, "entry": 2, )"
          R"("frequency": 1200\}\], "lower": 2300, "upper": 2500, "bandwidth": 200000,)"}) {
        EXPECT_TRUE(std::regex_search(json, std::regex(product))) << product << "\n" << json;
    }
    EXPECT_FALSE(std::regex_search(json, std::regex("[0-9][eE]"))) << json;
}

} // namespace
} // namespace spurline::cli
