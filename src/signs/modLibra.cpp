// Libra: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modLibra {

SignData Record;

void LoadLibraData()
{
    Record.ZodiacSignName = QStringLiteral("Libra");
    Record.BirthDates = QStringLiteral("September 23rd - October 22nd");
    Record.ZodiacSymbol = QStringLiteral("Scales");
    Record.ZodiacElement = QStringLiteral("Air");
    Record.ZodiacQuality = QStringLiteral("Cardinal");
    Record.DomicilePlanet = QStringLiteral("Venus");
    Record.DetrimentPlanet = QStringLiteral("Mars");
    Record.ExaltationPlanet = QStringLiteral("Saturn");
    Record.Birthstone = QStringLiteral("Opal, Quartz");
    Record.LuckyColors = QStringLiteral("Pink, Blue, Lavenders");
    Record.LuckyNumbers = QStringLiteral("Six, Nine");
    Record.LuckyDay = QStringLiteral("Friday");
    Record.LuckyGemstones = QStringLiteral("Opal, Agate, Tourmaline");
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

} // namespace modLibra
