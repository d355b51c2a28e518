// Gemini: its record and its compiled profile.
// Long texts keep one paragraph per literal; "\r\n" stands where the text breaks a line.
#include "signs/modules.h"

namespace modGemini {

SignData Record;

void LoadGeminiData()
{
    Record.ZodiacSignName = QStringLiteral("Gemini");
    Record.BirthDates = QStringLiteral("May 21st - June 20th");
    Record.ZodiacSymbol = QStringLiteral("Twins");
    Record.ZodiacElement = QStringLiteral("Air");
    Record.ZodiacQuality = QStringLiteral("Mutable");
    Record.DomicilePlanet = QStringLiteral("Mercury");
    Record.DetrimentPlanet = QStringLiteral("Jupiter");
    Record.ExaltationPlanet = QStringLiteral("None");
    Record.Birthstone = QStringLiteral("Alexandrine");
    Record.LuckyColors = QStringLiteral("Yellow");
    Record.LuckyNumbers = QStringLiteral("Three and Four");
    Record.LuckyDay = QStringLiteral("Wednesday");
    Record.LuckyGemstones = QStringLiteral("Crystal, Pearl, Aquamarine");
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

} // namespace modGemini
