// Leo: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modLeo {

SignData Record;

void LoadLeoData()
{
    Record.ZodiacSignName = QStringLiteral("Leo");
    Record.BirthDates = QStringLiteral("July 23rd - August 22nd");
    Record.ZodiacSymbol = QStringLiteral("Lion");
    Record.ZodiacElement = QStringLiteral("Fire");
    Record.ZodiacQuality = QStringLiteral("Fixed");
    Record.DomicilePlanet = QStringLiteral("Sun");
    Record.DetrimentPlanet = QStringLiteral("Saturn");
    Record.ExaltationPlanet = QStringLiteral("Pluto");
    Record.Birthstone = QStringLiteral("Peridot");
    Record.LuckyColors = QStringLiteral("Gold, Orange");
    Record.LuckyNumbers = QStringLiteral("Five, Nine");
    Record.LuckyDay = QStringLiteral("Sunday");
    Record.LuckyGemstones = QStringLiteral("Amber, Ruby, Jacinth, Peridot");
    Record.LuckyMetals = QStringLiteral("Gold");
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

} // namespace modLeo
