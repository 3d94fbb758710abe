#include "document/ColumnSettings.h"

#include "document/SettingsStore.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace spurline {

namespace {

constexpr int WidestColumn = 30000; // twips: about 21 inches

std::optional<int> Width(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > WidestColumn) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::vector<int> LoadColumnWidths(ISettingsStore& store, const std::string& key,
                                  const std::vector<int>& defaults) {
    std::vector<int> widths = defaults;
    const std::optional<std::string> stored = store.Read(ColumnsSection, key);
    if (!stored) {
        return widths;
    }
    const std::string_view text = *stored;
    std::size_t column = 0;
    std::size_t at = 0;
    while (column < widths.size() && at <= text.size()) {
        const std::size_t space = std::min(text.find(' ', at), text.size());
        if (space > at) {
            // One damaged width costs only its own column.
            widths[column] = Width(text.substr(at, space - at)).value_or(defaults[column]);
            ++column;
        }
        at = space + 1;
    }
    return widths;
}

void SaveColumnWidths(ISettingsStore& store, const std::string& key,
                      const std::vector<int>& widths) {
    std::string text;
    for (const int width : widths) {
        char digits[16];
        const auto [end, error] = std::to_chars(digits, digits + sizeof digits, width);
        text +=
            (text.empty() ? "" : " ") + std::string(digits, error == std::errc() ? end : digits);
    }
    store.Write(ColumnsSection, key, text);
}

} // namespace spurline
