#pragma once

#include "signs/SignData.h"

#include <QString>
#include <array>

// The twelve signs in zodiac order: the program's only list of them. The sign list of the main
// window, and every reader that looks a sign up by its name, go through this table.
struct ZodiacSign
{
    QString name;
    int pictureNumber; // the sign's picture in the alphabetical numbering, Aquarius 1 to Virgo 12
    void (*load)();    // fills `record` with the sign's profile
    SignData* record;
};

extern const std::array<ZodiacSign, 12> Zodiac;

// The first sign, in zodiac order, whose name equals `name` exactly (case-sensitive, nothing
// trimmed); nullptr when none does.
const ZodiacSign* FindSign(const QString& name);
