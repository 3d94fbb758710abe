#pragma once

#include <string>
#include <string_view>

namespace spurline {

// Files of the older Windows tool are Windows-1252, ours may be UTF-8: decode as UTF-8 when the
// bytes are valid UTF-8 (a byte order mark is dropped), otherwise as Windows-1252.
std::string DecodeFileText(std::string_view bytes);

// Windows-1252 when every character fits, so the older tool can read the file; else UTF-8.
std::string EncodeFileText(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);

} // namespace spurline
