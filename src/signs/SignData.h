#pragma once

#include <QString>

// One sign's profile. The fields stand in their fixed order: the load procedures assign them in
// this order and the main window shows fields 2 to 29 in this order.
struct SignData
{
    QString ZodiacSignName;      // 1
    QString BirthDates;          // 2
    QString ZodiacSymbol;        // 3
    QString ZodiacElement;       // 4
    QString ZodiacQuality;       // 5
    QString DomicilePlanet;      // 6
    QString DetrimentPlanet;     // 7
    QString ExaltationPlanet;    // 8
    QString Birthstone;          // 9
    QString LuckyColors;         // 10
    QString LuckyNumbers;        // 11
    QString LuckyDay;            // 12
    QString LuckyGemstones;      // 13
    QString LuckyMetals;         // 14
    QString Famous;              // 15
    QString GeneralTraits;       // 16
    QString PositiveTraits;      // 17
    QString NegativeTraits;      // 18
    QString FriendshipTraits;    // 19
    QString CompatibilityTraits; // 20
    QString Mother;              // 21
    QString Father;              // 22
    QString Child;               // 23
    QString CommonProfessions;   // 24
    QString HealthConcerns;      // 25
    QString FinancialHabits;     // 26
    QString FashionStyle;        // 27
    QString Travel;              // 28
    QString LoveAndRomance;      // 29
};
