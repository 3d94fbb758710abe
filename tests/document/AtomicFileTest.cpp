#include "document/AtomicFile.h"

#include "document/ErrorReport.h"
#include "support/TemporaryFolder.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace spurline {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;
// Runs f and returns the number and step of the CommandFailure it throws.
template <typename F> std::string FailureOf(F&& f) {
    try {
        f();
    } catch (const CommandFailure& failure) {
        return std::to_string(failure.number()) + " " + failure.what() + " at " + failure.step();
    }
    return "no failure";
}

// Runs f in a child process and returns its wait status; f's result is the exit code.
template <typename F> int InChild(F&& f) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::_exit(f());
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status;
}

struct stat StatOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

TEST(AtomicFile, WritesAndReplacesWholeFiles) {
    TemporaryFolder folder;
    const std::string target = folder.File("site.frq");
    const std::string first = std::string("line 1\r\n\0binary\xFF", 16) + "\r\n";
    WriteFileAtomically(target, first);
    EXPECT_EQ(ReadBytes(target), first);
    EXPECT_EQ(ReadWholeFile(target), first);
    WriteFileAtomically(target, "second, shorter\r\n");
    EXPECT_EQ(ReadBytes(target), "second, shorter\r\n");
    // No temporary file is left behind.
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"site.frq"});
    WriteFileAtomically(target, "");
    EXPECT_EQ(fs::file_size(target), 0u);
    // Saving through a link updates the file it points to and keeps the link.
    const std::string real = folder.File("real.frq");
    const std::string link = folder.File("link.frq");
    WriteBytes(real, "old");
    fs::create_symlink(real, link);
    WriteFileAtomically(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "new");
}

TEST(AtomicFile, ReplacingAWritableFileKeepsItsPermissionsAndOwner) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.frq");
    // Another user's file, where this process may hand it back (as root).
    const bool root = ::geteuid() == 0;
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0666)}) {
        SCOPED_TRACE(static_cast<int>(mode));
        WriteBytes(path, "old");
        fs::permissions(path, mode);
        if (root) {
            ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        }
        WriteFileAtomically(path, "new");
        EXPECT_EQ(ReadBytes(path), "new");
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(fs::perms(info.st_mode & 07777), mode);
        EXPECT_EQ(info.st_uid, root ? 65534u : ::geteuid());
    }
}

// A file with other names is written in place, after a copy of its content went to NAME~: every
// name sees the new content, and a failure leaves the old content in place.
TEST(AtomicFile, AHardLinkedFileKeepsItsLinks) {
    TemporaryFolder folder;
    const std::string path = folder.File("site.frq");
    const std::string other = folder.File("other.frq");
    WriteBytes(path, "old content");
    fs::permissions(path, fs::perms(0640));
    fs::create_hard_link(path, other);
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(FailureOf([&] { WriteFileAtomically(path, std::string(10000, 'x')); }),
                  "61 Disk full at save/write");
    }
    EXPECT_EQ(ReadBytes(path), "old content");
    EXPECT_EQ(ReadBytes(other), "old content");
    const struct stat before = StatOf(path);
    WriteFileAtomically(path, "new");
    const struct stat after = StatOf(path);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(other), "new");
    EXPECT_EQ(ReadBytes(path + "~"), "old content");
    EXPECT_EQ(StatOf(path + "~").st_mode & 07777, 0640u);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"other.frq", "site.frq", "site.frq~"}));
}

// Another user's file that this process may write but not hand back stays theirs: it is
// written in place instead of being replaced by a file of this user's.
TEST(AtomicFile, AnotherUsersFileStaysTheirs) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as another user needs root";
    TemporaryFolder folder;
    fs::permissions(folder.path(), fs::perms(0777));
    const std::string path = folder.File("site.frq");
    WriteBytes(path, "old");
    fs::permissions(path, fs::perms(0666));
    const struct stat before = StatOf(path);
    const int status = InChild([&] {
        if (::setegid(65534) != 0 || ::seteuid(65534) != 0)
            return 2;
        try {
            WriteFileAtomically(path, "new");
        } catch (const CommandFailure&) {
            return 3;
        }
        return 0;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const struct stat after = StatOf(path);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode & 07777, 0666u);
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(ReadBytes(path + "~"), "old");
}

// A save killed half-way (here by the file size limit's signal) leaves the old file and nothing
// else where the file system offers unnamed temporary files.
TEST(AtomicFile, AKilledSaveLeavesNoTemporaryFile) {
    TemporaryFolder folder;
    const int probe = ::open(folder.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe < 0)
        GTEST_SKIP() << "no unnamed temporary files here";
    ::close(probe);
    const std::string path = folder.File("graph.svg");
    WriteBytes(path, "old");
    const int status = InChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{1 << 20, 1 << 20};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        WriteFileAtomically(path, std::string(4 << 20, 'x'));
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"graph.svg"});
    EXPECT_EQ(ReadBytes(path), "old");
}

TEST(AtomicFile, ReadFailures) {
    TemporaryFolder folder;
    EXPECT_EQ(FailureOf([&] { ReadWholeFile(folder.File("none.frq")); }),
              "53 File not found at load/open");
    EXPECT_EQ(FailureOf([&] { ReadWholeFile(folder.path().string()); }),
              "75 Path/File access error at load/read");
    // A pipe or an endless device is refused at once instead of blocking or filling memory.
    const std::string pipe = folder.File("pipe.frq");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(FailureOf([&] { ReadWholeFile(pipe); }), "75 Path/File access error at load/open");
    if (fs::exists("/dev/zero")) {
        EXPECT_EQ(FailureOf([&] { ReadWholeFile("/dev/zero"); }),
                  "75 Path/File access error at load/open");
    }
    // A file larger than the read buffer comes back whole.
    std::string big;
    for (int i = 0; i < 200000; ++i)
        big += static_cast<char>(i * 7);
    WriteBytes(folder.File("big"), big);
    EXPECT_EQ(ReadWholeFile(folder.File("big")), big);
}

} // namespace
} // namespace spurline
