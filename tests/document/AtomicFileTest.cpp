#include "document/AtomicFile.h"

#include "document/ErrorReport.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace spurline {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;
// Runs f and returns the CommandFailure it throws; fails the test when it throws none.
template <typename F> CommandFailure FailureOf(F&& f) {
    try {
        f();
    } catch (const CommandFailure& failure) {
        return failure;
    }
    ADD_FAILURE() << "no CommandFailure thrown";
    return CommandFailure(0, "");
}

TEST(AtomicFile, WritesAndReplacesWholeFiles) {
    TemporaryFolder folder;
    const std::string target = folder.File("site.frq");
    const std::string first = std::string("line 1\r\n\0binary\xFF", 16) + "\r\n";
    WriteFileAtomically(target, first);
    EXPECT_EQ(ReadBytes(target), first);
    EXPECT_EQ(ReadWholeFile(target), first);

    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFileAtomically(target, "second, shorter\r\n");
    EXPECT_EQ(ReadBytes(target), "second, shorter\r\n");
    // The replacement keeps the permissions of the file it replaced.
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
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

TEST(AtomicFile, FailuresLeaveTheOldFileAlone) {
    TemporaryFolder folder;
    const std::string target = folder.File("site.frq");
    const std::string old = "North Ridge\r\n05 Dec 2026 11:54:39\r\nold\r\n";
    WriteBytes(target, old);

    // A full disk: the write fails midway.
    {
        CommandFailure failure = FailureOf([&] {
            FileSizeLimit limit(64);
            WriteFileAtomically(target, std::string(100000, 'x'));
        });
        EXPECT_EQ(failure.number(), errors::DiskFull);
        EXPECT_STREQ(failure.what(), "Disk full");
        EXPECT_EQ(failure.step(), "save/write");
        EXPECT_EQ(ReadBytes(target), old);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"site.frq"});
    }

    // A folder that does not exist.
    {
        CommandFailure failure =
            FailureOf([&] { WriteFileAtomically(folder.File("missing/site.frq"), "x"); });
        EXPECT_EQ(failure.number(), errors::PathNotFound);
        EXPECT_STREQ(failure.what(), "Path not found");
        EXPECT_EQ(failure.step(), "save/create");
    }

    // A folder where the file should be.
    {
        fs::create_directory(folder.File("taken.frq"));
        CommandFailure failure =
            FailureOf([&] { WriteFileAtomically(folder.File("taken.frq"), "x"); });
        EXPECT_EQ(failure.number(), errors::PathFileAccessError);
        EXPECT_STREQ(failure.what(), "Path/File access error");
        EXPECT_TRUE(fs::is_directory(folder.File("taken.frq")));
        fs::remove(folder.File("taken.frq"));
    }

    // A folder that became read-only. A privileged user writes there anyway; then the save
    // simply succeeds, which is what the system itself would allow.
    {
        fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                           fs::perms::group_read | fs::perms::group_exec |
                                           fs::perms::others_read | fs::perms::others_exec);
        const bool privileged = std::ofstream(folder.File("probe")).good();
        if (privileged) {
            fs::remove(folder.File("probe"));
            WriteFileAtomically(target, "replaced");
            EXPECT_EQ(ReadBytes(target), "replaced");
        } else {
            CommandFailure failure = FailureOf([&] { WriteFileAtomically(target, "replaced"); });
            EXPECT_EQ(failure.number(), errors::PermissionDenied);
            EXPECT_STREQ(failure.what(), "Permission denied");
            EXPECT_EQ(failure.step(), "save/create");
            EXPECT_EQ(ReadBytes(target), old);
        }
        fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"site.frq"});
    }
}

TEST(AtomicFile, ReadFailures) {
    TemporaryFolder folder;
    CommandFailure missing = FailureOf([&] { ReadWholeFile(folder.File("none.frq")); });
    EXPECT_EQ(missing.number(), errors::FileNotFound);
    EXPECT_STREQ(missing.what(), "File not found");
    EXPECT_EQ(missing.step(), "load/open");

    CommandFailure directory = FailureOf([&] { ReadWholeFile(folder.path().string()); });
    EXPECT_EQ(directory.number(), errors::PathFileAccessError);
    EXPECT_EQ(directory.step(), "load/read");

    // A pipe or an endless device is refused at once instead of blocking or filling memory.
    const std::string pipe = folder.File("pipe.frq");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    CommandFailure fifo = FailureOf([&] { ReadWholeFile(pipe); });
    EXPECT_EQ(fifo.number(), errors::PathFileAccessError);
    EXPECT_EQ(fifo.step(), "load/open");
    if (fs::exists("/dev/zero")) {
        CommandFailure device = FailureOf([&] { ReadWholeFile("/dev/zero"); });
        EXPECT_EQ(device.number(), errors::PathFileAccessError);
        EXPECT_EQ(device.step(), "load/open");
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
