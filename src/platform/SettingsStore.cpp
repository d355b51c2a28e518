#include "platform/SettingsStore.h"

#include "platform/Runtime.h"

#include <QSettings>

namespace platform {

namespace {

// How long a write waits for another program's write of the same file to end: far longer than
// such a write takes, short enough that a start never waits on the store.
const int LockPatience = 1000;

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
        // The write waits on the file's lock with no time-out: a lock a crash left behind would
        // hold it up for half a minute, a folder in its place for good. So the way is made first,
        // without taking the lock (the write takes it itself), and the write is skipped when the
        // way cannot be made.
        if (!MakeWayForLock(settings.fileName() + QLatin1String(".lock"), LockPatience))
            return false;
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
