#include "app/MainCaption.h"

#include "document/TextHelpers.h"

#include <cstdio>

namespace spurline {

std::string MainCaption(int major, int minor, int revision, const std::string& path) {
    char minorText[16];
    std::snprintf(minorText, sizeof minorText, "%02d", minor);
    std::string caption = "Spurline V" + std::to_string(major) + "." + minorText + " build " +
                          std::to_string(revision);
    if (!path.empty()) {
        caption += " - [" + FileNameFromPath(path) + "]";
    }
    return caption;
}

} // namespace spurline
