#pragma once

#include <string>
#include <string_view>

namespace spurline {

// Writes bytes to a temporary file in the target's folder and renames it over the target only
// when everything was written, so a failure leaves the previous file as it was. The replacement
// keeps the old file's owner, group and permissions; a file whose owner or group this process
// cannot hand back, or that has other names (hard links), is written in place after a copy of
// its content went to NAME~ (see AtomicFile.cpp). Throws CommandFailure on any failure.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Removes the named temporary file of a save in progress, if there is one. Async-signal-safe: for
// a signal handler of a program that is about to end.
void RemovePendingTemporaryFile() noexcept;

// Whether saves may write to an unnamed temporary file where the file system offers them (the
// default); tests turn it off to reach the named temporary file other file systems get.
void UseUnnamedTemporaryFiles(bool use);

// Reads a whole file. Throws CommandFailure when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

} // namespace spurline
