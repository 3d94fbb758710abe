#pragma once

namespace spurline::cli {

// On SIGINT, SIGTERM and SIGHUP the temporary file of a save in progress (the graph file) is
// removed before the program ends as the signal asks; a signal the caller left ignored (nohup)
// stays ignored.
void RemoveTemporaryFileOnSignals();

} // namespace spurline::cli
