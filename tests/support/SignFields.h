#pragma once

#include "signs/SignData.h"

#include <QStringList>

// A record's 29 fields in their order, field 1 first.
inline QStringList SignFields(const SignData& d)
{
    return {d.ZodiacSignName, d.BirthDates, d.ZodiacSymbol, d.ZodiacElement, d.ZodiacQuality,
            d.DomicilePlanet, d.DetrimentPlanet, d.ExaltationPlanet, d.Birthstone, d.LuckyColors,
            d.LuckyNumbers, d.LuckyDay, d.LuckyGemstones, d.LuckyMetals, d.Famous,
            d.GeneralTraits, d.PositiveTraits, d.NegativeTraits, d.FriendshipTraits,
            d.CompatibilityTraits, d.Mother, d.Father, d.Child, d.CommonProfessions,
            d.HealthConcerns, d.FinancialHabits, d.FashionStyle, d.Travel, d.LoveAndRomance};
}
