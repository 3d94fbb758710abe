#include "document/SiteLevelsFile.h"

#include "document/AtomicFile.h"
#include "document/ErrorReport.h"
#include "document/NumberFormat.h"
#include "document/SiteFile.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <system_error>
#include <unordered_map>

namespace spurline {

namespace {

constexpr const char* Signature = "spurline-levels,1";

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

// A plain decimal or exponent number, the whole field; nothing else.
std::optional<double> Number(std::string_view field) {
    double value = 0;
    const char* end = field.data() + field.size();
    const auto [ptr, error] = std::from_chars(field.data(), end, value);
    if (field.empty() || error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value + 0.0; // no "-0", which the file would write as "0"
}

std::string Problem(int line, const std::string& text) {
    return "line " + std::to_string(line) + ": " + text;
}

} // namespace

std::string LevelsCompanionPath(const std::string& sitePath) {
    return sitePath + ".levels";
}

std::string WriteSiteLevelsText(const FrequencyList& list) {
    const bool entryValues = std::any_of(list.entries().begin(), list.entries().end(),
                                         [](const FrequencyEntry& e) { return !e.levels.empty(); });
    if (!entryValues && list.siteLevels() == SiteLevels{}) {
        return {};
    }
    std::string text = std::string(Signature) + "\n" + "site";
    for (int k = 0; k < SiteLevelCount; ++k) {
        text += "," + FixedText(SiteLevelValue(list.siteLevels(), k));
    }
    text += "\n";
    for (int row = 0; row < list.count(); ++row) {
        const EntryLevels& levels = list.entry(row).levels;
        if (levels.empty()) {
            continue;
        }
        text += "entry," + FixedText(list.OffsetFrequency(row));
        for (int k = 0; k < LevelFieldCount; ++k) {
            const std::optional<double>& value = LevelValue(levels, k);
            text += "," + (value ? FixedText(*value) : std::string());
        }
        text += "\n";
    }
    return text;
}

std::vector<std::string> ReadSiteLevelsText(FrequencyList& list, std::string_view text) {
    const bool wasChanged = list.changed();
    std::vector<std::string> problems;
    std::unordered_map<double, int> rows;
    for (int row = 0; row < list.count(); ++row) {
        rows.emplace(list.OffsetFrequency(row), row);
    }
    std::vector<char> named(static_cast<std::size_t>(list.count()), 0);
    int number = 0;
    std::size_t pos = 0;
    bool signed_ = false;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        if (!signed_) {
            if (line != Signature) {
                problems.push_back(Problem(number, "not a Spurline levels file"));
                return problems;
            }
            signed_ = true;
            continue;
        }
        const std::vector<std::string_view> f = Split(line);
        if (f[0] == "site" && f.size() == 1 + SiteLevelCount) {
            SiteLevels site;
            bool good = true;
            for (int k = 0; k < SiteLevelCount && good; ++k) {
                const std::optional<double> v = Number(f[static_cast<std::size_t>(k) + 1]);
                good = v && LevelValueAllowed(SiteLevelRule(k), *v);
                SiteLevelValue(site, k) = v.value_or(0);
            }
            if (good) {
                list.SetSiteLevels(site);
            } else {
                problems.push_back(Problem(number, "site values out of range"));
            }
        } else if (f[0] == "entry" && f.size() == 2 + LevelFieldCount) {
            const std::optional<double> mhz = Number(f[1]);
            const auto row = mhz ? rows.find(*mhz) : rows.end();
            EntryLevels levels;
            bool good = true;
            for (int k = 0; k < LevelFieldCount && good; ++k) {
                const std::string_view field = f[static_cast<std::size_t>(k) + 2];
                if (!field.empty()) {
                    const std::optional<double> v = Number(field);
                    good = v && LevelValueAllowed(k, *v);
                    LevelValue(levels, k) = v;
                }
            }
            if (row == rows.end()) {
                problems.push_back(Problem(number, "no entry at " + std::string(f[1]) + " MHz"));
            } else if (!good) {
                problems.push_back(
                    Problem(number, "values of " + std::string(f[1]) + " MHz out of range"));
            } else if (named[static_cast<std::size_t>(row->second)] != 0) {
                problems.push_back(Problem(number, std::string(f[1]) + " MHz named twice"));
            } else {
                named[static_cast<std::size_t>(row->second)] = 1;
                list.SetEntryLevels(row->second, levels);
            }
        } else {
            problems.push_back(Problem(number, "not a site or entry line"));
        }
    }
    list.SetChanged(wasChanged);
    return problems;
}

std::vector<std::string> LoadSiteLevels(FrequencyList& list, const std::string& sitePath) {
    const std::string path = LevelsCompanionPath(sitePath);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return {};
    }
    return ReadSiteLevelsText(list, ReadSiteFile(path));
}

void SaveSiteLevels(const FrequencyList& list, const std::string& sitePath) {
    const std::string path = LevelsCompanionPath(sitePath);
    const std::string text = WriteSiteLevelsText(list);
    if (!text.empty()) {
        WriteFileAtomically(path, text);
        return;
    }
    // A stale companion would give the next load values this list no longer has.
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return;
    }
    std::filesystem::remove(path, error);
    if (error) {
        throw CommandFailure(errors::PathFileAccessError, "Path/File access error: " + path,
                             "save/levels");
    }
}

std::string LevelsNotUsedMessage(const std::vector<std::string>& problems) {
    std::string text = "Level values not used:";
    for (const std::string& p : problems) {
        text += "\r\n" + p;
    }
    return text;
}

} // namespace spurline
