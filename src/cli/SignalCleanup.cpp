#include "SignalCleanup.h"

#include "document/AtomicFile.h"

#include <csignal>

namespace spurline::cli {

namespace {

// Only async-signal-safe calls: unlink, then the signal's own default action, so the parent
// still sees the program ended by it.
extern "C" void RemoveAndEnd(int signal) {
    RemovePendingTemporaryFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

void RemoveTemporaryFileOnSignals() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = RemoveAndEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace spurline::cli
