// spurline-calc end to end: site files written to disk, the program run, its output read back.

#include "support/TemporaryFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

using spurline::testing::ReadBytes;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class CommandLine : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& text) {
        spurline::testing::WriteBytes(folder_.File(name), text);
        return folder_.File(name);
    }
    // The site written to a file, as the program's quoted first argument.
    std::string Site(const std::string& text, const std::string& name = "site.frq") {
        return "'" + Write(name, text) + "' ";
    }

    Outcome Run(const std::string& arguments) {
        const std::string out = folder_.File("stdout.txt");
        const std::string err = folder_.File("stderr.txt");
        const std::string command = std::string("'") + SPURLINE_CALC_PATH + "' " + arguments +
                                    " >'" + out + "' 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(out), ReadBytes(err)};
    }

    spurline::testing::TemporaryFolder folder_;
};

const std::string Heading = "Frequency (MHz)\tOrder\tComposition (by Frequency)\t"
                            "Composition (by ID)\tAffects (by ID)\tAffected by planned (by ID)\t"
                            "Affected by existing (by ID)\tFrequency bounds (MHz)\t"
                            "Bandwdith (kHz)\n";

// Two transmitters, a duplicate of the first (skipped without a question), a planned receiver.
const std::string EnglishSite = "North Ridge,\r\n01 Jan 2024 10:00:00,\r\nhill top,\r\n"
                                "450.00000,0,25.00,Tx,Exist,N/A,main,\r\n"
                                "451.00000,0,25.00,Tx,Exist,N/A,,\r\n"
                                "450.00000,0,12.50,Tx,Plan,N/A,again,\r\n"
                                "449.00000,0,N/A,Rx,Plan,25.00,,\r\n";

// The text with the decimal comma for the point and, where asked, the semicolon for the comma.
std::string InGerman(std::string text, bool semicolons = false) {
    for (char& c : text) {
        c = c == '.' ? ',' : c == ',' && semicolons ? ';' : c;
    }
    return text;
}
const std::string GermanSite = InGerman(EnglishSite, true);

const std::string PairOptions = "--orders 3 --harmonics off --three off --worst-case off ";

TEST_F(CommandLine, PrintsTheListInEitherConvention) {
    const std::string english = Write("english.frq", EnglishSite);
    Outcome result = Run("'" + english + "' " + PairOptions + "--filter all --locale en");
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string englishRow =
        "      449.00000\t3rd\t2 x 450.00000 - 1 x 451.00000\t"
        "2 x [1] - 1 x [2]\t[3]\t\t[1],[2]\t448.98750 - 449.01250\t25.00\n";
    EXPECT_EQ(result.out, Heading + englishRow);

    // A decimal-point file read with the decimal-comma convention gives the same numbers.
    result = Run("'" + english + "' " + PairOptions + "--filter all --locale de");
    EXPECT_EQ(result.out, Heading + InGerman(englishRow));

    // Any frequency (the default filter) with the worst case: both products, no victims.
    result = Run("--locale en --orders 3 --harmonics off --three off '" + english + "'");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, Heading + "      449.00000\t3rd\t2 x 450.00000 - 1 x 451.00000\t"
                                    "2 x [1] - 1 x [2]\t\t\t\t448.96250 - 449.03750\t75.00\n"
                                    "      452.00000\t3rd\t2 x 451.00000 - 1 x 450.00000\t"
                                    "2 x [2] - 1 x [1]\t\t\t\t451.96250 - 452.03750\t75.00\n");

    // Nothing within the limits: the single row "None".
    result = Run("'" + english + "' " + PairOptions + "--lower 500 --locale en");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, Heading + "None\t\t\t\t\t\t\t\t\n");

    // The defaults: orders 2 and 3 with harmonics, sums and three-transmitter products.
    result = Run("'" + english + "' --locale en");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind(Heading + "      900.00000\t2nd\t2 x 450.00000\t2 x [1]\t", 0), 0u)
        << result.out;
}

TEST_F(CommandLine, MessagesGoToStandardErrorWithTheirExitStatus) {
    const std::string english = Write("english.frq", EnglishSite);
    Outcome result = Run("'" + english + "' --lower 450 --upper 450 --locale en");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "spurline-calc: " + english +
                              ": line 6: duplicate frequency 450.00000 MHz was not added\n"
                              "Lower limit greater than upper limit!\n");

    std::string crowd = "Crowd,\r\n,\r\n,\r\n";
    for (int k = 0; k < 40; ++k) {
        crowd += std::to_string(400 + k) + "." + std::to_string(100 + k * 7 % 89) +
                 ",0,25.00,Tx,Exist,N/A,,\r\n";
    }
    result =
        Run("'" + Write("crowd.frq", crowd) + "' --orders 3,5,7,9 --harmonics off --locale en");
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, "Maximum number of intermods reached!\n"
                          "Try re-calculating using the upper\n"
                          "and lower limits to restrict the range\n");
    const long lines = std::count(result.out.begin(), result.out.end(), '\n');
    EXPECT_GT(lines, 32701);
    EXPECT_LE(lines, 32701 + 16);

    const std::string shortSite = Write("short.frq", "Site,\r\nDate,\r\n");
    result = Run("'" + shortSite + "' --locale en");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err,
              "spurline-calc: " + shortSite +
                  ": Error: 62 description: Input past end of file at line: load/header\n");
}

TEST_F(CommandLine, BadArgumentsAndHelp) {
    const std::string english = Site(EnglishSite);
    for (const char* arguments : {"--filter nope", "--orders 4", "--orders 3,,5", "--three maybe",
                                  "--locale fr", "--lower abc", "--upper", "--colour red", ""}) {
        const Outcome result = Run(*arguments == 0 ? std::string() : english + arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find("\nTry 'spurline-calc --help' for more information.\n"),
                  std::string::npos)
            << arguments;
        EXPECT_EQ(result.out, "") << arguments;
    }
    const Outcome help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--filter any|all|planned|existing"), std::string::npos);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
    // German limits are read with the decimal comma.
    const Outcome limited =
        Run(Site(GermanSite) + PairOptions + "--lower 451,5 --upper 1.000,0 --locale de");
    EXPECT_EQ(limited.status, 0) << limited.err;
    EXPECT_EQ(limited.out.substr(Heading.size(), 16), "      452,00000\t");
}

TEST_F(CommandLine, FindsCleanChannelsAndSummarises) {
    // The pair's product 449 MHz (25 kHz) touches receive bands up to 449.0125 MHz.
    const std::string find = PairOptions + "--filter all --find rx --rx-bandwidth 25 ";
    const std::string heading = "Frequency (MHz)\tClean\tConflicts\tLowest order\t"
                                "Closest (kHz)\tNearest carrier (kHz)\tConflict kinds\n";
    const std::string band = "--from 448.95 --to 449.05 --step 25.0";
    const std::string out =
        "448.95000\tyes\t0\t\t\t50.0\t\n449.05000\tyes\t0\t\t\t50.0\t\n"
        "448.97500\tno\t1\t3rd\t25.0\t25.0\tintermod\n449.02500\tno\t1\t3rd\t25.0\t25.0\tintermod\n"
        "449.00000\tno\t1\t3rd\t0.0\t0.0\tintermod; duplicate\n";
    for (const bool german : {false, true}) {
        SCOPED_TRACE(german);
        const std::string site =
            german ? Site(GermanSite) + "--locale de" : Site(EnglishSite) + "--locale en";
        const std::string local = german ? InGerman(band) : band;
        const std::string want = german ? InGerman(out) : out;
        Outcome result = Run(site + " " + find + local);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, heading + want);
        // Planned together: the two clean ones, then no third.
        result = Run(site + " " + find + local + " --count 3");
        EXPECT_EQ(result.status, 3);
        EXPECT_EQ(result.out, heading + want.substr(0, want.find("448", 5)));
        EXPECT_NE(result.err.find("Only 2 of 3 clean channels found.\n"), std::string::npos);
        // A band of one channel is a band; one that runs backwards is refused with its reason.
        const std::string one =
            german ? "--from 449 --to 449 --step 25,0" : "--from 449 --to 449 --step 25.0";
        result = Run(site + " " + find + one);
        EXPECT_EQ(result.out, heading + want.substr(want.rfind("449", want.size() - 5)));
        result =
            Run(site + " " + find +
                (german ? "--from 449 --to 448,9 --step 25" : "--from 449 --to 448.9 --step 25"));
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(
            result.err.find("The band must run from a frequency above 0 up to one not below it."),
            std::string::npos)
            << result.err;
    }
    const std::string english = Site(EnglishSite);
    const Outcome summary = Run(english + "--locale en --filter all --summary " + PairOptions);
    EXPECT_EQ(summary.status, 0) << summary.err;
    EXPECT_EQ(summary.out, "ID\tFrequency (MHz)\tTx/Rx\tProducts\tVictims\tHit by\tLowest order\t"
                           "Closest (kHz)\n1\t450.00000\tTx\t1\t1\t0\t\t\n"
                           "2\t451.00000\tTx\t1\t1\t0\t\t\n3\t449.00000\tRx\t0\t0\t1\t3rd\t0.0\n");
    for (const char* bad :
         {"--find tx --from 450 --to 451", "--find tx --from 450 --to 451 --step 0.05",
          "--find tx --from 0 --to 451 --step 25", "--find up --from 450 --to 451 --step 25",
          "--step 25", "--find tx --summary", "--exclude 470-478",
          "--find tx --candidates x --from 450",
          "--find tx --from 450 --to 451 --step 25 --exclude 478-470"}) {
        const Outcome result = Run(english + "--locale en " + bad);
        EXPECT_EQ(result.status, 2) << bad;
        EXPECT_EQ(result.out, "") << bad;
    }
}

TEST_F(CommandLine, FindsAmongListedChannelsOutsideExcludedRanges) {
    // The list's fourth line is no channel; 449.0125 MHz transmits onto the receiver at 449 MHz
    // (entry 3), 449.5 MHz forms 2 x 449.5 - 450 = 449 MHz, 470 MHz is excluded.
    const std::string channels = "449.0125\n449.5\n452\nabc\n470.0\n";
    const std::string out = "452.00000\tyes\t0\t\t\t1000.0\t\n"
                            "470.00000\tno\t0\t\t\t19000.0\texcluded\n"
                            "449.01250\tno\t0\t\t\t12.5\tco-channel [3]\n"
                            "449.50000\tno\t1\t3rd\t0.0\t500.0\tintermod\n";
    for (const bool german : {false, true}) {
        SCOPED_TRACE(german);
        const std::string site =
            german ? Site(GermanSite) + "--locale de" : Site(EnglishSite) + "--locale en";
        const std::string list = Write("channels.txt", german ? InGerman(channels) : channels);
        const Outcome result =
            Run(site + " " + PairOptions + "--filter all --find tx --candidates '" + list +
                "' --exclude " + (german ? "469,995-478,0" : "469.995-478.0"));
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, "Frequency (MHz)\tClean\tConflicts\tLowest order\tClosest (kHz)\t"
                              "Nearest carrier (kHz)\tConflict kinds\n" +
                                  (german ? InGerman(out) : out));
        EXPECT_NE(
            result.err.find("\nspurline-calc: " + list + ": line 4: \"abc\" is not a frequency\n"),
            std::string::npos)
            << result.err;
    }
    const Outcome none = Run(Site(EnglishSite) + "--find rx --candidates '" +
                             Write("empty.txt", "# nothing yet\n") + "'");
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("empty.txt: no channels\n"), std::string::npos) << none.err;
}

} // namespace
