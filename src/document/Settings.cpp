#include "document/Settings.h"

#include "document/NumberFormat.h"
#include "document/RecentFiles.h"
#include "document/SettingsStore.h"
#include "document/TextHelpers.h"

#include <cmath>
#include <optional>

namespace spurline {

namespace {

enum class Kind { CheckBox, MenuMark };

struct Key {
    SettingId id;
    const char* section;
    const char* name;
    Kind kind;
    const char* defaultValue;
};

constexpr const char* Filter = "Filter";
constexpr const char* Graph = "Graph";

// Read order.
constexpr std::array<Key, SettingCount> Keys{{
    {SettingFundamental, Filter, "Fundamental", Kind::CheckBox, "1"},
    {SettingOrder2, Filter, "Order2", Kind::CheckBox, "1"},
    {SettingOrder3, Filter, "Order3", Kind::CheckBox, "1"},
    {SettingOrder5, Filter, "Order5", Kind::CheckBox, "0"},
    {SettingOrder7, Filter, "Order7", Kind::CheckBox, "0"},
    {SettingOrder9, Filter, "Order9", Kind::CheckBox, "0"},
    {SettingShowRemarks, Graph, "ShowRemarks", Kind::MenuMark, "True"},
    {SettingAutoRefresh, Graph, "AutoRefresh", Kind::MenuMark, "True"},
    {SettingAutoVictims, Graph, "AutoVictims", Kind::MenuMark, "False"},
    {SettingAutoExtents, Graph, "AutoExtents", Kind::MenuMark, "True"},
    {SettingHarmonics, Filter, "Harmonics", Kind::CheckBox, "1"},
    {SettingSumBandwidth, Filter, "SumBandwidth", Kind::CheckBox, "1"},
    {SettingThreeFrequencies, Filter, "3Frequencies", Kind::CheckBox, "1"},
    {SettingLevels, "Levels", "On", Kind::MenuMark, "False"},
    {SettingLevelView, Graph, "LevelView", Kind::MenuMark, "False"},
}};

// Write order: the three calculation options follow the order boxes, before the graph keys.
constexpr std::array<SettingId, SettingCount> WriteOrder{
    SettingFundamental,      SettingOrder2,      SettingOrder3,      SettingOrder5,
    SettingOrder7,           SettingOrder9,      SettingHarmonics,   SettingSumBandwidth,
    SettingThreeFrequencies, SettingShowRemarks, SettingAutoRefresh, SettingAutoVictims,
    SettingAutoExtents,      SettingLevelView,   SettingLevels};

constexpr const char* StatusKey = "Status";

// The leading number rounded half to even; nothing when it lies outside first..last.
std::optional<int> WholeNumberIn(const std::string& text, int first, int last,
                                 const Locale& locale) {
    const double rounded = std::nearbyint(LeadingNumber(text, locale));
    if (!(rounded >= first && rounded <= last)) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

std::optional<int> MenuMark(const std::string& text, const Locale& locale) {
    if (EqualsIgnoringCase(text, "True")) {
        return 1;
    }
    if (EqualsIgnoringCase(text, "False")) {
        return 0;
    }
    if (const std::optional<double> number = ParseNumber(text, locale)) {
        return *number != 0 ? 1 : 0;
    }
    return std::nullopt;
}

std::string ReadOr(ISettingsStore& store, const char* section, const char* key,
                   const char* defaultValue) {
    return store.Read(section, key).value_or(defaultValue);
}

} // namespace

StoredOptions StoredOptions::Defaults() {
    StoredOptions options;
    for (const Key& key : Keys) {
        options[key.id] = key.kind == Kind::CheckBox ? key.defaultValue[0] - '0'
                                                     : (key.defaultValue[0] == 'T' ? 1 : 0);
    }
    options.status = 0;
    return options;
}

StoredOptions LoadSettings(ISettingsStore& store, const Locale& locale, RecentFiles& recentFiles) {
    recentFiles.Clear();
    recentFiles.Load(store);

    // One damaged value costs only its own option: stopping there would drop every later choice,
    // and the next shutdown would write those over what was stored.
    StoredOptions options = StoredOptions::Defaults();
    for (const Key& key : Keys) {
        const std::string text = ReadOr(store, key.section, key.name, key.defaultValue);
        const std::optional<int> value =
            key.kind == Kind::CheckBox ? WholeNumberIn(text, 0, 2, locale) : MenuMark(text, locale);
        if (value) {
            options[key.id] = *value;
        }
    }
    const std::optional<int> status =
        WholeNumberIn(ReadOr(store, Filter, StatusKey, "0"), 0, DisplayOptionCount - 1, locale);
    if (status) {
        options.status = *status;
    }
    return options;
}

void SaveSettings(ISettingsStore& store, const StoredOptions& options,
                  const RecentFiles& recentFiles) {
    recentFiles.Save(store);
    for (const SettingId id : WriteOrder) {
        const Key& key = Keys[static_cast<std::size_t>(id)];
        store.Write(key.section, key.name,
                    key.kind == Kind::CheckBox ? std::to_string(options[id])
                                               : (options[id] != 0 ? "True" : "False"));
    }
    store.Write(Filter, StatusKey, std::to_string(options.status));
}

} // namespace spurline
