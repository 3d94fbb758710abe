#include "output/TextExport.h"

#include "output/ReportSite.h"
#include "support/PlainNumbers.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace spurline {
namespace {

using testing::ReadBytes;
using testing::ReportSite;
using testing::Selecting;
using testing::TemporaryFolder;
using testing::WriteBytes;

const std::string FullHeader = "File:\t/data/north-ridge.frq\r\n"
                               "Last Saved:\t05-Dec-2026 11:54:39\r\n"
                               "Name:\tNorth Ridge\r\nComment:\tHill top\r\n\r\n";
const std::string ShortHeader = "File:\t/data/north-ridge.frq\r\n"
                                "Last Saved:\t05-Dec-2026 11:54:39\r\n"
                                "North Ridge\r\nHill top\r\n\r\n";
const std::string FrequencyTitle = "Frequency List\r\n\r\nID\tFrequency (MHz)\tOffset (kHz)\t"
                                   "Tx BW (kHz)\tTx/Rx\tStatus\tRx BW (kHz)\tRemarks\r\n";
const std::string IntermodSection =
    "Intermodulation Products\r\n\r\n"
    "Frequency (MHz)\tComposition (by frequency)\tComposition (by ID)\r\n"
    "349.00000\t2F1 - F2\t2[1] - [2]\r\n523.50000\t2F1 - F2\t2[1] - [2]\r\n"
    "1,025.50000\t2F1 - F2\t2[1] - [2]\r\n\r\n";

TEST(TextExport, SectionsHeaderFormsAndFilterNote) {
    struct Case {
        const char* name;
        Locale locale;
        PrintWhat what;
        std::string lower, upper;
        std::string expected;
    };
    const std::string englishRows =
        " 1 \t174.50000\t+4,600.00\t12.00\tBoth\tExist\t25.00\tMast A\r\n"
        " 2 \t1,200.00000\t0\tN/A\tRx\tPlan\t30.00\t\r\n\r\n";
    const std::string germanRows =
        " 1 \t174,50000\t+4.600,00\t12,00\tBoth\tExist\t25,00\tMast A\r\n"
        " 2 \t1.200,00000\t0\tN/A\tRx\tPlan\t30,00\t\r\n\r\n";
    PrintWhat unavailable;
    unavailable.frequencyList.available = false;
    const Case cases[] = {
        {"both", Locale::English(), Selecting(false, true, true), "100", "200",
         FullHeader + FrequencyTitle + englishRows + IntermodSection +
             "n.b. intermods filtered from 100 to 200 MHz\r\n"},
        {"both, comma", Locale::German(), Selecting(false, true, true), "", "",
         FullHeader + FrequencyTitle + germanRows + IntermodSection},
        {"intermods only", Locale::English(), Selecting(false, true, false), "10", "",
         ShortHeader + IntermodSection + "n.b. intermods filtered from 10 to  MHz\r\n"},
        {"frequencies only", Locale::German(), Selecting(false, false, true), "1", "2",
         FullHeader + FrequencyTitle + germanRows},
        {"checked but unavailable", Locale::English(), unavailable, "", "5",
         ShortHeader + IntermodSection + "n.b. intermods filtered from  to 5 MHz\r\n"},
        {"nothing", Locale::English(), Selecting(false, false, false), "1", "2", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReportSite site(c.locale);
        EXPECT_EQ(ExportText(site.Content(c.lower, c.upper), c.what), c.expected);
    }
}

// While the window shows the margin, it follows the frequency (the order is not exported), in
// the list's convention; a product without a margin leaves its cell empty.
TEST(TextExport, MarginColumnWhileShown) {
    struct Case {
        Locale locale;
        std::string rows;
    };
    const Case cases[] = {
        {Locale::English(), "349.00000\t-9.06\t2F1 - F2\t2[1] - [2]\r\n"
                            "523.50000\t\t2F1 - F2\t2[1] - [2]\r\n"
                            "1,025.50000\t0.50\t2F1 - F2\t2[1] - [2]\r\n"},
        {Locale::German(), "349.00000\t-9,06\t2F1 - F2\t2[1] - [2]\r\n"
                           "523.50000\t\t2F1 - F2\t2[1] - [2]\r\n"
                           "1,025.50000\t0,50\t2F1 - F2\t2[1] - [2]\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.decimalSeparator);
        const ReportSite site(c.locale);
        EXPECT_EQ(ExportText(site.Content("", "", true), Selecting(false, true, false)),
                  ShortHeader +
                      "Intermodulation Products\r\n\r\nFrequency (MHz)\tMargin (dB)\t"
                      "Composition (by frequency)\tComposition (by ID)\r\n" +
                      c.rows + "\r\n");
    }
}

TEST(TextExport, RowPositionNotIdAndEmptyList) {
    ReportSite site(Locale::English());
    for (int i = 3; i <= 12; ++i) {
        site.list.AddEntry({std::to_string(300 + i), "0", "1", "Tx", "Exist", "1", "x"});
    }
    site.list.SortByColumn(ColId); // descending: the row with ID 12 comes first
    ASSERT_EQ(site.list.entry(0).id(), "12");
    std::string text = ExportText(site.Content(), Selecting(false, false, true));
    EXPECT_NE(text.find("\r\n 1 \t312.00000\t"), std::string::npos);
    EXPECT_NE(text.find("\r\n 12 \t174.50000\t"), std::string::npos);

    ReportSite empty(Locale::English());
    empty.list.RemoveAllEntries();
    EXPECT_EQ(ExportText(empty.Content(), Selecting(false, false, true)),
              FullHeader + FrequencyTitle + "\r\n");
}

// send_to_file with a scripted Save dialog and real files.
struct ExportFixture : ::testing::Test {
    ExportFixture() : exporter(dialogs, box) {
        exporter.setBusyCursor = [this](bool on) { busy.push_back(on); };
        exporter.programDirectory = [] { return std::string("/opt/spurline"); };
        exporter.setDialogFileName = [this](const std::string& name) { names.push_back(name); };
    }
    bool Export(std::optional<std::string> answer,
                const PrintWhat& what = Selecting(false, true, true)) {
        dialogs.answers.push_back(std::move(answer));
        return exporter.send_to_file([this] { return site.Content(); }, what);
    }

    TemporaryFolder folder;
    testing::ScriptedMessageBox box;
    testing::ScriptedFileDialogs dialogs;
    TextExport exporter;
    ReportSite site{Locale::English()};
    std::vector<bool> busy;
    std::vector<std::string> names;
};

TEST_F(ExportFixture, WritesTheFileInWindows1252OrUtf8) {
    const std::string path = folder.File("report.txt");
    site.list.SetComment("Caf\xc3\xa9");
    ASSERT_TRUE(Export(path));
    const FileDialogOptions& shown = dialogs.shown.at(0).options;
    EXPECT_TRUE(dialogs.shown[0].save && shown.confirmOverwrite && shown.initialName.empty());
    EXPECT_EQ(shown.title + "|" + shown.filter + "|" + shown.initialDirectory,
              "Print To File|Text file (*.txt)|*.txt|/opt/spurline");
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes, ExportText(site.Content(), Selecting(false, true, true))
                         .replace(bytes.find("Caf") + 3, 2, "\xe9"));

    site.list.SetComment("\xce\xa9 band"); // Omega has no Windows-1252 byte: UTF-8
    ASSERT_TRUE(Export(path, Selecting(false, true, false)));
    EXPECT_EQ(ReadBytes(path), ExportText(site.Content(), Selecting(false, true, false)));

    // A cancelled dialog or an empty name: nothing written, the name cleared.
    busy.clear();
    EXPECT_FALSE(Export(std::nullopt));
    EXPECT_FALSE(Export(std::string()));
    EXPECT_TRUE(busy.empty());
    EXPECT_EQ(names, (std::vector<std::string>{"", path, "", path, "", ""}));
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(folder.Count(), 1u);

    // Neither list selected (the graph is never exported): the user is told, no file is asked
    // for or written.
    for (const PrintWhat& what : {Selecting(false, false, false), Selecting(true, false, false)}) {
        box.shown.clear();
        dialogs.shown.clear();
        EXPECT_FALSE(Export(folder.File("empty.txt"), what));
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].prompt, NothingToExport);
        EXPECT_TRUE(dialogs.shown.empty());
        dialogs.answers.clear();
    }
    EXPECT_EQ(folder.Count(), 1u);
}

// The margins written to disk read back to the rows' margins, in either convention.
TEST_F(ExportFixture, MarginsReadBackFromTheFile) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        SCOPED_TRACE(locale.decimalSeparator);
        ReportSite shown(locale);
        shown.rows[2].worstMarginDb = 123.454;
        const std::string path = folder.File("margins.txt");
        dialogs.answers.push_back(path);
        ASSERT_TRUE(exporter.send_to_file([&] { return shown.Content("", "", true); },
                                          Selecting(false, true, false)));
        std::vector<std::string> cells; // the second field of each line after the column line
        std::istringstream lines(ReadBytes(path));
        bool inList = false;
        for (std::string line; std::getline(lines, line);) {
            const std::size_t tab = line.find('\t');
            if (inList && line == "\r") {
                break;
            }
            if (inList) {
                cells.push_back(line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1));
            }
            inList = inList || line.starts_with("Frequency (MHz)\tMargin (dB)\tComposition");
        }
        const std::string other = locale.decimalSeparator == "," ? "." : ",";
        ASSERT_EQ(cells.size(), 3u);
        EXPECT_EQ(cells[1], "");
        const double expected[] = {-9.06, 123.45};
        for (std::size_t i : {0u, 1u}) {
            std::string cell = cells[i == 0 ? 0 : 2];
            ASSERT_EQ(cell.find(other), std::string::npos) << cell;
            std::replace(cell.begin(), cell.end(), locale.decimalSeparator[0], '.');
            EXPECT_NEAR(testing::LeadingPlainNumber(cell), expected[i], 1e-9) << cell;
        }
    }
}

TEST_F(ExportFixture, FailureReportsTheNumberAndKeepsTheOldFile) {
    struct Case {
        const char* name;
        std::string target;
        rlim_t sizeLimit;
        std::string message;
    };
    const std::string old = folder.File("old.txt");
    WriteBytes(old, "earlier report\r\n");
    const std::string readOnly = folder.File("read-only.txt");
    WriteBytes(readOnly, "earlier report\r\n");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    std::filesystem::create_directory(folder.File("folder.txt"));
    const Case cases[] = {
        {"disk full", old, 64, "Print To File Error 61"},
        {"read-only file", readOnly, RLIM_INFINITY, "Print To File Error 70"},
        {"a folder of that name", folder.File("folder.txt"), RLIM_INFINITY,
         "Print To File Error 75"},
        {"folder gone", folder.File("gone/report.txt"), RLIM_INFINITY, "Print To File Error 76"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box.shown.clear();
        busy.clear();
        {
            testing::FileSizeLimit limit(c.sizeLimit);
            EXPECT_FALSE(Export(c.target));
        }
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].prompt, c.message);
        EXPECT_EQ(box.shown[0].buttons, msgbox::Critical);
        EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    }
    EXPECT_EQ(ReadBytes(old), "earlier report\r\n");
    EXPECT_EQ(ReadBytes(readOnly), "earlier report\r\n");
    EXPECT_EQ(folder.Count(), 3u); // no temporary file left behind
}

} // namespace
} // namespace spurline
