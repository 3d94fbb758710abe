#pragma once

#include <string>
#include <vector>

namespace spurline {

inline constexpr const char* HelpDocumentName = "Spurline.pdf";

// Where the user guide may be, in the order they are tried: the installed documentation
// folder, beside the program (a build folder), then the documentation folder next to the
// program's bin folder (an installation moved to another prefix).
std::vector<std::string> HelpDocumentCandidates(const std::string& installedFolder,
                                                const std::string& programDirectory);

// The notice for a guide that is nowhere to be found; path is the first place looked at.
std::string HelpDocumentMissing(const std::string& path);

// The notice for a guide that is there but that no program on the desktop could show.
std::string HelpDocumentNoViewer(const std::string& path);

} // namespace spurline
