#include "engine/FinderExclusions.h"

#include "document/NumberFormat.h"
#include "document/SettingsStore.h"
#include "engine/ChannelList.h"

#include <cmath>

namespace spurline {

namespace {
constexpr const char* Section = "Finder";
constexpr const char* Key = "Exclusions";

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}
} // namespace

std::optional<FinderExclusion> ParseExclusion(std::string_view text, const Locale& locale) {
    text = Trim(text);
    // The dash after the first character: the first number may carry a sign, never a dash.
    const std::size_t dash = text.find('-', 1);
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<double> from = ReadChannelNumber(Trim(text.substr(0, dash)), locale);
    const std::optional<double> to = ReadChannelNumber(Trim(text.substr(dash + 1)), locale);
    if (!from || !to || !(*from > 0) || !(*to >= *from) || !std::isfinite(*to)) {
        return std::nullopt;
    }
    return FinderExclusion{*from, *to};
}

std::string ExclusionText(const FinderExclusion& x, const Locale& locale) {
    return FormatNumber(x.fromMHz, "0.00000", locale) + "-" +
           FormatNumber(x.toMHz, "0.00000", locale);
}

std::vector<FinderExclusion> LoadExclusions(ISettingsStore& store) {
    std::vector<FinderExclusion> result;
    const std::string text = store.Read(Section, Key).value_or(std::string());
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find(';', begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (const auto x = ParseExclusion(std::string_view(text).substr(begin, end - begin),
                                          Locale::English())) {
            result.push_back(*x);
        }
        begin = end + 1;
    }
    return result;
}

void SaveExclusions(ISettingsStore& store, const std::vector<FinderExclusion>& exclusions) {
    std::string text;
    for (const FinderExclusion& x : exclusions) {
        text += (text.empty() ? "" : ";") + FixedText(x.fromMHz) + "-" + FixedText(x.toMHz);
    }
    store.Write(Section, Key, text);
}

} // namespace spurline
