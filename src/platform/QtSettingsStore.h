#pragma once

#include "document/SettingsStore.h"

#include <QSettings>

class QString;

namespace spurline {

// The settings store as an INI file through QSettings: ~/.config/Spurline/Spurline.conf (the
// organisation and application "Spurline"), or a file named by the caller.
class QtSettingsStore final : public ISettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& iniFile);

    std::optional<std::string> Read(const std::string& section, const std::string& key) override;
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override;
    void DeleteSection(const std::string& section) override;

    // Writes what is pending to the file; a file that cannot be written is left as it was.
    void Sync();

private:
    QSettings settings_;
};

} // namespace spurline
