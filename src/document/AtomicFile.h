#pragma once

#include <string>
#include <string_view>

namespace spurline {

// Writes bytes to a temporary file in the target's folder and renames it over the target only
// when everything was written, so a failure leaves the previous file as it was.
// Throws CommandFailure on any failure.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file. Throws CommandFailure when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

} // namespace spurline
