// spurline-calc's machine-readable outputs against its tab-separated list.

#include "CalcRun.h"
#include "document/QuotedText.h"
#include "output/ProductWriter.h"
#include "support/TemporaryFolder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace spurline::cli {
namespace {

std::string RunToText(std::vector<std::string> arguments) {
    arguments.push_back(SPURLINE_EXAMPLES_DIR "/north-ridge.frq");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCalc(arguments, Locale::English(), out, err), 0) << err.str();
    return out.str();
}

TEST(BatchOutput, QuotingOfCsvAndJsonTexts) {
    struct Case {
        std::string text, csv, json;
    };
    const Case cases[] = {
        {"plain", "plain", "\"plain\""},
        {"1,234.5", "\"1,234.5\"", "\"1,234.5\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\"", "\"say \\\"hi\\\"\""},
        {"two\r\nlines\\", "\"two\r\nlines\\\"", "\"two\\u000d\\u000alines\\\\\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CsvField(c.text), c.csv);
        EXPECT_EQ(JsonString(c.text), c.json);
    }
}

// The JSON parses, and each product gives back the TSV row's frequency and composition by ID.
TEST(BatchOutput, JsonAndCsvHoldTheProductsOfTheTabSeparatedList) {
    if (std::system("python3 -c pass") != 0) {
        GTEST_SKIP() << "no python3 to read the JSON";
    }
    const std::vector<std::string> options = {"--orders", "3,5", "--filter", "all"};
    testing::TemporaryFolder folder;
    const std::string dir = folder.path().string();
    const auto run = [&](std::vector<std::string> more) {
        more.insert(more.begin(), options.begin(), options.end());
        return RunToText(more);
    };
    std::ofstream(dir + "/out.json") << run({"--format", "json", "--threads", "2"});
    std::ofstream(dir + "/read.py")
        << "import json, sys\n"
           "d = json.load(open(sys.argv[1]))\n"
           "assert d['site'] == 'North Ridge' and d['outcome'] == 'complete'\n"
           "assert d['count'] == len(d['products'])\n"
           "for p in d['products']:\n"
           "    ids = ' '.join(('- ' if c['coefficient'] < 0 else '+ ') + "
           "str(abs(c['coefficient']))"
           " + ' x [' + str(c['entry']) + ']' for c in p['components'])[2:]\n"
           "    print('%.5f' % p['frequency'], ids, ','.join('[%d]' % v['entry'] for v in "
           "p['affects']), sep='|')\n";
    const std::string listed = dir + "/listed.txt";
    ASSERT_EQ(std::system(("python3 " + dir + "/read.py " + dir + "/out.json > " + listed).c_str()),
              0);
    const std::string fromJson = testing::ReadBytes(listed);

    std::istringstream tsv(run({}));
    std::istringstream csv(run({"--format", "csv"}));
    std::string line;
    std::string csvLine;
    std::string expected;
    std::getline(tsv, line);
    std::getline(csv, csvLine);
    EXPECT_EQ(csvLine.substr(0, 25), "Frequency (MHz),Order,Com");
    int rows = 0;
    while (std::getline(tsv, line)) {
        std::vector<std::string> cells;
        std::istringstream split(line);
        for (std::string cell; std::getline(split, cell, '\t');)
            cells.push_back(cell);
        ASSERT_GE(cells.size(), 5U);
        cells[0].erase(0, cells[0].find_first_not_of(' '));
        expected += cells[0] + "|" + cells[3] + "|" + cells[4] + "\n";
        ASSERT_TRUE(std::getline(csv, csvLine));
        EXPECT_EQ(csvLine.substr(0, cells[0].size() + 1), cells[0] + ",");
        ++rows;
    }
    EXPECT_GT(rows, 5);
    EXPECT_EQ(fromJson, expected);
}

// The graph file: an SVG picture of the given size with the site name escaped, the legend and
// the products in their order colours.
TEST(BatchOutput, GraphFileIsAnSvgOfTheResult) {
    testing::TemporaryFolder folder;
    const std::string site = (folder.path() / "A&B.csv").string();
    const std::string svg = (folder.path() / "graph.svg").string();
    testing::WriteBytes(site, "heading\n450,0,25,Tx,Plan,,\n451,0,25,Tx,Plan,,\n");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunCalc({"--orders", "3,5", "--graph", svg, "--graph-size", "800x400", site},
                      Locale::English(), out, err),
              0)
        << err.str();
    const std::string document = testing::ReadBytes(svg);
    for (const char* part :
         {"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"800\" height=\"400\"",
          ">A&amp;B</text>", " 3rd Order </text>", "stroke=\"#ff0000\"", "stroke=\"#00ff00\"",
          "</svg>\n"}) {
        EXPECT_NE(document.find(part), std::string::npos) << part;
    }
}

} // namespace
} // namespace spurline::cli
