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
    // The sign's pages on the maker's web site. The forum pages keep their own date ranges,
    // which are not the birth dates of the record.
    QString dailyPage;
    QString forumPage;
};

extern const std::array<ZodiacSign, 12> Zodiac;

// The first sign, in zodiac order, whose name equals `name` exactly (case-sensitive, nothing
// trimmed); nullptr when none does.
const ZodiacSign* FindSign(const QString& name);
