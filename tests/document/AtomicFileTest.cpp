#include "document/AtomicFile.h"

#include "document/ErrorReport.h"
#include "support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace spurline {
namespace {

namespace fs = std::filesystem;
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
