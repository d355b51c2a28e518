// Virgo: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modVirgo {

SignData Record;

void LoadVirgoData()
{
    Record.ZodiacSignName = QStringLiteral("Virgo");
    Record.BirthDates = QStringLiteral("August 23rd - September 22nd");
    Record.ZodiacSymbol = QStringLiteral("Virgin");
    Record.ZodiacElement = QStringLiteral("Earth");
    Record.ZodiacQuality = QStringLiteral("Mutable");
    Record.DomicilePlanet = QStringLiteral("Mercury");
    Record.DetrimentPlanet = QStringLiteral("Jupiter");
    Record.ExaltationPlanet = QStringLiteral("Pluto");
    Record.Birthstone = QStringLiteral("Mercury");
    Record.LuckyColors = QStringLiteral("Navy Blue, Grey");
    Record.LuckyNumbers = QStringLiteral("Eight, Four");
    Record.LuckyDay = QStringLiteral("Wednesday");
    Record.LuckyGemstones = QStringLiteral("Pink Jasper, Sapphire, Azurite");
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

} // namespace modVirgo
