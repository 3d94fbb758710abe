#include "document/CompactPath.h"

#include <vector>

namespace spurline {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// Length of the part that is never shortened: "/", "C:\", "\\server\share\" or nothing for a
// relative path.
std::size_t RootLength(std::string_view path) {
    if (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2])) {
        return 3;
    }
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        std::size_t pos = 2;
        for (int part = 0; part < 2 && pos < path.size(); ++part) {
            while (pos < path.size() && !IsSeparator(path[pos])) {
                ++pos;
            }
            if (pos < path.size()) {
                ++pos;
            }
        }
        return pos;
    }
    if (!path.empty() && IsSeparator(path[0])) {
        return 1;
    }
    return 0;
}

struct Folder {
    std::size_t begin;
    std::size_t end; // the separator after the folder name
};

} // namespace

std::string CompactPath(std::string_view path, const ITextMeasurer& measurer, int widthPixels) {
    const auto fits = [&](const std::string& text) {
        return measurer.TextWidth(text) <= widthPixels;
    };
    std::string whole(path);
    if (fits(whole)) {
        return whole;
    }
    const std::size_t root = RootLength(path);
    std::size_t lastSeparator = std::string_view::npos;
    for (std::size_t i = root; i < path.size(); ++i) {
        if (IsSeparator(path[i])) {
            lastSeparator = i;
        }
    }
    if (lastSeparator == std::string_view::npos) {
        // No folder to leave out; the file name is kept whole.
        return whole;
    }
    std::vector<Folder> folders;
    std::size_t begin = root;
    for (std::size_t i = root; i <= lastSeparator; ++i) {
        if (IsSeparator(path[i])) {
            folders.push_back({begin, i});
            begin = i + 1;
        }
    }

    // Leave out as few folders as possible; for each count start in the middle, so the first
    // folders and the one holding the file stay readable as long as they can.
    const int n = static_cast<int>(folders.size());
    for (int count = 1; count <= n; ++count) {
        const int positions = n - count + 1;
        const int middle = (n - count) / 2;
        for (int step = 0; step < 2 * positions; ++step) {
            const int offset = (step + 1) / 2;
            const int start = step % 2 == 0 ? middle + offset : middle - offset;
            if (start < 0 || start >= positions) {
                continue;
            }
            const Folder& first = folders[static_cast<std::size_t>(start)];
            const Folder& last = folders[static_cast<std::size_t>(start + count - 1)];
            std::string candidate = std::string(path.substr(0, first.begin)) + "..." +
                                    std::string(path.substr(last.end));
            if (fits(candidate)) {
                return candidate;
            }
        }
    }
    return "..." + std::string(path.substr(lastSeparator));
}

} // namespace spurline
