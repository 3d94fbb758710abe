#include "platform/QtSettingsStore.h"

#include "platform/QtStrings.h"

#include <QStandardPaths>
#include <QStringList>

namespace spurline {

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

} // namespace

// QSettings would name an INI file of the user scope Spurline.ini; the desktop's convention, and
// what users look for, is Spurline.conf.
QtSettingsStore::QtSettingsStore()
    : settings_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Spurline/Spurline.conf"),
                QSettings::IniFormat) {}

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
