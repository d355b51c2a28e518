#include "platform/SettingsStore.h"

#include <QSettings>

namespace platform {

namespace {

// One INI file per application name in the user's configuration folder (on Linux
// ~/.config/<name>/<name>.ini), a group per section.
class UserSettings : public SettingsStore
{
public:
    QString GetSetting(const QString& appName, const QString& section, const QString& key) override
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, appName, appName);
        settings.beginGroup(section);
        return settings.value(key).toString();
    }

    bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                     const QString& value) override
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, appName, appName);
        settings.beginGroup(section);
        settings.setValue(key, value);
        settings.endGroup();
        settings.sync();
        return settings.status() == QSettings::NoError && settings.isWritable();
    }
};

} // namespace

SettingsStore& SettingsStore::real()
{
    static UserSettings store;
    return store;
}

} // namespace platform
