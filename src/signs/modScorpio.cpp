// Scorpio: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modScorpio {

SignData Record;

void LoadScorpioData()
{
    Record.ZodiacSignName = QStringLiteral("Scorpio");
    Record.BirthDates = QStringLiteral("October 21 - November 20");
    Record.ZodiacSymbol = QStringLiteral("Scorpion");
    Record.ZodiacElement = QStringLiteral("Water");
    Record.ZodiacQuality = QStringLiteral("Fixed");
    Record.DomicilePlanet = QStringLiteral("Mars");
    Record.DetrimentPlanet = QStringLiteral("Venus");
    Record.ExaltationPlanet = QStringLiteral("Uranus");
    Record.Birthstone = QStringLiteral("Topaz");
    Record.LuckyColors = QStringLiteral("Red, Black");
    Record.LuckyNumbers = QStringLiteral("Three, Five");
    Record.LuckyDay = QStringLiteral("Tuesday");
    Record.LuckyGemstones = QStringLiteral("Topaz, Coral, Garnet, Ruby, Zircon");
    Record.LuckyMetals = QStringLiteral("Gold, Silver");
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

} // namespace modScorpio
