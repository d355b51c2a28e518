#include "platform/Text.h"

namespace platform {

QString Trim(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace platform

namespace platform {

namespace {

// Codes 128 to 159 of the code page; the rest of 0 to 255 is Latin-1. The five codes the code
// page leaves unassigned stand for the control characters of the same number.
const char16_t Codes128To159[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

int AnsiCode(QChar character)
{
    const char16_t unicode = character.unicode();
    for (int i = 0; i < 32; ++i) {
        if (Codes128To159[i] == unicode)
            return 128 + i;
    }
    if (unicode < 128 || (unicode >= 160 && unicode <= 255))
        return unicode;
    return '?';
}

QChar AnsiChar(int code)
{
    if (code >= 128 && code < 160)
        return QChar(Codes128To159[code - 128]);
    return QChar(char16_t(code));
}

} // namespace platform
