#pragma once

#include <QString>

namespace platform {

// The text without its leading and trailing blanks (character 32). Tabs and line breaks stay:
// they are not blanks.
QString Trim(const QString& text);

} // namespace platform
