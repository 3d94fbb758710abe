// The stored options, recent files and column widths from arbitrary sections, keys and values:
// whatever loads is in range and survives a save and a load; and every stored path, shortened by
// CompactPath, fits or is the bare file name, the same as trying every cut would give; the
// finder's excluded ranges survive a save and a load.
//
// Input: lines of "section<TAB>key<TAB>value"; the first byte picks the decimal convention.

#include "FuzzSupport.h"
#include "document/ColumnSettings.h"
#include "document/CompactPath.h"
#include "document/RecentFiles.h"
#include "document/Settings.h"
#include "engine/FinderExclusions.h"
#include "support/MemorySettingsStore.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace spurline::fuzz {
namespace {

// One pixel a byte; counts what it measures, so quadratic work shows as a finding, not a hang.
class CountingPitch final : public ITextMeasurer {
public:
    int TextWidth(std::string_view text) const override {
        ++calls;
        return static_cast<int>(text.size());
    }
    mutable long calls = 0;
};

// Counts the values read: reading must stop at the first missing recent file.
class CountingStore final : public ISettingsStore {
public:
    std::optional<std::string> Read(const std::string& section, const std::string& key) override {
        ++reads;
        return inner.Read(section, key);
    }
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override {
        inner.Write(section, key, value);
    }
    void DeleteSection(const std::string& section) override { inner.DeleteSection(section); }

    testing::MemorySettingsStore inner;
    long reads = 0;
};

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// Every cut, fewest folders first, from the middle outwards; only for a few folders.
std::string EveryCut(const std::string& path, const ITextMeasurer& measurer, int width,
                     std::size_t root) {
    if (measurer.TextWidth(path) <= width)
        return path;
    std::vector<std::pair<std::size_t, std::size_t>> folders;
    std::size_t begin = root;
    for (std::size_t i = root; i < path.size(); ++i) {
        if (IsSeparator(path[i])) {
            folders.emplace_back(begin, i);
            begin = i + 1;
        }
    }
    if (folders.empty())
        return path;
    const int n = static_cast<int>(folders.size());
    for (int count = 1; count <= n; ++count) {
        const int middle = (n - count) / 2;
        for (int step = 0; step < 2 * (n - count + 1); ++step) {
            const int start = middle + (step % 2 == 0 ? 1 : -1) * ((step + 1) / 2);
            if (start < 0 || start > n - count)
                continue;
            const std::string cut = path.substr(0, folders[start].first) + "..." +
                                    path.substr(folders[start + count - 1].second);
            if (measurer.TextWidth(cut) <= width)
                return cut;
        }
    }
    return "..." + path.substr(folders.back().second);
}

void CheckCompactPath(const std::string& path, int width) {
    const CountingPitch measurer;
    const std::string result = CompactPath(path, measurer, width);
    const std::size_t lastSeparator = path.find_last_of("/\\");
    if (result == path) {
        return; // it fits, or there is no folder to leave out
    }
    Require(lastSeparator != std::string::npos, "only a path with folders is shortened", path);
    const std::string fileName = path.substr(lastSeparator);
    Require(result.ends_with(fileName), "the file name is kept", path + "\n" + result);
    Require(static_cast<int>(result.size()) <= width || result == "..." + fileName,
            "the result fits or is the bare file name", path + "\n" + result);
    // A few hundred measurements, whatever the depth: binary searches over about log2 of the
    // folders, each trying at most as many cuts as folders fit in the width.
    long log2 = 1;
    while ((std::size_t{1} << log2) <= path.size())
        ++log2;
    Require(measurer.calls <= (2 * log2 + 2) * (std::max(width, 0) + 4),
            "the shortening measures few candidates", path);
    // The roots CompactPath keeps whole, told apart only where it matters for the comparison.
    const bool plainRoot = path.size() < 2 || !(IsSeparator(path[0]) && IsSeparator(path[1]));
    const bool drive = path.size() >= 3 && path[1] == ':' && IsSeparator(path[2]);
    std::size_t folders = 0;
    for (char c : path)
        folders += IsSeparator(c) ? 1 : 0;
    if (plainRoot && folders <= 16) {
        const std::size_t root = drive ? 3 : (!path.empty() && IsSeparator(path[0]) ? 1 : 0);
        Require(result == EveryCut(path, measurer, width, root), "the same as trying every cut",
                path + "\n" + result);
    }
}

void CheckOptions(const StoredOptions& options) {
    for (int id = 0; id < SettingCount; ++id) {
        const bool menuMark =
            (id >= SettingShowRemarks && id <= SettingAutoExtents) || id >= SettingLevels;
        const int value = options.values[static_cast<std::size_t>(id)];
        Require(value >= 0 && value <= (menuMark ? 1 : 2), "an option in range",
                std::to_string(id) + "=" + std::to_string(value));
    }
    Require(options.status >= 0 && options.status < DisplayOptionCount, "status in range");
}

std::vector<RecentFile> Entries(const RecentFiles& files) {
    return files.entries();
}

bool Same(const std::vector<RecentFile>& a, const std::vector<RecentFile>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].path != b[i].path || a[i].caption != b[i].caption)
            return false;
    }
    return true;
}

} // namespace
} // namespace spurline::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spurline;
    using namespace spurline::fuzz;
    if (size == 0)
        return 0;
    const Locale locale = LocaleFromByte(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    CountingStore store;
    std::vector<std::string> values;
    long triples = 0;
    for (std::size_t begin = 0; begin <= text.size();) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(begin, end - begin);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 != std::string_view::npos) {
            store.Write(std::string(line.substr(0, tab1)),
                        std::string(line.substr(tab1 + 1, tab2 - tab1 - 1)),
                        std::string(line.substr(tab2 + 1)));
            values.emplace_back(line.substr(tab2 + 1));
            ++triples;
        }
        begin = end + 1;
    }

    const CountingPitch measurer;
    RecentFiles recent(measurer);
    const StoredOptions loaded = LoadSettings(store, locale, recent);
    CheckOptions(loaded);
    Require(store.reads <= triples + SettingCount + 2, "reading stops at the first missing file",
            std::to_string(store.reads));
    const std::vector<RecentFile> entries = Entries(recent);
    Require(entries.size() <= RecentFiles::MaxEntries, "at most ten recent files");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Require(!entries[i].caption.empty() && !entries[i].path.empty(),
                "every recent file has a caption", entries[i].path);
        for (std::size_t j = 0; j < i; ++j)
            Require(entries[i].path != entries[j].path, "no file twice", entries[i].path);
    }

    // Saved over what was there and loaded again: the same options and recent files.
    SaveSettings(store, loaded, recent);
    RecentFiles again(measurer);
    Require(LoadSettings(store, locale, again) == loaded, "options survive a save and a load");
    Require(Same(Entries(again), entries), "recent files survive a save and a load");

    // Column widths: each stored one in range, or the default, and the same after a round trip.
    const std::vector<int> defaults{780, 1770, 1470, 1350, 750, 840, 1350, 3000};
    for (const char* key : {FrequencyColumnsKey, IntermodColumnsKey}) {
        const std::vector<int> widths = LoadColumnWidths(store, key, defaults);
        Require(widths.size() == defaults.size(), "a width for every column", key);
        for (const int width : widths)
            Require(width >= 1 && width <= 30000, "a column width in range", std::to_string(width));
        SaveColumnWidths(store, key, widths);
        Require(LoadColumnWidths(store, key, defaults) == widths,
                "column widths survive a save and a load", key);
    }

    // The finder's excluded ranges: each one readable, and the same after a round trip.
    const std::vector<FinderExclusion> ranges = LoadExclusions(store);
    for (const FinderExclusion& x : ranges)
        Require(x.fromMHz > 0 && x.toMHz >= x.fromMHz && std::isfinite(x.toMHz),
                "an excluded range in order");
    SaveExclusions(store, ranges);
    Require(LoadExclusions(store) == ranges, "excluded ranges survive a save and a load");

    for (const std::string& value : values) {
        for (const int width : {0, 20, static_cast<int>(value.size() / 2), 500})
            CheckCompactPath(value, width);
    }
    return 0;
}
