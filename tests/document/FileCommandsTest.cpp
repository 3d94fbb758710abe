#include "document/FileCommands.h"

#include "document/MessageBox.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"
#include "support/TemporaryFolder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/resource.h>

namespace spurline {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

int LineCount(const std::string& bytes) {
    int lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2))
        ++lines;
    return lines;
}

// The main window as the file commands see it; records what they asked of it.
class FakeHost final : public IFileCommandHost {
public:
    void SetBusyCursor(bool busy) override {
        this->busy = busy;
        ++busyCalls;
    }
    void SetWindowEnabled(bool enabled) override { windowEnabled = enabled; }
    void LetEventsRun() override {
        ++eventsRun;
        if (!windowEnabled)
            ++eventsRunWhileDisabled;
    }
    void UpdateCaption(const std::string& path) override { caption = path; }
    void ClearStatusLine() override { ++statusCleared; }
    std::string CompactForFileNameField(const std::string& path) override {
        return "..." + fs::path(path).filename().string();
    }
    LocalDateTime Now() override { return now; }
    std::string ProgramDirectory() override { return programDirectory; }
    void AddMRUItem(const std::string& path) override { mru.push_back(path); }

    bool busy = false;
    int busyCalls = 0;
    bool windowEnabled = true;
    int eventsRun = 0;
    int eventsRunWhileDisabled = 0;
    std::string caption;
    int statusCleared = 0;
    LocalDateTime now{2026, 12, 5, 11, 54, 39};
    std::string programDirectory = "/opt/spurline";
    std::vector<std::string> mru;
};

// One main window's worth of document, boxes, dialogs and commands.
struct Session {
    explicit Session(Locale locale)
        : list(std::move(locale), box), commands(list, box, dialogs, host) {
        list.recalculateDue = [this] { ++recalculations; };
        list.clearIntermodResults = [this] { ++resultClears; };
    }
    testing::ScriptedMessageBox box;
    testing::ScriptedFileDialogs dialogs;
    FakeHost host;
    FrequencyList list;
    FileCommands commands;
    int recalculations = 0;
    int resultClears = 0;

    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const auto& shown : box.shown)
            prompts.push_back(shown.prompt);
        return prompts;
    }
    bool Save(const std::string& path) {
        dialogs.answers.push_back(path);
        return commands.cmdSave_Click();
    }
};

void FillEnglish(FrequencyList& list) {
    list.SetSiteName("North Ridge");
    list.SetComment("Hill top");
    list.AddEntry({"174", "4600", "12.5", "Both", "Exist", "12.5", "Mast A"});
    list.AddEntry({"1234.5", "-100", "25", "Tx", "Plan", "", "12345"});
    list.AddEntry({"150.0125", "0", "", "Rx", "Exist", "6.25", "St. Mary's; roof"});
}

void FillGerman(FrequencyList& list) {
    list.SetSiteName("S\xC3\xA4gewerk");
    list.SetComment("Dach, Ost");
    list.AddEntry({"174", "4600", "12,5", "Both", "Exist", "12,5", "Mast A"});
    list.AddEntry({"1234,5", "-100", "25", "Tx", "Plan", "", "12345"});
    list.AddEntry({"150,0125", "0", "", "Rx", "Exist", "6,25", "St. Mary's, roof"});
}

const std::string kEnglishFile = "North Ridge\r\n"
                                 "05 Dec 2026 11:54:39\r\n"
                                 "Hill top\r\n"
                                 "      174.00000,+4600.00,12.50,Both,Exist,12.50,Mast A,\r\n"
                                 "    1234.50000,-100.00,25.00,Tx,Plan,N/A,12345,\r\n"
                                 "      150.01250,0,N/A,Rx,Exist,6.25,St. Mary's; roof,\r\n";

const std::string kGermanFile = "S\xE4gewerk\r\n"
                                "05 Dez 2026 11:54:39\r\n"
                                "Dach, Ost\r\n"
                                "174,00000;+4600,00;12,50;Both;Exist;12,50;Mast A;\r\n"
                                "1234,50000;-100,00;25,00;Tx;Plan;N/A;12345;\r\n"
                                "150,01250;0;N/A;Rx;Exist;6,25;St. Mary's, roof;\r\n";

TEST(FileCommands, SaveWritesTheExactBytesInBothLocales) {
    struct Case {
        Locale locale;
        void (*fill)(FrequencyList&);
        std::string bytes;
        std::string lastSaved;
    };
    for (const Case& c :
         {Case{Locale::English(), FillEnglish, kEnglishFile, "05 Dec 2026 11:54:39"},
          Case{Locale::German(), FillGerman, kGermanFile, "05 Dez 2026 11:54:39"}}) {
        TemporaryFolder folder;
        Session s(c.locale);
        c.fill(s.list);
        ASSERT_TRUE(s.list.changed());
        const std::string path = folder.File("north-ridge.frq");

        ASSERT_TRUE(s.Save(path));
        EXPECT_EQ(ReadBytes(path), c.bytes);
        EXPECT_FALSE(s.list.changed());
        EXPECT_EQ(s.list.lastSaved(), c.lastSaved);
        EXPECT_EQ(s.list.filePath(), path);
        EXPECT_EQ(s.list.fileDisplayPath(), "...north-ridge.frq");
        EXPECT_EQ(s.host.caption, path);
        EXPECT_FALSE(s.host.busy);
        EXPECT_EQ(s.host.busyCalls, 2);
        EXPECT_TRUE(s.box.shown.empty());
        EXPECT_TRUE(s.host.mru.empty()); // saving does not add to the recent files
        EXPECT_EQ(folder.Count(), 1u);

        ASSERT_EQ(s.dialogs.shown.size(), 1u);
        const auto& shown = s.dialogs.shown[0];
        EXPECT_TRUE(shown.save);
        EXPECT_EQ(shown.options.title, "Save frequency list");
        EXPECT_EQ(shown.options.filter, "Frequency list (*.frq)|*.frq");
        EXPECT_EQ(shown.options.initialDirectory, "/opt/spurline");
        EXPECT_EQ(shown.options.initialName, "");
        EXPECT_TRUE(shown.options.confirmOverwrite);
        EXPECT_TRUE(shown.options.mustExist);
        EXPECT_EQ(s.commands.dialogFileName(), path);

        // The next dialog offers the name chosen last; saving over the file replaces it.
        s.host.now = {2027, 1, 2, 3, 4, 5};
        s.list.SetSiteName("Renamed");
        ASSERT_TRUE(s.Save(path));
        EXPECT_EQ(s.dialogs.shown[1].options.initialName, path);
        const std::string bytes = ReadBytes(path);
        EXPECT_EQ(bytes.substr(0, bytes.find("\r\n", 9) + 2),
                  "Renamed\r\n02 " + c.locale.monthAbbreviations[0] + " 2027 03:04:05\r\n");
        EXPECT_EQ(folder.Count(), 1u);
    }
}

TEST(FileCommands, SaveCancelledOrWithAnEmptyListWritesNothing) {
    TemporaryFolder folder;
    Session s(Locale::English());
    FillEnglish(s.list);
    s.dialogs.answers.push_back(std::nullopt);
    EXPECT_FALSE(s.commands.cmdSave_Click());
    EXPECT_TRUE(s.list.changed());
    EXPECT_EQ(s.list.lastSaved(), "");
    EXPECT_EQ(s.list.filePath(), "");
    EXPECT_EQ(s.commands.dialogFileName(), "");
    EXPECT_EQ(s.host.busyCalls, 0);

    // An empty chosen name ends the command too.
    EXPECT_FALSE(s.Save(""));
    EXPECT_EQ(s.list.lastSaved(), "");

    Session empty(Locale::English());
    empty.list.SetSiteName("Nothing yet");
    EXPECT_FALSE(empty.Save(folder.File("empty.frq")));
    EXPECT_EQ(empty.dialogs.shown.size(), 1u); // the dialog is still shown
    EXPECT_FALSE(fs::exists(folder.File("empty.frq")));
    EXPECT_EQ(empty.list.lastSaved(), "");
    EXPECT_EQ(empty.list.filePath(), "");
    EXPECT_TRUE(empty.list.changed());
    EXPECT_TRUE(empty.box.shown.empty());
}

TEST(FileCommands, RoundTripOnDiskKeepsEveryText) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        TemporaryFolder folder;
        Session writer(locale);
        if (locale.decimalSeparator == ",")
            FillGerman(writer.list);
        else
            FillEnglish(writer.list);
        writer.list.AddEntry({"98.5", "0", "200", "Tx", "Exist", "", "FM"});
        writer.list.SetChecked(1, false);
        writer.list.SetSelected(2, true);
        const std::string path = folder.File("round.frq");
        ASSERT_TRUE(writer.Save(path));

        Session reader(locale);
        reader.list.AddEntry({"1", "0", "1", "Both", "Exist", "1", "old entry"});
        reader.list.SortByColumn(1);
        ASSERT_TRUE(reader.commands.LoadFrequencyList(path));

        ASSERT_EQ(reader.list.count(), writer.list.count());
        for (int row = 0; row < writer.list.count(); ++row) {
            EXPECT_EQ(reader.list.entry(row).texts, writer.list.entry(row).texts) << row;
            EXPECT_TRUE(reader.list.entry(row).checked); // check marks are not stored
            EXPECT_FALSE(reader.list.entry(row).selected);
        }
        EXPECT_EQ(reader.list.siteName(), writer.list.siteName());
        EXPECT_EQ(reader.list.comment(), writer.list.comment());
        EXPECT_EQ(reader.list.lastSaved(), writer.list.lastSaved());
        EXPECT_EQ(reader.list.filePath(), path);
        EXPECT_EQ(reader.list.fileDisplayPath(), "...round.frq");
        EXPECT_FALSE(reader.list.changed());
        EXPECT_TRUE(reader.list.commands().clear);
        EXPECT_TRUE(reader.list.commands().calculate);
        EXPECT_TRUE(reader.list.commands().print);
        EXPECT_FALSE(reader.list.sortState().sorted);
        EXPECT_TRUE(reader.list.ShowDuplicateMessages);
        EXPECT_EQ(reader.resultClears, 1);
        EXPECT_EQ(reader.recalculations, 1);
        EXPECT_EQ(reader.host.caption, path);
        EXPECT_EQ(reader.host.statusCleared, 1);
        EXPECT_TRUE(reader.host.windowEnabled);
        EXPECT_FALSE(reader.host.busy);
        // Events run once before the window is disabled and once per entry line while it is.
        EXPECT_EQ(reader.host.eventsRun, 1 + writer.list.count());
        EXPECT_EQ(reader.host.eventsRunWhileDisabled, writer.list.count());
        EXPECT_TRUE(reader.host.mru.empty());
        EXPECT_TRUE(reader.box.shown.empty());
        EXPECT_EQ(reader.list.entry(1).frequency(),
                  locale.decimalSeparator == "," ? "    1.234,50000" : "    1,234.50000");
    }
}

TEST(FileCommands, CrossLocaleLoadsConvertNumbersButNotTexts) {
    TemporaryFolder folder;
    const std::string en = folder.File("en.frq");
    const std::string de = folder.File("de.frq");
    WriteBytes(en, kEnglishFile);
    WriteBytes(de, kGermanFile);

    Session german(Locale::German());
    ASSERT_TRUE(german.commands.LoadFrequencyList(en));
    ASSERT_EQ(german.list.count(), 3);
    EXPECT_EQ(german.list.entry(0).texts,
              (std::array<std::string, 8>{" 1", "      174,00000", "+4.600,00", "12,50", "Both",
                                          "Exist", "12,50", "Mast A"}));
    EXPECT_EQ(german.list.entry(1).texts,
              (std::array<std::string, 8>{" 2", "    1.234,50000", "-100,00", "25,00", "Tx", "Plan",
                                          "N/A", "12345"}));
    EXPECT_EQ(german.list.entry(2).texts,
              (std::array<std::string, 8>{" 3", "      150,01250", "0", "N/A", "Rx", "Exist",
                                          "6,25", "St. Mary's; roof"}));
    EXPECT_EQ(german.list.siteName(), "North Ridge");

    Session english(Locale::English());
    ASSERT_TRUE(english.commands.LoadFrequencyList(de));
    ASSERT_EQ(english.list.count(), 3);
    EXPECT_EQ(english.list.entry(0).texts,
              (std::array<std::string, 8>{" 1", "      174.00000", "+4,600.00", "12.50", "Both",
                                          "Exist", "12.50", "Mast A"}));
    EXPECT_EQ(english.list.entry(1).texts,
              (std::array<std::string, 8>{" 2", "    1,234.50000", "-100.00", "25.00", "Tx", "Plan",
                                          "N/A", "12345"}));
    // The remark keeps its point and comma.
    EXPECT_EQ(english.list.entry(2).remarks(), "St. Mary's, roof");
    EXPECT_EQ(english.list.entry(2).rxbandwidth(), "6.25");
    EXPECT_EQ(english.list.siteName(), "S\xC3\xA4gewerk");
    // The header fields keep only what this locale allows: the comma goes.
    EXPECT_EQ(english.list.comment(), "Dach Ost");
}

TEST(FileCommands, FileWithoutSeparatorsGivesOneFieldPerLine) {
    TemporaryFolder folder;
    const std::string path = folder.File("plain.frq");
    WriteBytes(path, "Site\r\nToday\r\nNote\r\n174.5\r\n98\r\n");

    Session en(Locale::English());
    ASSERT_TRUE(en.commands.LoadFrequencyList(path));
    ASSERT_EQ(en.list.count(), 2);
    // Read as a decimal-comma file, so the point is taken for grouping.
    EXPECT_EQ(en.list.entry(0).texts, (std::array<std::string, 8>{" 1", "    1,745.00000", "", "",
                                                                  "Both", "Exist", "", ""}));
    EXPECT_EQ(en.list.entry(1).frequency(), "       98.00000");

    Session de(Locale::German());
    ASSERT_TRUE(de.commands.LoadFrequencyList(path));
    ASSERT_EQ(de.list.count(), 2);
    EXPECT_EQ(de.list.entry(0).frequency(), "    1.745,00000");
    EXPECT_EQ(de.list.entry(0).txrx(), "Both");
    EXPECT_EQ(de.list.entry(0).status(), "Exist");
}

TEST(FileCommands, LinesMayEndInLfOrCr) {
    TemporaryFolder folder;
    for (const std::string& end : {std::string("\n"), std::string("\r")}) {
        std::string text = kEnglishFile;
        std::string converted;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "\r\n") == 0) {
                converted += end;
                ++i;
            } else {
                converted += text[i];
            }
        }
        const std::string path = folder.File("ends.frq");
        WriteBytes(path, converted);
        Session s(Locale::English());
        ASSERT_TRUE(s.commands.LoadFrequencyList(path));
        ASSERT_EQ(s.list.count(), 3);
        EXPECT_EQ(s.list.comment(), "Hill top");
        EXPECT_EQ(s.list.entry(2).remarks(), "St. Mary's; roof");
    }
}

TEST(FileCommands, ShortFilesReportInputPastEndOfFile) {
    TemporaryFolder folder;
    Session s(Locale::English());
    s.list.SetSiteName("Before");

    // Header lines only: the header fields are set, then the error.
    const std::string header = folder.File("header.frq");
    WriteBytes(header, "a\r\nb\r\nc\r\n");
    EXPECT_FALSE(s.commands.LoadFrequencyList(header));
    ASSERT_EQ(s.box.shown.size(), 1u);
    EXPECT_EQ(s.box.shown[0].prompt,
              "Error: 62 description: Input past end of file at line: load/entry");
    EXPECT_EQ(s.box.shown[0].buttons, msgbox::Critical);
    EXPECT_EQ(s.list.siteName(), "a");
    EXPECT_EQ(s.list.lastSaved(), "b");
    EXPECT_EQ(s.list.comment(), "c");
    EXPECT_TRUE(s.list.empty());
    EXPECT_TRUE(s.list.changed());
    EXPECT_FALSE(s.list.commands().clear);
    EXPECT_FALSE(s.list.commands().calculate);
    EXPECT_TRUE(s.host.windowEnabled);
    EXPECT_FALSE(s.host.busy);

    // One more line, even without its line end, is an entry.
    const std::string one = folder.File("one.frq");
    WriteBytes(one, "a\r\nb\r\nc\r\n98.5,0,1,Tx,Exist,,x");
    EXPECT_TRUE(s.commands.LoadFrequencyList(one));
    EXPECT_EQ(s.box.shown.size(), 1u);
    ASSERT_EQ(s.list.count(), 1);
    EXPECT_EQ(s.list.entry(0).remarks(), "x");

    // An empty line after the header is read and adds nothing.
    const std::string blank = folder.File("blank.frq");
    WriteBytes(blank, "a\r\nb\r\nc\r\n\r\n");
    EXPECT_TRUE(s.commands.LoadFrequencyList(blank));
    EXPECT_TRUE(s.list.empty());
    EXPECT_EQ(s.box.shown.size(), 1u);

    // Empty file and a file of two lines: the error comes before any header field is set.
    s.list.SetSiteName("Kept");
    const std::string empty = folder.File("empty.frq");
    WriteBytes(empty, "");
    EXPECT_FALSE(s.commands.LoadFrequencyList(empty));
    const std::string two = folder.File("two.frq");
    WriteBytes(two, "x\r\ny");
    EXPECT_FALSE(s.commands.LoadFrequencyList(two));
    ASSERT_EQ(s.box.shown.size(), 3u);
    EXPECT_EQ(s.box.shown[1].prompt,
              "Error: 62 description: Input past end of file at line: load/header");
    EXPECT_EQ(s.box.shown[2].prompt,
              "Error: 62 description: Input past end of file at line: load/header");
    EXPECT_EQ(s.list.siteName(), "Kept");
    EXPECT_TRUE(s.host.windowEnabled);

    // A file that is not there.
    EXPECT_FALSE(s.commands.LoadFrequencyList(folder.File("missing.frq")));
    ASSERT_EQ(s.box.shown.size(), 4u);
    EXPECT_EQ(s.box.shown[3].prompt, "Error: 53 description: File not found at line: load/open");
    EXPECT_TRUE(s.host.windowEnabled);
    EXPECT_FALSE(s.host.busy);

    // No path, no load.
    const int calls = s.host.busyCalls;
    EXPECT_FALSE(s.commands.LoadFrequencyList(""));
    EXPECT_EQ(s.host.busyCalls, calls);
    EXPECT_EQ(s.box.shown.size(), 4u);
}

TEST(FileCommands, DuplicatesInAFileAskUntilDeclined) {
    TemporaryFolder folder;
    const std::string path = folder.File("dups.frq");
    WriteBytes(path, "Site\r\nDate\r\nComment\r\n"
                     "174,4600,12.5,Both,Exist,12.5,,\r\n"
                     "178.6,0,12.5,Both,Exist,12.5,,\r\n"
                     "178.60000,0,12.5,Both,Exist,12.5,,\r\n"
                     "150,0,12.5,Both,Exist,12.5,,\r\n"
                     "150,0,12.5,Both,Exist,12.5,,\r\n");
    const std::string first = "Duplicate frequency 178.60000MHz\r\nwas not added. Show further "
                              "messages?";
    const std::string last = "Duplicate frequency 150.00000MHz\r\nwas not added. Show further "
                             "messages?";

    Session yes(Locale::English());
    yes.box.answers = {msgbox::Yes, msgbox::Yes, msgbox::Yes};
    ASSERT_TRUE(yes.commands.LoadFrequencyList(path));
    EXPECT_EQ(yes.list.count(), 2);
    EXPECT_EQ(yes.Prompts(), (std::vector<std::string>{first, first, last}));
    EXPECT_EQ(yes.box.shown[0].buttons, msgbox::ExclamationYesNo);

    Session no(Locale::English());
    no.box.answers = {msgbox::No};
    ASSERT_TRUE(no.commands.LoadFrequencyList(path));
    EXPECT_EQ(no.list.count(), 2);
    EXPECT_EQ(no.Prompts(), std::vector<std::string>{first});
    EXPECT_FALSE(no.list.ShowDuplicateMessages);
    // The next load asks again.
    no.box.answers = {msgbox::No};
    ASSERT_TRUE(no.commands.LoadFrequencyList(path));
    EXPECT_EQ(no.Prompts(), (std::vector<std::string>{first, first}));
    EXPECT_EQ(no.box.unansweredQuestions, 0);
}

TEST(FileCommands, FailedSaveKeepsTheOldFileAndTheChangedState) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.frq");
    Session s(Locale::English());
    FillEnglish(s.list);
    ASSERT_TRUE(s.Save(path));
    const std::string good = ReadBytes(path);
    ASSERT_EQ(good, kEnglishFile);
    ASSERT_FALSE(s.list.changed());

    // The disk fills up while the new file is written.
    for (int i = 0; i < 400; ++i)
        s.list.AddEntry({std::to_string(200 + i), "0", "12.5", "Both", "Exist", "12.5", "more"});
    s.host.now = {2027, 3, 4, 5, 6, 7};
    s.host.caption.clear();
    {
        FileSizeLimit limit(256);
        EXPECT_FALSE(s.Save(path));
    }
    ASSERT_EQ(s.box.shown.size(), 1u);
    EXPECT_EQ(s.box.shown[0].prompt, "Error: 61 description: Disk full at line: save/write");
    EXPECT_EQ(s.box.shown[0].buttons, msgbox::Critical);
    EXPECT_EQ(ReadBytes(path), good);
    EXPECT_EQ(folder.Count(), 1u);
    EXPECT_TRUE(s.list.changed());
    EXPECT_FALSE(s.host.busy);
    EXPECT_EQ(s.host.caption, "");
    // The file name and the date were set before writing and stay.
    EXPECT_EQ(s.list.lastSaved(), "04 Mar 2027 05:06:07");
    EXPECT_EQ(s.list.filePath(), path);

    // The folder became read-only. A privileged user can still write there; then the target is
    // made a folder instead, which no one can save over.
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const bool privileged = std::ofstream(folder.File("probe")).good();
    std::string target = path;
    std::string expected = "Error: 70 description: Permission denied at line: save/create";
    if (privileged) {
        fs::remove(folder.File("probe"));
        fs::permissions(folder.path(), fs::perms::owner_all);
        target = folder.File("folder.frq");
        fs::create_directory(target);
        expected = "Error: 75 description: Path/File access error at line: save/create";
    }
    EXPECT_FALSE(s.Save(target));
    ASSERT_EQ(s.box.shown.size(), 2u);
    EXPECT_EQ(s.box.shown[1].prompt, expected);
    EXPECT_EQ(ReadBytes(path), good);
    EXPECT_TRUE(s.list.changed());
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_TRUE(fs::is_directory(target) == privileged);

    // A folder that does not exist.
    EXPECT_FALSE(s.Save(folder.File("gone/site.frq")));
    ASSERT_EQ(s.box.shown.size(), 3u);
    EXPECT_EQ(s.box.shown[2].prompt, "Error: 76 description: Path not found at line: save/create");

    // Once the disk has room again the save goes through.
    ASSERT_TRUE(s.Save(path));
    EXPECT_FALSE(s.list.changed());
    EXPECT_EQ(LineCount(ReadBytes(path)), 3 + s.list.count());
}

TEST(FileCommands, FileEncodings) {
    TemporaryFolder folder;
    // A file of the older Windows tool.
    const std::string old = folder.File("old.frq");
    WriteBytes(old, "S\xE4gewerk\r\n05 Dez 2026 11:54:39\r\n\xD8stlich\r\n"
                    "174,00000;0;12,50;Both;Exist;12,50;\x80 \xD8;\r\n");
    Session de(Locale::German());
    ASSERT_TRUE(de.commands.LoadFrequencyList(old));
    EXPECT_EQ(de.list.siteName(), "S\xC3\xA4gewerk");
    EXPECT_EQ(de.list.comment(), "\xC3\x98stlich");
    ASSERT_EQ(de.list.count(), 1);
    EXPECT_EQ(de.list.entry(0).remarks(), "\xE2\x82\xAC \xC3\x98");

    // Saved again it is Windows-1252 once more.
    const std::string again = folder.File("again.frq");
    ASSERT_TRUE(de.Save(again));
    EXPECT_EQ(ReadBytes(again), ReadBytes(old));

    // A character beyond Windows-1252 makes the file UTF-8, and it reads back.
    de.list.AddEntry({"150", "0", "1", "Rx", "Exist", "1",
                      "\xC5\x81\xC3\xB3"
                      "d\xC5\xBA"});
    ASSERT_TRUE(de.Save(again));
    const std::string bytes = ReadBytes(again);
    EXPECT_EQ(bytes.substr(0, 11), "S\xC3\xA4gewerk\r\n");
    Session reader(Locale::German());
    ASSERT_TRUE(reader.commands.LoadFrequencyList(again));
    ASSERT_EQ(reader.list.count(), 2);
    EXPECT_EQ(reader.list.siteName(), "S\xC3\xA4gewerk");
    EXPECT_EQ(reader.list.entry(0).remarks(), "\xE2\x82\xAC \xC3\x98");
    EXPECT_EQ(reader.list.entry(1).remarks(), "\xC5\x81\xC3\xB3"
                                              "d\xC5\xBA");
}

TEST(FileCommands, GarbageFilesGiveTheErrorReportAndLeaveTheProgramUsable) {
    TemporaryFolder folder;
    Session s(Locale::English());
    FillEnglish(s.list);

    // 50 MB of binary data.
    const std::string binary = folder.File("binary.frq");
    {
        std::mt19937 random(7);
        std::string bytes(50u << 20, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        WriteBytes(binary, bytes);
    }
    EXPECT_FALSE(s.commands.LoadFrequencyList(binary));
    ASSERT_EQ(s.box.shown.size(), 1u);
    EXPECT_EQ(s.box.shown[0].prompt,
              "Error: 321 description: Invalid file format at line: load/check");
    EXPECT_EQ(s.box.shown[0].buttons, msgbox::Critical);
    EXPECT_TRUE(s.list.empty());
    EXPECT_EQ(s.list.siteName(), "North Ridge");
    EXPECT_TRUE(s.host.windowEnabled);
    EXPECT_FALSE(s.host.busy);
    EXPECT_FALSE(s.list.commands().calculate);
    // The old products and graph are stale now.
    EXPECT_EQ(s.recalculations, 1);
    EXPECT_EQ(s.resultClears, 1);

    // Text garbage: every line is read, duplicates are declined once, no two rows share a key.
    const std::string text = folder.File("text.frq");
    {
        std::mt19937 random(11);
        const std::string alphabet = "0123456789.,;+- abcxyz\r\n\xE4\xFF";
        std::string bytes(1u << 20, ' ');
        for (char& c : bytes)
            c = alphabet[random() % alphabet.size()];
        WriteBytes(text, bytes);
    }
    s.box.answers = {msgbox::No};
    s.commands.LoadFrequencyList(text);
    EXPECT_TRUE(s.host.windowEnabled);
    EXPECT_FALSE(s.host.busy);
    EXPECT_EQ(s.box.unansweredQuestions, 0);
    std::set<std::string> keys;
    for (const FrequencyEntry& e : s.list.entries())
        keys.insert(e.key);
    EXPECT_EQ(keys.size(), static_cast<std::size_t>(s.list.count()));
    EXPECT_GT(s.list.count(), 100);

    // The program goes on working: a good file loads after the garbage.
    const std::string good = folder.File("good.frq");
    WriteBytes(good, kEnglishFile);
    const std::size_t boxes = s.box.shown.size();
    ASSERT_TRUE(s.commands.LoadFrequencyList(good));
    EXPECT_EQ(s.box.shown.size(), boxes);
    EXPECT_EQ(s.list.count(), 3);
    EXPECT_TRUE(s.list.commands().calculate);
}

TEST(FileCommands, SaveQuestion) {
    TemporaryFolder folder;
    const std::string unnamed = "Do you want to save the\r\ncurrent frequency list?";
    const std::string named = "Do you want to save changes made\r\nto the current frequency list?";

    Session s(Locale::English());
    // An empty list, changed or not, is not asked about.
    s.list.SetSiteName("Only a name");
    EXPECT_TRUE(s.commands.SaveQuestion());
    EXPECT_TRUE(s.box.shown.empty());

    FillEnglish(s.list);
    s.box.answers = {msgbox::No};
    EXPECT_TRUE(s.commands.SaveQuestion());
    ASSERT_EQ(s.box.shown.size(), 1u);
    EXPECT_EQ(s.box.shown[0].prompt, unnamed);
    EXPECT_EQ(s.box.shown[0].buttons, msgbox::Question);
    EXPECT_TRUE(s.dialogs.shown.empty());

    // Yes, then the Save dialog is cancelled: not saved.
    s.box.answers = {msgbox::Yes};
    s.dialogs.answers = {std::nullopt};
    EXPECT_FALSE(s.commands.SaveQuestion());
    EXPECT_TRUE(s.list.changed());

    // Yes and a name: saved.
    const std::string path = folder.File("q.frq");
    s.box.answers = {msgbox::Yes};
    s.dialogs.answers = {path};
    EXPECT_TRUE(s.commands.SaveQuestion());
    EXPECT_EQ(ReadBytes(path), kEnglishFile);
    EXPECT_FALSE(s.list.changed());

    // Unchanged: no question.
    const std::size_t boxes = s.box.shown.size();
    EXPECT_TRUE(s.commands.SaveQuestion());
    EXPECT_EQ(s.box.shown.size(), boxes);

    // With a dialog name the wording changes; Yes and a failing save is not saved.
    s.list.SetComment("changed");
    s.box.answers = {msgbox::Yes};
    s.dialogs.answers = {folder.File("gone/q.frq")};
    EXPECT_FALSE(s.commands.SaveQuestion());
    ASSERT_EQ(s.box.shown.size(), boxes + 2);
    EXPECT_EQ(s.box.shown[boxes].prompt, named);
    EXPECT_EQ(s.box.shown[boxes + 1].buttons, msgbox::Critical);
    EXPECT_TRUE(s.list.changed());
    EXPECT_EQ(s.box.unansweredQuestions, 0);
}

TEST(FileCommands, LoadCommand) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.FRQ");
    WriteBytes(path, kEnglishFile);

    Session s(Locale::English());
    s.list.AddEntry({"1", "0", "1", "Both", "Exist", "1", "unsaved"});
    s.list.SetSiteName("Unsaved");

    // Cancelled: nothing is loaded, the question came first.
    s.box.answers = {msgbox::No};
    s.commands.cmdLoad_Click();
    ASSERT_EQ(s.box.shown.size(), 1u);
    EXPECT_EQ(s.box.shown[0].prompt, "Do you want to save the\r\ncurrent frequency list?");
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    const auto& open = s.dialogs.shown[0];
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.options.title, "Open frequency list");
    EXPECT_EQ(open.options.filter, "Frequency list (*.frq)|*.frq");
    EXPECT_EQ(open.options.initialDirectory, "/opt/spurline");
    EXPECT_EQ(open.options.initialName, "");
    EXPECT_TRUE(open.options.mustExist);
    EXPECT_FALSE(open.options.confirmOverwrite);
    EXPECT_EQ(s.list.count(), 1);
    EXPECT_TRUE(s.host.mru.empty());

    // A name without ".frq" is ignored without a word.
    const std::string other = folder.File("site.txt");
    WriteBytes(other, kEnglishFile);
    s.box.answers = {msgbox::No};
    s.dialogs.answers = {other};
    s.commands.cmdLoad_Click();
    EXPECT_EQ(s.list.count(), 1);
    EXPECT_EQ(s.list.siteName(), "Unsaved");
    EXPECT_TRUE(s.host.mru.empty());
    EXPECT_EQ(s.box.shown.size(), 2u);

    // ".FRQ" in any case loads and goes to the recent files.
    s.box.answers = {msgbox::No};
    s.dialogs.answers = {path};
    s.commands.cmdLoad_Click();
    EXPECT_EQ(s.dialogs.shown[2].options.initialName, other);
    EXPECT_EQ(s.list.count(), 3);
    EXPECT_EQ(s.list.siteName(), "North Ridge");
    EXPECT_EQ(s.host.mru, std::vector<std::string>{path});
    EXPECT_EQ(s.commands.dialogFileName(), path);
    EXPECT_EQ(s.box.shown.size(), 3u);

    // Yes to the question with the Save dialog cancelled: the unsaved list stays, no Open dialog.
    s.list.SetSiteName("Edited");
    s.box.answers = {msgbox::Yes};
    s.dialogs.answers = {std::nullopt};
    s.commands.cmdLoad_Click();
    EXPECT_EQ(s.box.shown.size(), 4u);
    EXPECT_EQ(s.box.shown[3].prompt,
              "Do you want to save changes made\r\nto the current frequency list?");
    ASSERT_EQ(s.dialogs.shown.size(), 4u);
    EXPECT_TRUE(s.dialogs.shown[3].save);
    EXPECT_EQ(s.list.siteName(), "Edited");
    EXPECT_TRUE(s.list.changed());
    s.list.SetChanged(false);

    // Loaded and unchanged: no question before the next Open dialog.
    s.dialogs.answers = {std::nullopt};
    s.commands.cmdLoad_Click();
    EXPECT_EQ(s.box.shown.size(), 4u);
    EXPECT_EQ(s.dialogs.shown.size(), 5u);
    EXPECT_EQ(s.box.unansweredQuestions, 0);
}

TEST(FileCommands, RemarksRoundTripOnDiskAsTypedAcrossLocales) {
    const std::vector<std::string> remarks{"12.5",
                                           "1.234",
                                           "1,234.5",
                                           "D\xC3\xA4mpfung 1,5 dB",
                                           "St. Mary's, roof",
                                           "a; b, c",
                                           ";",
                                           ",",
                                           "Ch. 5;",
                                           "  blanks  ",
                                           "\xE2\x82\xAC 3 \xE6\x97\xA5",
                                           ""};
    for (const Locale& writerLocale : {Locale::English(), Locale::German()}) {
        TemporaryFolder folder;
        Session writer(writerLocale);
        for (std::size_t k = 0; k < remarks.size(); ++k)
            writer.list.AddEntry(
                {std::to_string(100 + k), "0", "1", "Rx", "Exist", "1", remarks[k]});
        ASSERT_TRUE(writer.Save(folder.File("remarks.frq")));
        for (const Locale& readerLocale : {Locale::English(), Locale::German()}) {
            Session reader(readerLocale);
            ASSERT_TRUE(reader.commands.LoadFrequencyList(folder.File("remarks.frq")));
            ASSERT_EQ(reader.list.count(), static_cast<int>(remarks.size()));
            for (int k = 0; k < reader.list.count(); ++k)
                EXPECT_EQ(reader.list.entry(k).remarks(), remarks[static_cast<std::size_t>(k)]);
        }
    }
}

TEST(FileCommands, FrequenciesOutOfRangeAreReportedLikeDuplicatesAndLeftOut) {
    TemporaryFolder folder;
    std::string text = "Site\r\nDate\r\nComment\r\n";
    for (const char* f : {"12345678", "99999.99999", "100000", "0", "-5", "99999.99999", "0.00001"})
        text += std::string(f) + ",0,1,Both,Exist,1,,\r\n";
    WriteBytes(folder.File("range.frq"), text);
    const auto prompt = [](const std::string& what) {
        return what + "MHz\r\nwas not added. Show further messages?";
    };
    Session yes(Locale::German());
    yes.box.answers = {msgbox::Yes, msgbox::Yes, msgbox::Yes, msgbox::Yes, msgbox::Yes};
    ASSERT_TRUE(yes.commands.LoadFrequencyList(folder.File("range.frq")));
    ASSERT_EQ(yes.list.count(), 2);
    EXPECT_EQ(yes.list.entry(0).frequency(), "   99.999,99999");
    EXPECT_EQ(yes.list.entry(1).frequency(), "        0,00001");
    EXPECT_EQ(yes.Prompts(),
              (std::vector<std::string>{prompt("Frequency out of range 12.345.678,00000"),
                                        prompt("Frequency out of range 100.000,00000"),
                                        prompt("Frequency out of range 0,00000"),
                                        prompt("Frequency out of range -5,00000"),
                                        prompt("Duplicate frequency 99.999,99999")}));
    // No stops the messages of both kinds for the rest of the load.
    Session no(Locale::English());
    no.box.answers = {msgbox::No};
    ASSERT_TRUE(no.commands.LoadFrequencyList(folder.File("range.frq")));
    EXPECT_EQ(no.list.count(), 2);
    EXPECT_EQ(no.Prompts().size(), 1u);
}

} // namespace
} // namespace spurline
