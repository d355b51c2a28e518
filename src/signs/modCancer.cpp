// Cancer: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modCancer {

SignData Record;

void LoadCancerData()
{
    Record.ZodiacSignName = QStringLiteral("Cancer");
    Record.BirthDates = QStringLiteral("June 22nd - July 22nd");
    Record.ZodiacSymbol = QStringLiteral("Crab");
    Record.ZodiacElement = QStringLiteral("Water");
    Record.ZodiacQuality = QStringLiteral("Cardinal");
    Record.DomicilePlanet = QStringLiteral("Moon");
    Record.DetrimentPlanet = QStringLiteral("Saturn");
    Record.ExaltationPlanet = QStringLiteral("Jupiter");
    Record.Birthstone = QStringLiteral("Moonstone");
    Record.LuckyColors = QStringLiteral("Silver, White, Sea Green");
    Record.LuckyNumbers = QStringLiteral("Two, Three, Seven");
    Record.LuckyDay = QStringLiteral("Monday");
    Record.LuckyGemstones = QStringLiteral("Ruby, Moonstone, Pearl");
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

} // namespace modCancer
