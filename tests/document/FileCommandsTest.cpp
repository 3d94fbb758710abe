#include "document/FileCommands.h"

#include "document/ErrorReport.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"
#include "document/MessageBox.h"
#include "document/SiteFile.h"
#include "support/ListEvents.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sys/mount.h>

namespace spurline {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

// A dialog as one line: kind, title, filter, folder, name and the overwrite and exist flags.
std::string Describe(const testing::ScriptedFileDialogs::Shown& d) {
    const FileDialogOptions& o = d.options;
    return std::string(d.save ? "save|" : "open|") + o.title + "|" + o.filter + "|" +
           o.initialDirectory + "|" + o.initialName + (o.confirmOverwrite ? "|overwrite" : "") +
           (o.mustExist ? "|exist" : "");
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
        : list(std::move(locale)), commands(list, selection, states, box, dialogs, host) {}
    testing::ScriptedMessageBox box;
    testing::ScriptedFileDialogs dialogs;
    FakeHost host;
    FrequencyList list;
    FrequencySelection selection{list};
    ListCommandStates states{list, selection};
    FileCommands commands;
    testing::ListEvents events{list};

    // After every command the window is usable again and the pointer normal.
    void ExpectUsable() const {
        EXPECT_TRUE(host.windowEnabled);
        EXPECT_FALSE(host.busy);
    }
    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const auto& shown : box.shown)
            prompts.push_back(shown.prompt);
        return prompts;
    }
    std::string Header() const {
        return list.siteName() + "|" + list.lastSaved() + "|" + list.comment();
    }
    bool Save(const std::string& path) {
        dialogs.answers.push_back(path);
        return commands.cmdSave_Click();
    }
    // Writes the bytes to the file and loads it.
    bool Load(const std::string& path, const std::string& bytes) {
        WriteBytes(path, bytes);
        return commands.LoadFrequencyList(path);
    }
    // The example site, numbers written in the list's own locale.
    void Fill() {
        const bool comma = list.locale().decimalSeparator == ",";
        const auto n = [comma](std::string text) {
            std::replace(text.begin(), text.end(), '.', comma ? ',' : '.');
            return text;
        };
        list.SetSiteName(comma ? "S\xC3\xA4gewerk" : "North Ridge");
        list.SetComment(comma ? "Dach, Ost" : "Hill top");
        list.AddEntry({"174", "4600", n("12.5"), "Both", "Exist", n("12.5"), "Mast A"});
        list.AddEntry({n("1234.5"), "-100", "25", "Tx", "Plan", "", "12345"});
        list.AddEntry({n("150.0125"), "0", "", "Rx", "Exist", n("6.25"),
                       comma ? "St. Mary's, roof" : "St. Mary's; roof"});
    }
};

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

// Remarks with either locale's separators and numbers in them, which must come back as typed.
const char* const kRemarks[] = {
    "12.5",   "1,234.5",    "D\xC3\xA4mpfung 1,5 dB",      "a; b, c", ";", ",",
    "Ch. 5;", "  blanks  ", "\xE2\x82\xAC 3 \xE6\x97\xA5", ""};

using Texts = std::array<std::string, 8>;

// The level values go to "<site>.levels" beside the site, which stays byte for byte what it was,
// and come back with the load; values for entries the site lacks are named, not used; a site
// without level values leaves no companion behind.
TEST(FileCommandsLevels, TravelInACompanionBesideTheSite) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        SCOPED_TRACE(locale.decimalSeparator);
        TemporaryFolder folder;
        const std::string path = folder.File("site.frq");
        Session s(locale);
        s.Fill();
        SiteLevels site;
        site.isolationDb = 35.5;
        s.list.SetSiteLevels(site);
        s.list.SetEntryLevels(2, {{}, -118.5, {}, {}, 20});
        ASSERT_TRUE(s.Save(path));
        EXPECT_EQ(ReadBytes(path), locale.decimalSeparator == "," ? kGermanFile : kEnglishFile);
        EXPECT_EQ(ReadBytes(path + ".levels"), "spurline-levels,1\n"
                                               "site,35.5,70,25,-116,70,0,0\n"
                                               "entry,150.0125,,-118.5,,,20\n");

        Session back(locale);
        ASSERT_TRUE(back.commands.LoadFrequencyList(path));
        EXPECT_EQ(back.list.siteLevels(), site);
        EXPECT_EQ(back.list.entry(2).levels, (EntryLevels{{}, -118.5, {}, {}, 20}));
        EXPECT_TRUE(back.list.entry(0).levels.empty());
        EXPECT_FALSE(back.list.changed());
        EXPECT_TRUE(back.Prompts().empty());

        WriteBytes(path + ".levels", "spurline-levels,1\r\nentry,451,10,,,,\r\n"
                                     "entry,150.0125,0,,,,\r\nentry,178.6,5,,,,\r\n"
                                     "entry,178.6,6,,,,\r\nmast,1\r\n");
        Session odd(locale);
        ASSERT_TRUE(odd.commands.LoadFrequencyList(path));
        EXPECT_EQ(odd.Prompts(), std::vector<std::string>{"Level values not used:\r\n"
                                                          "line 2: no entry at 451 MHz\r\n"
                                                          "line 3: values of 150.0125 MHz out of "
                                                          "range\r\n"
                                                          "line 5: 178.6 MHz named twice\r\n"
                                                          "line 6: not a site or entry line"});
        EXPECT_EQ(odd.list.entry(0).levels.txPowerW, 5);
        EXPECT_TRUE(odd.list.entry(2).levels.empty());
        EXPECT_EQ(odd.list.siteLevels(), SiteLevels{});

        back.list.SetEntryLevels(2, {});
        back.list.SetSiteLevels({});
        ASSERT_TRUE(back.Save(path));
        EXPECT_FALSE(fs::exists(path + ".levels"));
    }
}

TEST(FileCommands, SaveWritesTheExactBytesAndLoadsThemBackInBothLocales) {
    struct Case {
        Locale locale;
        std::string bytes;
    };
    for (const Case& c :
         {Case{Locale::English(), kEnglishFile}, Case{Locale::German(), kGermanFile}}) {
        TemporaryFolder folder;
        Session writer(c.locale);
        writer.Fill();
        const std::string path = folder.File("north-ridge.frq");
        ASSERT_TRUE(writer.Save(path));
        EXPECT_EQ(ReadBytes(path), c.bytes);
        EXPECT_FALSE(writer.list.changed());
        EXPECT_EQ(writer.list.filePath(), path);
        EXPECT_EQ(writer.list.fileDisplayPath(), "...north-ridge.frq");
        EXPECT_EQ(writer.host.caption, path);
        EXPECT_EQ(writer.host.busyCalls, 2);
        writer.ExpectUsable();
        // Saving does not add to the recent files.
        EXPECT_TRUE(writer.box.shown.empty() && writer.host.mru.empty());
        ASSERT_EQ(writer.dialogs.shown.size(), 1u);
        EXPECT_EQ(
            Describe(writer.dialogs.shown[0]),
            "save|Save frequency list|Frequency list (*.frq)|*.frq|/opt/spurline||overwrite|exist");
        // The next dialog offers the name chosen last; saving over the file replaces it.
        writer.host.now = {2027, 1, 2, 3, 4, 5};
        writer.list.SetSiteName("S\xC3\xA4gewerk 2");
        writer.list.AddEntry({"98.5", "0", "200", "Tx", "Exist", "", "FM"});
        for (int k = 0; k < std::ssize(kRemarks); ++k)
            writer.list.AddEntry(
                {std::to_string(100 + k), "0", "1", "Rx", "Exist", "1", kRemarks[k]});
        writer.list.SetChecked(1, false);
        writer.selection.SetSelected(2, true);
        ASSERT_TRUE(writer.Save(path));
        EXPECT_EQ(writer.dialogs.shown[1].options.initialName, path);
        const std::string bytes = ReadBytes(path);
        EXPECT_EQ(bytes.substr(0, bytes.find("\r\n", 12) + 2), "S\xC3\xA4gewerk 2\r\n02 " +
                                                                   c.locale.monthAbbreviations[0] +
                                                                   " 2027 03:04:05\r\n");
        // Loaded in the same locale, every text comes back.
        Session reader(c.locale);
        reader.list.AddEntry({"1", "0", "1", "Both", "Exist", "1", "old entry"});
        reader.list.SortByColumn(1);
        ASSERT_TRUE(reader.commands.LoadFrequencyList(path));
        ASSERT_EQ(reader.list.count(), writer.list.count());
        for (int row = 0; row < writer.list.count(); ++row) {
            EXPECT_EQ(reader.list.entry(row).texts, writer.list.entry(row).texts) << row;
            EXPECT_TRUE(reader.list.entry(row).checked); // check marks are not stored
            EXPECT_FALSE(reader.selection.selected(row));
        }
        const bool comma = c.locale.decimalSeparator == ",";
        EXPECT_EQ(reader.Header(), writer.Header());
        EXPECT_EQ(reader.list.filePath(), path);
        EXPECT_EQ(reader.list.fileDisplayPath(), "...north-ridge.frq");
        EXPECT_FALSE(reader.list.changed());
        const CommandStates& on = reader.states.commands();
        EXPECT_TRUE(on.clear && on.calculate && on.print && reader.commands.ShowDuplicateMessages);
        EXPECT_FALSE(reader.list.sortState().sorted);
        EXPECT_EQ(reader.events.resultClears, 1);
        EXPECT_EQ(reader.events.recalculations, 1);
        EXPECT_EQ(reader.host.caption, path);
        EXPECT_EQ(reader.host.statusCleared, 1);
        reader.ExpectUsable();
        // Events run once before the window is disabled and once per entry line while it is.
        EXPECT_EQ(reader.host.eventsRun, 1 + writer.list.count());
        EXPECT_EQ(reader.host.eventsRunWhileDisabled, writer.list.count());
        EXPECT_TRUE(reader.host.mru.empty() && reader.box.shown.empty());
        // Read in the other locale, the numbers change notation and every text stays as written.
        Session other(comma ? Locale::English() : Locale::German());
        ASSERT_TRUE(other.commands.LoadFrequencyList(path));
        ASSERT_EQ(other.list.count(), writer.list.count());
        for (int row = 0; row < writer.list.count(); ++row) {
            Texts expected = writer.list.entry(row).texts;
            for (std::size_t column : {ColFrequency, ColOffset, ColTxBandwidth, ColRxBandwidth}) {
                for (char& ch : expected[column])
                    ch = ch == '.' ? ',' : ch == ',' ? '.' : ch;
            }
            EXPECT_EQ(other.list.entry(row).texts, expected) << row;
        }
        for (int k = 0; k < std::ssize(kRemarks); ++k)
            EXPECT_EQ(other.list.entry(4 + k).remarks(), kRemarks[k]);
        // The header fields lose the reader's separator, as its save would drop it.
        EXPECT_EQ(other.list.siteName() + "|" + other.list.comment(),
                  comma ? "S\xC3\xA4gewerk 2|Dach Ost" : "S\xC3\xA4gewerk 2|Hill top");
    }
}

TEST(FileCommands, ShortFilesReportInputPastEndOfFile) {
    const std::string pastEnd = "Error: 62 description: Input past end of file at line: load/";
    struct Case {
        const char* bytes; // null: no file there
        bool loads;
        int entries;
        std::string prompt; // empty: no message
        const char* header;
    };
    const Case cases[] = {
        // Header lines only: the header fields are set, then the error.
        {"a\r\nb\r\nc\r\n", false, 0, pastEnd + "entry", "a|b|c"},
        // One more line, even without its line end, is an entry; an empty one adds nothing.
        {"a\r\nb\r\nc\r\n98.5,0,1,Tx,Exist,,x", true, 1, "", "a|b|c"},
        {"a\r\nb\r\nc\r\n\r\n", true, 0, "", "a|b|c"},
        // An empty file and one of two lines fail before any header field is set.
        {"", false, 0, pastEnd + "header", "Kept||"},
        {"x\r\ny", false, 0, pastEnd + "header", "Kept||"},
        {nullptr, false, 0, "Error: 53 description: File not found at line: load/open", "Kept||"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes ? c.bytes : "missing");
        TemporaryFolder folder;
        Session s(Locale::English());
        s.list.SetSiteName("Kept");
        const std::string path = folder.File("short.frq");
        if (c.bytes)
            WriteBytes(path, c.bytes);
        EXPECT_EQ(s.commands.LoadFrequencyList(path), c.loads);
        EXPECT_EQ(s.Prompts(), c.prompt.empty() ? std::vector<std::string>{}
                                                : std::vector<std::string>{c.prompt});
        if (!s.box.shown.empty()) {
            EXPECT_EQ(s.box.shown[0].buttons, msgbox::Critical);
        }
        ASSERT_EQ(s.list.count(), c.entries);
        if (c.entries) {
            EXPECT_EQ(s.list.entry(0).remarks(), "x");
        }
        EXPECT_EQ(s.Header(), c.header);
        s.ExpectUsable();
        const CommandStates& on = s.states.commands();
        EXPECT_TRUE(c.loads || (s.list.changed() && !on.clear && !on.calculate));
    }
    // No path, no load.
    Session s(Locale::English());
    EXPECT_FALSE(s.commands.LoadFrequencyList(""));
    EXPECT_EQ(s.host.busyCalls + s.box.shown.size(), 0u);
}

TEST(FileCommands, AFileOverTheSizeLimitIsRefusedUnreadWithItsName) {
    TemporaryFolder folder;
    Session s(Locale::English());
    s.Fill();
    // Sparse: it takes no room on the disk.
    const std::string path = folder.File("huge.frq");
    WriteBytes(path, "Site\r\nDate\r\nComment\r\n");
    fs::resize_file(path, MaxSiteFileBytes + 1);
    EXPECT_FALSE(s.commands.LoadFrequencyList(path));
    EXPECT_EQ(s.Prompts(),
              std::vector<std::string>{"Error: 321 description: File too large: " + path +
                                       " (more than 64 MiB) at line: load/open"});
    EXPECT_EQ(s.box.shown[0].buttons, msgbox::Critical);
    EXPECT_TRUE(s.list.empty());
    s.ExpectUsable();
    // At the limit a file is read.
    const std::string small = folder.File("small.frq");
    WriteBytes(small, "Site\r\nDate\r\nComment\r\n");
    EXPECT_EQ(ReadSiteFile(small, 21), "Site\r\nDate\r\nComment\r\n");
    EXPECT_THROW(ReadSiteFile(small, 20), CommandFailure);
}

// A tmpfs of the given size mounted on folder, where this process may mount one (as root in a
// container); unmounted again at the end.
class TinyFileSystem {
public:
    TinyFileSystem(const fs::path& folder, const std::string& size) : folder_(folder) {
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
    }
    ~TinyFileSystem() {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    TinyFileSystem(const TinyFileSystem&) = delete;
    TinyFileSystem& operator=(const TinyFileSystem&) = delete;
    bool mounted() const { return mounted_; }
    bool MakeReadOnly() const {
        return ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    fs::path folder_;
    bool mounted_ = false;
};

const std::string kOld =
    "Site\r\n01 Jan 2026 10:00:00\r\n\r\n      174.00000,0,,Tx,Exist,N/A,,\r\n";

// The saved file's folder holding site.frq with kOld, on a 64 KiB file system where the test may
// mount one; a fault breaks something and returns the path to save to.
struct Scene {
    TemporaryFolder site;
    std::unique_ptr<TinyFileSystem> tiny = std::make_unique<TinyFileSystem>(site.path(), "64k");
    std::optional<testing::FileSizeLimit> limit;
    std::string File() const { return site.File("site.frq"); }
};

// Every fault gives the error report and leaves the last good file, no temporary file and a
// list still marked changed.
TEST(FileCommands, EachSaveFaultGivesTheReportAndKeepsTheLastGoodFile) {
    struct Fault {
        const char* name;
        std::string (*prepare)(Scene&);
        std::string report;
    };
    const Fault faults[] = {
        {"read-only file",
         [](Scene& s) {
             fs::permissions(s.File(), fs::perms::owner_read | fs::perms::group_read);
             return s.File();
         },
         "Error: 70 description: Permission denied at line: save/create"},
        {"read-only folder",
         [](Scene& s) {
             // An administrator writes into any folder; a read-only file system stops everyone.
             if (!s.tiny->mounted() || !s.tiny->MakeReadOnly())
                 fs::permissions(s.site.path(), fs::perms::owner_read | fs::perms::owner_exec);
             return s.File();
         },
         "Error: 70 description: Permission denied at line: save/create"},
        {"full file system",
         [](Scene& s) {
             if (!s.tiny->mounted())
                 s.limit.emplace(256); // the write fails as on a full disk
             return s.File();
         },
         "Error: 61 description: Disk full at line: save/write"},
        {"folder removed",
         [](Scene& s) {
             s.tiny.reset();
             fs::remove_all(s.site.path());
             return s.File();
         },
         "Error: 76 description: Path not found at line: save/create"},
        {"target is a folder",
         [](Scene& s) {
             fs::create_directory(s.site.File("folder.frq"));
             return s.site.File("folder.frq");
         },
         "Error: 75 description: Path/File access error at line: save/create"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        Scene scene;
        WriteBytes(scene.File(), kOld);
        Session s(Locale::English());
        for (int k = 0; k < 3000; ++k) // more than the tiny file system holds
            s.list.AddEntry({std::to_string(100 + k), "0", "12.5", "Both", "Exist", "12.5", "x"});
        const std::string path = fault.prepare(scene);
        const bool folderStays = fs::exists(scene.site.path());
        const std::vector<std::string> before =
            folderStays ? scene.site.Names() : std::vector<std::string>{};
        EXPECT_FALSE(s.Save(path));
        scene.limit.reset();
        // The file name and the date are set before writing and stay; the caption is not.
        EXPECT_EQ(s.host.caption + "|" + s.list.filePath() + "|" + s.list.lastSaved(),
                  "|" + path + "|05 Dec 2026 11:54:39");
        EXPECT_EQ(s.Prompts(), std::vector<std::string>{fault.report});
        EXPECT_TRUE(s.list.changed());
        s.ExpectUsable();
        if (folderStays) {
            EXPECT_EQ(ReadBytes(scene.File()), kOld);
            EXPECT_EQ(scene.site.Names(), before) << "a temporary file was left";
        }
    }
}

// Bytes drawn at random from the alphabet, or any byte when it is empty.
std::string RandomBytes(std::size_t size, unsigned seed, const std::string& alphabet = {}) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = alphabet.empty() ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
    return bytes;
}

TEST(FileCommands, GarbageFilesGiveTheErrorReportAndLeaveTheProgramUsable) {
    TemporaryFolder folder;
    Session s(Locale::English());
    s.Fill();
    // Binary data: it holds NUL bytes, which no text file does.
    EXPECT_FALSE(s.Load(folder.File("binary.frq"), RandomBytes(1u << 20, 7)));
    EXPECT_EQ(s.Prompts(), std::vector<std::string>{
                               "Error: 321 description: Invalid file format at line: load/check"});
    EXPECT_TRUE(s.list.empty());
    EXPECT_EQ(s.list.siteName(), "North Ridge");
    s.ExpectUsable();
    EXPECT_FALSE(s.states.commands().calculate);
    // The old products and graph are stale now.
    EXPECT_EQ(s.events.recalculations, 1);
    EXPECT_EQ(s.events.resultClears, 1);
    // Text garbage: every line is read, duplicates are declined once, no two rows share a key.
    s.box.answers = {msgbox::No};
    s.Load(folder.File("text.frq"),
           RandomBytes(1u << 20, 11, "0123456789.,;+- abcxyz\r\n\xE4\xFF"));
    s.ExpectUsable();
    EXPECT_EQ(s.box.unansweredQuestions, 0);
    std::set<std::string> keys;
    for (const FrequencyEntry& e : s.list.entries())
        keys.insert(e.key);
    EXPECT_EQ(keys.size(), static_cast<std::size_t>(s.list.count()));
    EXPECT_GT(s.list.count(), 100);
}

const std::string kUnnamedQuestion = "Do you want to save the\r\ncurrent frequency list?";
const std::string kNamedQuestion =
    "Do you want to save changes made\r\nto the current frequency list?";

TEST(FileCommands, SaveQuestionAndSavesThatWriteNothing) {
    TemporaryFolder folder;
    Session s(Locale::English());
    // An empty list, changed or not, is not asked about.
    s.list.SetSiteName("Only a name");
    EXPECT_TRUE(s.commands.SaveQuestion());
    EXPECT_TRUE(s.box.shown.empty());
    s.Fill();
    s.box.answers = {msgbox::No};
    EXPECT_TRUE(s.commands.SaveQuestion());
    EXPECT_EQ(s.Prompts(), std::vector<std::string>{kUnnamedQuestion});
    EXPECT_EQ(s.box.shown[0].buttons, msgbox::Question);
    EXPECT_TRUE(s.dialogs.shown.empty());
    // Yes, then the Save dialog is cancelled or given no name: nothing is saved or named.
    s.box.answers = {msgbox::Yes, msgbox::Yes};
    s.dialogs.answers = {std::nullopt, ""};
    EXPECT_FALSE(s.commands.SaveQuestion());
    EXPECT_FALSE(s.commands.SaveQuestion());
    EXPECT_TRUE(s.list.changed());
    EXPECT_EQ(s.list.filePath() + s.commands.dialogFileName() + s.list.lastSaved(), "");
    EXPECT_EQ(s.host.busyCalls, 0);
    // Yes and a name: saved; unchanged, there is no question.
    const std::string path = folder.File("q.frq");
    s.box.answers = {msgbox::Yes};
    s.dialogs.answers = {path};
    EXPECT_TRUE(s.commands.SaveQuestion());
    EXPECT_EQ(ReadBytes(path), kEnglishFile);
    EXPECT_FALSE(s.list.changed());
    EXPECT_TRUE(s.commands.SaveQuestion());
    EXPECT_EQ(s.box.shown.size(), 4u);
    // With a dialog name the wording changes; Yes and a failing save is not saved.
    s.list.SetComment("changed");
    s.box.answers = {msgbox::Yes};
    s.dialogs.answers = {folder.File("gone/q.frq")};
    EXPECT_FALSE(s.commands.SaveQuestion());
    ASSERT_EQ(s.box.shown.size(), 6u);
    EXPECT_EQ(s.box.shown[4].prompt, kNamedQuestion);
    EXPECT_EQ(s.box.shown[5].buttons, msgbox::Critical);
    EXPECT_TRUE(s.list.changed());
    // Once the save can succeed, it goes through.
    ASSERT_TRUE(s.Save(path));
    EXPECT_FALSE(s.list.changed());
    // An empty list is not saved, though its dialog shows.
    Session empty(Locale::English());
    empty.list.SetSiteName("Nothing yet");
    EXPECT_FALSE(empty.Save(folder.File("empty.frq")));
    EXPECT_EQ(empty.dialogs.shown.size(), 1u);
    EXPECT_EQ(folder.Count(), 1u);
    EXPECT_TRUE(empty.list.changed() && empty.list.lastSaved().empty() && empty.box.shown.empty());
}

TEST(FileCommands, LoadCommand) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.FRQ");
    const std::string other = folder.File("site.txt");
    WriteBytes(path, kGermanFile);
    WriteBytes(other, kEnglishFile);
    Session s(Locale::English());
    s.list.AddEntry({"1", "0", "1", "Both", "Exist", "1", "unsaved"});
    s.list.SetSiteName("Unsaved");
    // The question comes first; cancelled, nothing is loaded. A name without ".frq" is ignored
    // without a word.
    for (const std::optional<std::string>& chosen : {std::optional<std::string>(), {other}}) {
        s.box.answers = {msgbox::No};
        s.dialogs.answers = {chosen};
        s.commands.cmdLoad_Click();
        EXPECT_EQ(s.list.count(), 1);
        EXPECT_EQ(s.list.siteName(), "Unsaved");
        EXPECT_TRUE(s.host.mru.empty());
    }
    EXPECT_EQ(s.Prompts(), std::vector<std::string>(2, kUnnamedQuestion));
    ASSERT_EQ(s.dialogs.shown.size(), 2u);
    EXPECT_EQ(Describe(s.dialogs.shown[0]),
              "open|Open frequency list|Frequency list (*.frq)|*.frq|/opt/spurline||exist");
    // ".FRQ" in any case loads (here a Windows-1252 file) and goes to the recent files.
    s.box.answers = {msgbox::No};
    s.dialogs.answers = {path};
    s.commands.cmdLoad_Click();
    EXPECT_EQ(s.dialogs.shown[2].options.initialName, other);
    EXPECT_EQ(s.list.count(), 3);
    EXPECT_EQ(s.list.siteName(), "S\xC3\xA4gewerk");
    EXPECT_EQ(s.host.mru, std::vector<std::string>{path});
    EXPECT_EQ(s.commands.dialogFileName(), path);
    EXPECT_EQ(s.box.shown.size(), 3u);
    // Yes to the question with the Save dialog cancelled: the unsaved list stays, no Open dialog.
    s.list.SetSiteName("Edited");
    s.box.answers = {msgbox::Yes};
    s.dialogs.answers = {std::nullopt};
    s.commands.cmdLoad_Click();
    ASSERT_EQ(s.box.shown.size(), 4u);
    EXPECT_EQ(s.box.shown[3].prompt, kNamedQuestion);
    ASSERT_EQ(s.dialogs.shown.size(), 4u);
    EXPECT_TRUE(s.dialogs.shown[3].save);
    // Loaded and unchanged: no question before the next Open dialog.
    s.list.SetChanged(false);
    s.commands.cmdLoad_Click();
    EXPECT_EQ(s.box.shown.size(), 4u);
    EXPECT_EQ(s.dialogs.shown.size(), 5u);
    EXPECT_EQ(s.box.unansweredQuestions, 0);
}

TEST(FileCommands, FrequenciesOutOfRangeAreReportedLikeDuplicatesAndLeftOut) {
    TemporaryFolder folder;
    std::string text = "Site\r\nDate\r\nComment\r\n";
    for (const char* f : {"12345678", "99999.99999", "100000", "0", "-5", "99999.99999", "0.00001",
                          "0.000001", "99999.999996"})
        text += std::string(f) + ",0,1,Both,Exist,1,,\r\n";
    WriteBytes(folder.File("range.frq"), text);
    const auto prompt = [](const std::string& what) {
        return what + "MHz\r\nwas not added. Show further messages?";
    };
    Session yes(Locale::German());
    yes.box.answers = std::deque<int>(7, msgbox::Yes);
    ASSERT_TRUE(yes.commands.LoadFrequencyList(folder.File("range.frq")));
    ASSERT_EQ(yes.list.count(), 2);
    EXPECT_EQ(yes.list.entry(0).frequency(), "   99.999,99999");
    EXPECT_EQ(yes.list.entry(1).frequency(), "        0,00001");
    EXPECT_EQ(yes.Prompts(),
              (std::vector<std::string>{prompt("Frequency out of range 12.345.678,00000"),
                                        prompt("Frequency out of range 100.000,00000"),
                                        prompt("Frequency out of range 0,00000"),
                                        prompt("Frequency out of range -5,00000"),
                                        prompt("Duplicate frequency 99.999,99999"),
                                        // in range, but not as shown and saved
                                        prompt("Frequency out of range 0,00000"),
                                        prompt("Frequency out of range 100.000,00000")}));
    EXPECT_EQ(yes.box.shown[0].buttons, msgbox::ExclamationYesNo);
    // The messages stay on after the load: an entry a later import leaves out is named too.
    yes.box.answers = {msgbox::Yes};
    EXPECT_FALSE(yes.list.AddEntry({"99999,99999", "0", "12,5", "Both", "Exist", "12,5", ""}));
    EXPECT_EQ(yes.Prompts().back(), prompt("Duplicate frequency 99.999,99999"));
    // No stops the messages of both kinds for the rest of this load only.
    Session no(Locale::English());
    for (int load = 1; load <= 2; ++load) {
        no.box.answers = {msgbox::No};
        ASSERT_TRUE(no.commands.LoadFrequencyList(folder.File("range.frq")));
        EXPECT_EQ(no.list.count(), 2);
        EXPECT_EQ(no.Prompts(), std::vector<std::string>(
                                    load, prompt("Frequency out of range 12,345,678.00000")));
        EXPECT_FALSE(no.commands.ShowDuplicateMessages);
    }
}

TEST(FileCommands, ClearAsksAndResetsEverything) {
    Session f(Locale::English());
    EXPECT_FALSE(f.commands.Clear()); // empty: no question at all
    EXPECT_TRUE(f.box.shown.empty());
    f.list.AddEntry({"100", "0", "12.5", "Both", "Exist", "12.5", ""});
    f.list.SetSiteName("North Ridge");
    f.list.SetFile("/tmp/a.frq", "/tmp/a.frq");
    f.states.SetListCommandsEnabled(true);
    f.box.answers = {msgbox::No};
    EXPECT_FALSE(f.commands.Clear());
    EXPECT_EQ(f.list.count(), 1);
    EXPECT_EQ(f.box.shown[0].prompt, "Are you sure you want to\r\nclear all of the data?");
    EXPECT_EQ(f.box.shown[0].buttons, msgbox::Question);
    f.box.answers = {msgbox::Yes};
    EXPECT_TRUE(f.commands.Clear());
    EXPECT_TRUE(f.list.empty());
    EXPECT_EQ(f.list.siteName(), "");
    EXPECT_EQ(f.list.filePath(), "");
    EXPECT_EQ(f.events.resultClears, 1);
    const CommandStates& on = f.states.commands();
    EXPECT_FALSE(f.list.changed() || on.clear || on.save || on.calculate || on.print);
}

// An entry line's fields: frequency (MHz) and offset (kHz), both bandwidths 12.5 kHz.
std::array<std::string, 7> Line(std::string frequency, std::string offset = "0") {
    return {std::move(frequency), std::move(offset), "12.5", "Both", "Exist", "12.5", ""};
}

TEST(FileCommands, DuplicatesByOffsetFrequencyAsShownWithMessage) {
    Session f(Locale::English());
    f.commands.ShowDuplicateMessages = true;
    ASSERT_TRUE(f.list.AddEntry(Line("174", "4600")));
    // Same frequency, other offset: a different transmit frequency, so it is added.
    ASSERT_TRUE(f.list.AddEntry(Line("174", "0")));
    ASSERT_TRUE(f.list.AddEntry(Line("100.000001")));
    EXPECT_TRUE(f.box.shown.empty());
    // 178.6 MHz with offset 0 transmits where the first entry does; 100.000002 MHz and 100 MHz
    // 1 Hz up would show, calculate and save as 100.00000 beside the third.
    f.box.answers = {msgbox::Yes, msgbox::Yes, msgbox::Yes};
    EXPECT_FALSE(f.list.AddEntry(Line("178.6", "0")));
    EXPECT_FALSE(f.list.AddEntry(Line("100.000002")));
    EXPECT_FALSE(f.list.AddEntry(Line("100", "0.001")));
    EXPECT_EQ(f.box.shown[0].buttons, msgbox::ExclamationYesNo);
    EXPECT_TRUE(f.commands.ShowDuplicateMessages);
    std::vector<std::string> prompts;
    for (const auto& shown : f.box.shown)
        prompts.push_back(shown.prompt);
    const auto prompt = [](const std::string& frequency) {
        return "Duplicate frequency " + frequency + "MHz\r\nwas not added. Show further messages?";
    };
    EXPECT_EQ(prompts, (std::vector<std::string>{prompt("178.60000"), prompt("100.00000"),
                                                 prompt("100.00000")}));
    ASSERT_EQ(f.list.count(), 3);
    EXPECT_EQ(f.list.entry(2).key, "F:100.00000");
}

} // namespace
} // namespace spurline
