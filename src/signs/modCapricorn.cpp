// Capricorn: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modCapricorn {

SignData Record;

void LoadCapricornData()
{
    Record.ZodiacSignName = QStringLiteral("Capricorn");
    Record.BirthDates = QStringLiteral("December 22nd - January 19th");
    Record.ZodiacSymbol = QStringLiteral("Goat");
    Record.ZodiacElement = QStringLiteral("Earth");
    Record.ZodiacQuality = QStringLiteral("Cardinal");
    Record.DomicilePlanet = QStringLiteral("Saturn");
    Record.DetrimentPlanet = QStringLiteral("Moon");
    Record.ExaltationPlanet = QStringLiteral("Mars");
    Record.Birthstone = QStringLiteral("Garnet");
    Record.LuckyColors = QStringLiteral("Dark Green, Brown");
    Record.LuckyNumbers = QStringLiteral("Three and Seven");
    Record.LuckyDay = QStringLiteral("Saturday");
    Record.LuckyGemstones = QStringLiteral("Onyx, Quartz, Garnet");
    Record.LuckyMetals = QStringLiteral("Gold and Silver");
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

} // namespace modCapricorn
