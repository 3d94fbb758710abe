#include "platform/QtSettingsStore.h"

#include "platform/QtStrings.h"

#include <QStringList>

namespace spurline {

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Spurline"),
                QStringLiteral("Spurline")) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(iniFile, QSettings::IniFormat) {}

std::optional<std::string> QtSettingsStore::Read(const std::string& section,
                                                 const std::string& key) {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // An unquoted value with commas in a hand-edited file comes back as a list.
    if (value.metaType().id() == QMetaType::QStringList) {
        return ToStdString(value.toStringList().join(QStringLiteral(", ")));
    }
    return ToStdString(value.toString());
}

void QtSettingsStore::Write(const std::string& section, const std::string& key,
                            const std::string& value) {
    settings_.setValue(KeyPath(section, key), ToQString(value));
}

void QtSettingsStore::DeleteSection(const std::string& section) {
    settings_.remove(ToQString(section));
}

void QtSettingsStore::Sync() {
    settings_.sync();
}

} // namespace spurline
