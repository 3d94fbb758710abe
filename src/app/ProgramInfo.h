#pragma once

#include <optional>
#include <string>
#include <vector>

namespace spurline {

// "spurline" and the project's version, one line.
std::string ProgramVersion();

// The --help text; the manual page is made from it and from ProgramVersion().
std::string ProgramUsage(const std::string& guideFolder);

// What --help or --version (anywhere before "--") asks to be printed instead of opening the
// window; nothing when neither is given. Answered before a display is looked for.
std::optional<std::string> CommandLineAnswer(const std::vector<std::string>& arguments,
                                             const std::string& guideFolder);

} // namespace spurline
