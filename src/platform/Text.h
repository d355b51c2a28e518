#pragma once

#include <QString>

namespace platform {

// The text without its leading and trailing blanks (character 32). Tabs and line breaks stay:
// they are not blanks.
QString Trim(const QString& text);

// The line break of the program's texts and files.
inline const QString CrLf = QStringLiteral("\r\n");

// The single-byte code page (Windows-1252) of texts that leave the program as bytes: the code of
// a character, '?' for one the code page lacks; and the character of a code.
int AnsiCode(QChar character);
QChar AnsiChar(int code);

} // namespace platform
