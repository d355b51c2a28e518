// Taurus: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modTaurus {

SignData Record;

void LoadTaurusData()
{
    Record.ZodiacSignName = QStringLiteral("Taurus");
    Record.BirthDates = QStringLiteral("April 21st - May 20th");
    Record.ZodiacSymbol = QStringLiteral("Bull");
    Record.ZodiacElement = QStringLiteral("Earth");
    Record.ZodiacQuality = QStringLiteral("Fixed");
    Record.DomicilePlanet = QStringLiteral("Venus");
    Record.DetrimentPlanet = QStringLiteral("Mars");
    Record.ExaltationPlanet = QStringLiteral("Moon");
    Record.Birthstone = QStringLiteral("Emerald");
    Record.LuckyColors = QStringLiteral("Blue and Green");
    Record.LuckyNumbers = QStringLiteral("One and Nine");
    Record.LuckyDay = QStringLiteral("Friday");
    Record.LuckyGemstones = QStringLiteral("Emerald, Topaz, Agate");
    Record.LuckyMetals = QStringLiteral("Silver, Gold, Copper");
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

} // namespace modTaurus
