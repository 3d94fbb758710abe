#pragma once

#include <string>
#include <vector>

namespace spurline {

inline constexpr const char* HelpDocumentName = "Spurline.pdf";

// Where the user guide may be, in the order they are tried: beside the program (a build
// folder), then the installed documentation folder next to the program's bin folder.
std::vector<std::string> HelpDocumentCandidates(const std::string& programDirectory);

// The notice for a guide that is nowhere to be found; path is the first place looked at.
std::string HelpDocumentMissing(const std::string& path);

// The notice for a guide that is there but that no program on the desktop could show.
std::string HelpDocumentNoViewer(const std::string& path);

} // namespace spurline
