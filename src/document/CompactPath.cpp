#include "document/CompactPath.h"

#include <algorithm>
#include <optional>
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

// The search below leans on one property of drawn text: leaving characters out never makes it
// wider. So a shortened path that does not fit cannot be helped by keeping more of its start or
// its end, and leaving out more folders never stops a path from fitting. That lets it measure
// some hundreds of candidates of a path thousands of folders deep instead of millions.
class Compactor {
public:
    Compactor(std::string_view path, const ITextMeasurer& measurer, int widthPixels,
              std::vector<Folder> folders)
        : path_(path), measurer_(measurer), width_(widthPixels), folders_(std::move(folders)),
          n_(static_cast<int>(folders_.size())),
          // No font draws four bytes of a path in less than a pixel; longer candidates are taken
          // as too wide unmeasured, so no single measurement grows with the path.
          maxBytes_(4 * static_cast<std::size_t>(std::max(widthPixels, 0)) + 64) {}

    std::optional<std::string> Shortest() {
        // Candidates that keep folders up to lastStart at their start and from firstEnd at their
        // end; any other is wider than the part it keeps alone.
        lastStart_ = LastTrue(0, n_ - 1, [&](int s) { return Fits(Prefix(s) + "..."); });
        firstEnd_ =
            n_ - 1 - LastTrue(0, n_ - 1, [&](int k) { return Fits("..." + Suffix(n_ - 1 - k)); });
        if (lastStart_ < 0 || firstEnd_ >= n_) {
            return std::nullopt;
        }
        // The fewest folders to leave out: a count that fits stays fitting with one more.
        int low = std::max(1, firstEnd_ - lastStart_ + 1);
        int high = n_;
        std::optional<std::string> found;
        while (low <= high) {
            const int count = low + (high - low) / 2;
            if (std::optional<std::string> candidate = FirstFit(count)) {
                found = std::move(candidate);
                high = count - 1;
            } else {
                low = count + 1;
            }
        }
        return found;
    }

private:
    std::string Prefix(int start) const {
        return std::string(path_.substr(0, folders_[static_cast<std::size_t>(start)].begin));
    }
    std::string Suffix(int last) const {
        return std::string(path_.substr(folders_[static_cast<std::size_t>(last)].end));
    }
    bool Fits(const std::string& text) const {
        return text.size() <= maxBytes_ && measurer_.TextWidth(text) <= width_;
    }

    // The largest i in first..last for which the monotone test holds (true up to some i), or
    // first - 1.
    template <typename Test> static int LastTrue(int first, int last, Test test) {
        int result = first - 1;
        while (first <= last) {
            const int mid = first + (last - first) / 2;
            if (test(mid)) {
                result = mid;
                first = mid + 1;
            } else {
                last = mid - 1;
            }
        }
        return result;
    }

    // With count folders left out: the first that fits, trying the middle first and then
    // alternately before and after it, so the first folders and the one holding the file stay
    // readable as long as they can.
    std::optional<std::string> FirstFit(int count) const {
        const int middle = (n_ - count) / 2;
        const int lowest = std::max(0, firstEnd_ - count + 1);
        const int highest = std::min(lastStart_, n_ - count);
        int before = std::min(middle, highest);
        int after = std::max(middle + 1, lowest);
        while (before >= lowest || after <= highest) {
            int start;
            if (before >= lowest && (after > highest || middle - before <= after - middle)) {
                start = before--;
            } else {
                start = after++;
            }
            std::string candidate = Prefix(start) + "..." + Suffix(start + count - 1);
            if (Fits(candidate)) {
                return candidate;
            }
        }
        return std::nullopt;
    }

    std::string_view path_;
    const ITextMeasurer& measurer_;
    int width_;
    std::vector<Folder> folders_;
    int n_;
    std::size_t maxBytes_;
    int lastStart_ = -1;
    int firstEnd_ = 0;
};

} // namespace

std::string CompactPath(std::string_view path, const ITextMeasurer& measurer, int widthPixels) {
    std::string whole(path);
    if (measurer.TextWidth(whole) <= widthPixels) {
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
    if (std::optional<std::string> shortest =
            Compactor(path, measurer, widthPixels, std::move(folders)).Shortest()) {
        return *shortest;
    }
    return "..." + std::string(path.substr(lastSeparator));
}

} // namespace spurline
