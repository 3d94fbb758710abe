// spurline-calc interrupted while it writes its graph: the temporary file goes with it.

#include "SignalCleanup.h"

#include "document/AtomicFile.h"
#include "support/TemporaryFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spurline::cli {
namespace {

int interruption = 0;

// The file size limit stops the write half-way; its signal handler sends the interruption.
void Interrupt(int) {
    std::raise(interruption);
}

TEST(SignalCleanup, AnInterruptedSaveRemovesItsTemporaryFile) {
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        testing::TemporaryFolder folder;
        const std::string path = folder.File("graph.svg");
        testing::WriteBytes(path, "old");
        const pid_t child = ::fork();
        if (child == 0) {
            // The named temporary file is the one a signal can leave behind.
            UseUnnamedTemporaryFiles(false);
            RemoveTemporaryFileOnSignals();
            interruption = signal;
            std::signal(SIGXFSZ, Interrupt);
            const rlimit noCore{0, 0};
            const rlimit limit{1 << 20, 1 << 20};
            ::setrlimit(RLIMIT_CORE, &noCore);
            ::setrlimit(RLIMIT_FSIZE, &limit);
            try {
                WriteFileAtomically(path, std::string(4 << 20, 'x'));
            } catch (...) {
            }
            ::_exit(0);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"graph.svg"});
        EXPECT_EQ(testing::ReadBytes(path), "old");
    }
}

} // namespace
} // namespace spurline::cli
