// Aquarius: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modAquarius {

SignData Record;

void LoadAquariusData()
{
    Record.ZodiacSignName = QStringLiteral("Aquarius");
    Record.BirthDates = QStringLiteral("January 20th - February 18th");
    Record.ZodiacSymbol = QStringLiteral("Water Carrier");
    Record.ZodiacElement = QStringLiteral("Air");
    Record.ZodiacQuality = QStringLiteral("Fixed");
    Record.DomicilePlanet = QStringLiteral("Saturn (or Uranus)");
    Record.DetrimentPlanet = QStringLiteral("Sun");
    Record.ExaltationPlanet = QStringLiteral("Mercury");
    Record.Birthstone = QStringLiteral("Garnet, Amethyst");
    Record.LuckyColors = QStringLiteral("Electric Blue");
    Record.LuckyNumbers = QStringLiteral("Seven and Nine");
    Record.LuckyDay = QStringLiteral("Friday");
    Record.LuckyGemstones = QStringLiteral("Blue Sapphire, Lapis, Amethyst, Aquamarine");
    Record.LuckyMetals = QStringLiteral("All metals");
    Record.Famous = QString();
    Record.GeneralTraits = QString();
    Record.PositiveTraits = QString();
    Record.NegativeTraits = QString();
    Record.FriendshipTraits = QString();
    Record.CompatibilityTraits = QString();
    Record.Mother = QString();
    Record.Father = QString();
    Record.Child = QString();
    Record.CommonProfessions = QString();
    Record.HealthConcerns = QString();
    Record.FinancialHabits = QString();
    Record.FashionStyle = QString();
    Record.Travel = QString();
    Record.LoveAndRomance = QString();
}

} // namespace modAquarius
