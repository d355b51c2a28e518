// Pisces: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modPisces {

SignData Record;

void LoadPiscesData()
{
    Record.ZodiacSignName = QStringLiteral("Pisces");
    Record.BirthDates = QStringLiteral("February 19th - March 20th");
    Record.ZodiacSymbol = QStringLiteral("Fish");
    Record.ZodiacElement = QStringLiteral("Water");
    Record.ZodiacQuality = QStringLiteral("Mutable");
    Record.DomicilePlanet = QStringLiteral("Jupiter (or Neptune)");
    Record.DetrimentPlanet = QStringLiteral("Mercury");
    Record.ExaltationPlanet = QStringLiteral("Venus");
    Record.Birthstone = QStringLiteral("Aquamarine");
    Record.LuckyColors = QStringLiteral("Pale Green, Oceanic");
    Record.LuckyNumbers = QStringLiteral("Eight and Five");
    Record.LuckyDay = QStringLiteral("Thursday");
    Record.LuckyGemstones = QStringLiteral("Diamond, Turquoise, Jade, Amethyst, Bloodstone");
    Record.LuckyMetals = QStringLiteral("Silver");
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

} // namespace modPisces
