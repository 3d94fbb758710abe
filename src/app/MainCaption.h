#pragma once

#include <string>

namespace spurline {

// The main window's caption: "Spurline V0.01 build 0", followed by " - [name]" when a file is
// named.
std::string MainCaption(int major, int minor, int revision, const std::string& path);

} // namespace spurline
