// Saving when the system refuses: every fault gives the error report and leaves the last good
// file, no temporary file and a list still marked changed.

#include "document/AtomicFile.h"
#include "document/FileCommands.h"
#include "document/MessageBox.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"
#include "support/TemporaryFolder.h"

#include <filesystem>
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
    "Site\r\n01 Jan 2026 10:00:00\r\n\r\n      174.00000,0,,Tx,Exist,N/A,,\r\n";

// The saved file's folder holding site.frq with kOld, on a 64 KiB file system where the test may
// mount one; a fault breaks something and returns the path to save to.
struct Scene {
    TemporaryFolder site;
    std::unique_ptr<TinyFileSystem> tiny = std::make_unique<TinyFileSystem>(site.path(), "64k");
    std::optional<testing::FileSizeLimit> limit;
    std::string File() const { return site.File("site.frq"); }
};

TEST(SaveFaults, EachGivesTheReportAndKeepsTheLastGoodFile) {
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
        testing::ScriptedMessageBox box;
        testing::ScriptedFileDialogs dialogs;
        QuietHost host;
        FrequencyList list(Locale::English(), box);
        FileCommands commands(list, box, dialogs, host);
        for (int k = 0; k < 3000; ++k) // more than the tiny file system holds
            list.AddEntry({std::to_string(100 + k), "0", "12.5", "Both", "Exist", "12.5", "x"});

        dialogs.answers.push_back(fault.prepare(scene));
        const bool folderStays = fs::exists(scene.site.path());
        const std::vector<std::string> before =
            folderStays ? scene.site.Names() : std::vector<std::string>{};
        EXPECT_FALSE(commands.cmdSave_Click());
        scene.limit.reset();
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].prompt, fault.report);
        EXPECT_EQ(box.shown[0].buttons, msgbox::Critical);
        EXPECT_TRUE(list.changed());
        if (folderStays) {
            EXPECT_EQ(ReadBytes(scene.File()), kOld);
            EXPECT_EQ(scene.site.Names(), before) << "a temporary file was left";
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
