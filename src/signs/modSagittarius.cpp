// Sagittarius: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modSagittarius {

SignData Record;

void LoadSagittariusData()
{
    Record.ZodiacSignName = QStringLiteral("Sagittarius");
    Record.BirthDates = QStringLiteral("November 23rd - December 21st");
    Record.ZodiacSymbol = QStringLiteral("Archer");
    Record.ZodiacElement = QStringLiteral("Fire");
    Record.ZodiacQuality = QStringLiteral("Mutable");
    Record.DomicilePlanet = QStringLiteral("Jupiter");
    Record.DetrimentPlanet = QStringLiteral("Mercury");
    Record.ExaltationPlanet = QStringLiteral("None");
    Record.Birthstone = QStringLiteral("Blue Topaz");
    Record.LuckyColors = QStringLiteral("Red, Purple");
    Record.LuckyNumbers = QStringLiteral("Nine");
    Record.LuckyDay = QStringLiteral("Thursday");
    Record.LuckyGemstones = QStringLiteral("Amethyst, Malachite, Zircon, Turquoise");
    Record.LuckyMetals = QStringLiteral("Gold, Silver, Copper");
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

} // namespace modSagittarius
