#pragma once

#include "platform/Replaceable.h"

#include <QString>

namespace platform {

// The per-user settings store: text values addressed by application name, section and key.
class SettingsStore : public Replaceable<SettingsStore>
{
public:
    virtual ~SettingsStore() = default;
    // The stored value, or the empty text when there is none.
    virtual QString GetSetting(const QString& appName, const QString& section, const QString& key) = 0;
    // Stores the value at once; false when it could not be written.
    virtual bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                             const QString& value) = 0;

    static SettingsStore& real();
};

} // namespace platform
