#pragma once

#include <optional>
#include <string>

namespace spurline {

// The per-user settings store: string values addressed by section and key under the
// application's name. Failures to write are the store's business; callers never hear of them.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // Nothing when the key is absent.
    virtual std::optional<std::string> Read(const std::string& section, const std::string& key) = 0;
    virtual void Write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    virtual void DeleteSection(const std::string& section) = 0;
};

} // namespace spurline
