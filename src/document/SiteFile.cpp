#include "document/SiteFile.h"

#include "document/AtomicFile.h"
#include "document/ErrorReport.h"

#include <filesystem>
#include <system_error>

namespace spurline {

namespace {

[[noreturn]] void TooLarge(const std::string& path, std::uintmax_t maxBytes) {
    const std::string limit = maxBytes % (1 << 20) == 0 ? std::to_string(maxBytes >> 20) + " MiB"
                                                        : std::to_string(maxBytes) + " bytes";
    throw CommandFailure(errors::InvalidFileFormat,
                         "File too large: " + path + " (more than " + limit + ")", "load/open");
}

} // namespace

std::string ReadSiteFile(const std::string& path, std::uintmax_t maxBytes) {
    // A file of gigabytes would be held in memory whole, and parsed for long, before its first
    // line could be found wanting.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!error && std::filesystem::is_regular_file(status)) {
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error && size > maxBytes) {
            TooLarge(path, maxBytes);
        }
    }
    std::string bytes = ReadWholeFile(path);
    // It may have grown meanwhile.
    if (bytes.size() > maxBytes) {
        TooLarge(path, maxBytes);
    }
    return bytes;
}

} // namespace spurline
