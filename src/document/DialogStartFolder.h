#pragma once

#include <functional>
#include <string>
#include <vector>

namespace spurline {

// The folder a file dialog opens in: the first of the choices (the program's folder, then the
// user's documents folder, then the home folder) that the user may write to. An installed
// program's folder is not one, and a Save dialog opened there makes the first save fail. The
// last choice when none is.
std::string DialogStartFolder(const std::vector<std::string>& choices,
                              const std::function<bool(const std::string&)>& writable);

} // namespace spurline
