// Saving when the system refuses: every fault gives the error report and leaves the last good
// file, no temporary file and a list still marked changed.

#include "document/AtomicFile.h"
#include "document/FileCommands.h"
#include "document/MessageBox.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spurline {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

class QuietHost final : public IFileCommandHost {
public:
    void SetBusyCursor(bool) override {}
    void SetWindowEnabled(bool) override {}
    void LetEventsRun() override {}
    void UpdateCaption(const std::string&) override {}
    void ClearStatusLine() override {}
    std::string CompactForFileNameField(const std::string& path) override { return path; }
    LocalDateTime Now() override { return {2026, 12, 5, 11, 54, 39}; }
    std::string ProgramDirectory() override { return "/"; }
    void AddMRUItem(const std::string&) override {}
};

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
    "Site\r\n01 Jan 2026 10:00:00\r\n\r\n      174.00000,0,12.50,Tx,Exist,N/A,,\r\n";

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The folder of the saved file, on a 64 KiB file system where the test may mount one.
struct Scene {
    fs::path site;
    std::unique_ptr<TinyFileSystem> tiny;
    std::optional<testing::FileSizeLimit> limit;
    std::string File() const { return (site / "site.frq").string(); }
};

// One fault: prepare breaks something around site.frq (holding kOld) and returns the path to
// save to.
struct Fault {
    const char* name;
    std::function<std::string(Scene&)> prepare;
    std::string report;
    bool folderStays = true;
};

TEST(SaveFaults, EachGivesTheReportAndKeepsTheLastGoodFile) {
    const Fault faults[] = {
        {"read-only file",
         [](Scene& s) {
             fs::permissions(s.File(), fs::perms::owner_read | fs::perms::group_read |
                                           fs::perms::others_read);
             return s.File();
         },
         "Error: 70 description: Permission denied at line: save/create"},
        {"read-only folder",
         [](Scene& s) {
             // An administrator writes into a folder whatever its permissions; a read-only file
             // system stops everyone.
             if (s.tiny->mounted())
                 EXPECT_TRUE(s.tiny->MakeReadOnly());
             else
                 fs::permissions(s.site, fs::perms::owner_read | fs::perms::owner_exec);
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
             fs::remove_all(s.site);
             return s.File();
         },
         "Error: 76 description: Path not found at line: save/create", false},
        {"target is a folder",
         [](Scene& s) {
             fs::create_directory(s.site / "folder.frq");
             return (s.site / "folder.frq").string();
         },
         "Error: 75 description: Path/File access error at line: save/create"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        TemporaryFolder folder;
        Scene scene;
        scene.site = folder.path() / "site";
        fs::create_directory(scene.site);
        scene.tiny = std::make_unique<TinyFileSystem>(scene.site, "64k");
        WriteBytes(scene.File(), kOld);

        testing::ScriptedMessageBox box;
        testing::ScriptedFileDialogs dialogs;
        QuietHost host;
        FrequencyList list(Locale::English(), box);
        FileCommands commands(list, box, dialogs, host);
        // More than the tiny file system holds.
        for (int k = 0; k < 3000; ++k)
            list.AddEntry({std::to_string(100 + k), "0", "12.5", "Both", "Exist", "12.5", "x"});

        dialogs.answers.push_back(fault.prepare(scene));
        const std::vector<std::string> before =
            fault.folderStays ? Names(scene.site) : std::vector<std::string>{};
        EXPECT_FALSE(commands.cmdSave_Click());
        scene.limit.reset();
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].prompt, fault.report);
        EXPECT_EQ(box.shown[0].buttons, msgbox::Critical);
        EXPECT_TRUE(list.changed());
        if (fault.folderStays) {
            EXPECT_EQ(ReadBytes(scene.File()), kOld);
            EXPECT_EQ(Names(scene.site), before) << "a temporary file was left";
            std::error_code ignored; // a read-only file system keeps its permissions
            fs::permissions(scene.site, fs::perms::owner_all, fs::perm_options::add, ignored);
        } else {
            EXPECT_FALSE(fs::exists(scene.site));
        }
    }
}

TEST(SaveFaults, ReplacingAWritableFileKeepsItsPermissionsAndOwner) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.frq");
    // Another user's file, where this process may hand it back (as root).
    const bool root = ::geteuid() == 0;
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0666)}) {
        SCOPED_TRACE(static_cast<int>(mode));
        WriteBytes(path, kOld);
        fs::permissions(path, mode);
        if (root)
            ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        WriteFileAtomically(path, "new");
        EXPECT_EQ(ReadBytes(path), "new");
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(fs::perms(info.st_mode & 07777), mode);
        EXPECT_EQ(info.st_uid, root ? 65534u : ::geteuid());
    }
}

} // namespace
} // namespace spurline
