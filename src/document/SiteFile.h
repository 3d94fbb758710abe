#pragma once

#include <cstdint>
#include <string>

namespace spurline {

// The largest frequency list file that is read: 64 MiB. A site of 100,000 entries takes about
// 5.5 MB, so no real site comes near it; a larger file is refused before it is read.
inline constexpr std::uintmax_t MaxSiteFileBytes = std::uintmax_t{64} << 20;

// Reads a frequency list file (.frq or .csv) whole, as ReadWholeFile does, but refuses one of
// more than maxBytes before reading it: CommandFailure "File too large: PATH (more than 64 MiB)".
std::string ReadSiteFile(const std::string& path, std::uintmax_t maxBytes = MaxSiteFileBytes);

} // namespace spurline
