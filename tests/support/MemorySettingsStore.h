#pragma once

#include "document/SettingsStore.h"

#include <map>
#include <string>
#include <utility>

namespace spurline::testing {

// The settings store as a map of (section, key) to value.
class MemorySettingsStore final : public ISettingsStore {
public:
    std::optional<std::string> Read(const std::string& section, const std::string& key) override {
        const auto found = values.find({section, key});
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override {
        values[{section, key}] = value;
    }
    void DeleteSection(const std::string& section) override {
        std::erase_if(values, [&](const auto& item) { return item.first.first == section; });
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
};

} // namespace spurline::testing
