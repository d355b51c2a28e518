// Aries: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modAries {

SignData Record;

void LoadAriesData()
{
    Record.ZodiacSignName = QStringLiteral("Aries");
    Record.BirthDates = QStringLiteral("March 21st - April 20th");
    Record.ZodiacSymbol = QStringLiteral("Ram");
    Record.ZodiacElement = QStringLiteral("Fire");
    Record.ZodiacQuality = QStringLiteral("Cardinal");
    Record.DomicilePlanet = QStringLiteral("Mars");
    Record.DetrimentPlanet = QStringLiteral("Venus");
    Record.ExaltationPlanet = QStringLiteral("Sun");
    Record.Birthstone = QStringLiteral("Aquamarine");
    Record.LuckyColors = QStringLiteral("Red And White");
    Record.LuckyNumbers = QStringLiteral("Six And Seven");
    Record.LuckyDay = QStringLiteral("Tuesday");
    Record.LuckyGemstones = QStringLiteral("Ruby, Diamond");
    Record.LuckyMetals = QStringLiteral("Gold, Bronze");
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

} // namespace modAries
