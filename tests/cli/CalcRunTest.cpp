// spurline-calc in-process: what it refuses and what it names on the error stream.

#include "CalcRun.h"

#include "CalcArguments.h"
#include "document/SiteFile.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace spurline::cli {
namespace {

using testing::TemporaryFolder;
using testing::WriteBytes;

TEST(CalcArguments, DashesEndTheOptionsAndUnknownOptionsAreNamed) {
    struct Case {
        std::vector<std::string> arguments;
        std::string site;  // when accepted
        std::string error; // when refused
    };
    const Case cases[] = {
        {{"-x", "site.frq"}, "", "unknown option -x"},
        {{"site.frq", "-x"}, "", "unknown option -x"},
        {{"--", "-x"}, "-x", ""},
        {{"--locale", "en", "--", "--help"}, "--help", ""},
        {{"--", "--version"}, "--version", ""},
        {{"--", "a.frq", "b.frq"}, "", "more than one site file: b.frq"},
        {{"--", "--", "a.frq"}, "", "more than one site file: a.frq"},
        {{"-"}, "-", ""},
        // Without the cap nothing is kept, and the graph is drawn from the kept products.
        {{"--no-cap", "--graph", "g.svg", "a.frq"},
         "",
         "--no-cap and --graph cannot be combined: the graph needs every product kept"},
        {{"--graph", "g.svg", "--no-cap", "a.frq"},
         "",
         "--no-cap and --graph cannot be combined: the graph needs every product kept"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::string error;
        const auto parsed = ParseCalcArguments(c.arguments, Locale::English(), error);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(parsed.has_value(), c.error.empty());
        if (parsed) {
            EXPECT_EQ(parsed->sitePath, c.site);
            EXPECT_FALSE(parsed->help);
            EXPECT_FALSE(parsed->version);
        }
    }
}

// The version is the project's, printed before any site file is looked at.
TEST(CalcRun, VersionPrintsTheProjectsVersionAlone) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--version"}, {"no-such-site.frq", "--version", "--bad"}}) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCalc(arguments, Locale::English(), out, err), 0);
        EXPECT_EQ(out.str(), "spurline-calc " SPURLINE_PROJECT_VERSION "\n");
        EXPECT_EQ(err.str(), "");
    }
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome RunOn(const std::string& path, const std::string& text, const std::string& locale) {
    WriteBytes(path, text);
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    run.status =
        RunCalc({"--locale", locale, "--filter", "all", path}, Locale::English(), out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(CalcRun, ASiteWithoutEntriesIsAnError) {
    TemporaryFolder folder;
    const std::string path = folder.File("empty.frq");
    for (const std::string& text : {std::string("\r\n\r\n\r\n\r\n\r\n"),
                                    std::string("Site,\r\n01 Jan 2024,\r\ncomment,\r\n\r\n"),
                                    std::string("Site;\n\n\n;;;;;;;\n")}) {
        SCOPED_TRACE(text);
        const Outcome run = RunOn(path, text, "en");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "spurline-calc: no entry could be read from " + path + "\n");
        EXPECT_EQ(run.out, "");
    }
}

// Line numbers count blank lines and offset duplicates (pinned with the reader and the
// program's own run); here the decimal-comma run names the number in its own notation.
TEST(CalcRun, SkippedLinesAreNamedWithTheirNumbers) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.frq");
    const Outcome run = RunOn(path, "S;\nD;\nC;\n1234,5;0;;Both;;;;\n1.234,50;0;;Tx;;;;\n", "de");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "spurline-calc: " + path +
                           ": line 5: duplicate frequency 1.234,50000 MHz was not added\n");
}

TEST(CalcRun, SiteFilesOverTheSizeLimitAreRefusedUnread) {
    TemporaryFolder folder;
    for (const char* name : {"huge.frq", "huge.CSV"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.File(name);
        WriteBytes(path, "");
        std::filesystem::resize_file(path, MaxSiteFileBytes + 1); // sparse
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCalc({"--locale", "en", path}, Locale::English(), out, err), 2);
        EXPECT_EQ(err.str(), "spurline-calc: " + path +
                                 ": Error: 321 description: File too large: " + path +
                                 " (more than 64 MiB) at line: load/open\n");
        EXPECT_EQ(out.str(), "");
    }
}

// One line a script can act on, the file named; a rejected run prints no list heading.
TEST(CalcRun, RefusalsNameTheirCauseAndPrintNothing) {
    TemporaryFolder folder;
    const std::string site = folder.File("site.frq");
    WriteBytes(site, "S,\r\nD,\r\nC,\r\n450.00000,0,25.00,Tx,Exist,N/A,,\r\n");
    const std::string missing = folder.File("none.frq");
    const std::string dir = folder.path().string();
    const std::string limits = "Lower limit greater than upper limit!\n";
    const std::string tryHelp = "Try 'spurline-calc --help' for more information.\n";
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    };
    const Case cases[] = {
        {{missing},
         "spurline-calc: " + missing +
             ": Error: 53 description: File not found at line: load/open\n"},
        {{dir},
         "spurline-calc: " + dir +
             ": Error: 75 description: Path/File access error at line: load/read\n"},
        {{"--colour", "red", site}, "spurline-calc: unknown option --colour\n" + tryHelp},
        {{site, "--upper"}, "spurline-calc: --upper needs a value\n" + tryHelp},
        {{"--lower", "450", "--upper", "450", site}, limits},
        {{"--lower", "450", "--upper", "450", "--format", "csv", site}, limits},
        {{"--lower", "450", "--upper", "450", "--format", "json", "--no-cap", site}, limits},
        {{"--most", site}, "spurline-calc: --most needs --find\n" + tryHelp},
        {{"--find", "rx", "--from", "450", "--to", "451", "--step", "25", "--time-limit", "1",
          site},
         "spurline-calc: --time-limit needs --most\n" + tryHelp},
        {{"--find", "rx", "--from", "450", "--to", "451", "--step", "25", "--most", "--count", "2",
          site},
         "spurline-calc: --most and --count cannot be combined\n" + tryHelp},
        {{"--find", "rx", "--from", "450", "--to", "451", "--step", "25", "--most", "--time-limit",
          "-1", site},
         "spurline-calc: bad value for --time-limit: -1\n" + tryHelp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCalc(c.arguments, Locale::English(), out, err), 2);
        EXPECT_EQ(err.str(), c.err);
        EXPECT_EQ(out.str(), "");
    }
}

// Keeps what the stream held at each flush that brought something new.
class FlushLog final : public std::stringbuf {
public:
    std::vector<std::string> flushed;

protected:
    int sync() override {
        if (flushed.empty() || flushed.back() != str()) {
            flushed.push_back(str());
        }
        return 0;
    }
};

TEST(CalcRun, PlannedChannelsAreWrittenAsTheyAreChosen) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.frq");
    // The pair's product at 449 MHz spoils the channels within 25 kHz of it.
    WriteBytes(path, "S\r\nD\r\nC\r\n450.00000,0,25.00,Tx,Exist,N/A,,\r\n"
                     "451.00000,0,25.00,Tx,Exist,N/A,,\r\n449.00000,0,N/A,Rx,Plan,25.00,,\r\n");
    FlushLog log;
    std::ostream out(&log);
    std::ostringstream err;
    EXPECT_EQ(RunCalc({"--locale",     "en",      "--orders", "3",        "--harmonics",
                       "off",          "--three", "off",      "--filter", "all",
                       "--worst-case", "off",     "--find",   "rx",       "--rx-bandwidth",
                       "25",           "--from",  "448.95",   "--to",     "449.05",
                       "--step",       "25",      "--count",  "999999",   path},
                      Locale::English(), out, err),
              3);
    const std::string heading = "Frequency (MHz)\tClean\tConflicts\tLowest order\t"
                                "Closest (kHz)\tNearest carrier (kHz)\tConflict kinds\n";
    const std::string first = heading + "448.95000\tyes\t0\t\t\t50.0\t\n";
    EXPECT_EQ(log.flushed, (std::vector<std::string>{heading, first,
                                                     first + "449.05000\tyes\t0\t\t\t50.0\t\n"}));
    EXPECT_EQ(err.str(), "Only 2 of 999999 clean channels found.\n");
}

} // namespace
} // namespace spurline::cli

namespace spurline::cli {
namespace {

// Receivers 20 kHz apart around two transmitters: taking the roomiest channel first leaves one
// out that the largest set holds.
TEST(CalcRun, TheLargestCleanSetIsPrintedByFrequencyWithGreedysCount) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.frq");
    WriteBytes(path, "S\r\nD\r\nC\r\n450.10000,0,12.50,Tx,Exist,N/A,,\r\n"
                     "450.23750,0,12.50,Tx,Exist,N/A,,\r\n");
    struct Case {
        const char* locale;
        const char* point; // the decimal separator
        const char* limit;
    };
    for (const Case& c : {Case{"de", ",", "0"}, Case{"en", ".", "600"}}) {
        SCOPED_TRACE(c.locale);
        const auto number = [&](std::string text) {
            std::replace(text.begin(), text.end(), '.', *c.point);
            return text;
        };
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCalc({"--locale",    c.locale,       "--orders",  "3",
                           "--harmonics", "off",          "--three",   "off",
                           "--filter",    "all",          "--find",    "rx",
                           "--from",      "450",          "--to",      number("450.35"),
                           "--step",      number("12.5"), "--spacing", "20",
                           "--most",      "--time-limit", c.limit,     path},
                          Locale::English(), out, err),
                  0);
        std::string want = "Frequency (MHz)\tClean\tConflicts\tLowest order\tClosest (kHz)\t"
                           "Nearest carrier (kHz)\tConflict kinds\n";
        for (const char* mhz :
             {"450.00000", "450.02500", "450.05000", "450.07500", "450.13750", "450.16250",
              "450.18750", "450.21250", "450.26250", "450.28750", "450.31250", "450.33750"}) {
            want += number(mhz) + "\tyes\t0\t\t\t" + number("25.0") + "\t\n";
        }
        EXPECT_EQ(out.str(), want);
        EXPECT_EQ(err.str(), "12 channels; greedy first-fit finds 11. No larger set exists.\n");
    }
}

} // namespace
} // namespace spurline::cli
