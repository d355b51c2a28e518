// The form of every sign's long texts: sizes, paragraphs, characters, the famous-people lists
// and the partners of the compatibility paragraphs.

#include "signs/zodiac.h"
#include "support/SignFields.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

const QString CrLf = QStringLiteral("\r\n"), EmptyLine = QStringLiteral("\r\n\r\n");

// Fields 15 to 29 of a record, in their order: the shortest and the longest text over the twelve
// signs, and the most paragraphs.
struct LongField { QString name; int minChars, maxChars, maxParagraphs; };
const LongField LongFields[] = {
    {"Famous", 217, 286, 0}, {"GeneralTraits", 1087, 4029, 5}, {"PositiveTraits", 762, 1746, 3},
    {"NegativeTraits", 779, 1619, 3}, {"FriendshipTraits", 761, 1450, 2}, {"CompatibilityTraits", 3221, 5612, 13},
    {"Mother", 472, 964, 1}, {"Father", 521, 1315, 2}, {"Child", 437, 888, 1}, {"CommonProfessions", 383, 869, 3},
    {"HealthConcerns", 487, 753, 2}, {"FinancialHabits", 605, 937, 1}, {"FashionStyle", 414, 1047, 2},
    {"Travel", 424, 827, 2}, {"LoveAndRomance", 542, 1658, 3},
};

// The partners of each compatibility paragraph: the first is named in its first sentence, the
// others, if any, later on and in order.
QList<QStringList> partnersOf(const QString& sign)
{
    if (sign == "Cancer")
        return {{"Aries"}, {"Taurus"}, {"Gemini"}, {"Leo"}, {"Virgo"}, {"Libra"},
                {"Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"}};
    if (sign == "Capricorn")
        return {{"Aries"}, {"Taurus"}, {"Gemini", "Cancer"}, {"Leo", "Virgo"}, {"Libra"},
                {"Scorpio", "Aquarius"}, {"Sagittarius"}, {"Capricorn"}, {"Aquarius"}, {"Pisces"}};
    QList<QStringList> paragraphs;
    for (const ZodiacSign& partner : Zodiac)
        paragraphs.append({partner.name});
    if (sign == "Virgo")
        paragraphs.insert(8, {"Scorpio"});
    return paragraphs;
}

int wordAt(const QString& text, const QString& word, int from = 0)
{
    return text.indexOf(QRegularExpression("\\b" + word + "\\b"), from);
}

// The month and day a text starts with, as one number: March 21st is 321 ("Sept" is September).
int monthDay(const QString& text)
{
    const QRegularExpressionMatch m = QRegularExpression("^([A-Z][a-z]{2,}) (\\d{1,2})").match(text);
    for (int month = 1; m.hasMatch() && month <= 12; ++month) {
        if (QDate(2000, month, 1).toString("MMMM").startsWith(m.captured(1)))
            return month * 100 + m.captured(2).toInt();
    }
    return 0;
}

bool bornUnder(int date, const QString& birthDates)
{
    const int from = monthDay(birthDates), to = monthDay(birthDates.section(" - ", 1));
    return from <= to ? date >= from && date <= to : date >= from || date <= to;
}

} // namespace

class TestSignTexts : public QObject
{
    Q_OBJECT

private slots:
    // Every long text in its size range, laid out in paragraphs of plain characters; the whole
    // data set keeps its size to the character, so that a lost, doubled or "corrected" piece of
    // any text shows, and its one accented letter stays one letter.
    void textsKeepTheirLayoutCharactersAndSize()
    {
        static const QRegularExpression linkish("www|@|\\b(https?|ftp|mailto|file|news|telnet|gopher|wais|prospero):",
                                                QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression allowed("^[A-Za-z0-9 ,.'\\-!/;?():\\x{e7}]+$");
        QString all;
        for (const ZodiacSign& sign : Zodiac) {
            sign.load();
            const QStringList values = SignFields(*sign.record);
            all += values.join(QString());
            for (int f = 0; f < 15; ++f) {
                const LongField& field = LongFields[f];
                const QString& text = values[14 + f];
                const QByteArray where = (sign.name + "." + field.name).toUtf8();
                QVERIFY2(text.size() >= field.minChars && text.size() <= field.maxChars, where);
                QVERIFY2(!linkish.match(text).hasMatch(), where + " looks like a link");
                if (field.maxParagraphs == 0)
                    continue; // the famous lists have their own test

                // A paragraph is one line, paragraphs are parted by one empty line (Leo opens
                // with two paragraphs on consecutive lines) and no text starts or ends with a break.
                const QStringList paragraphs = text.split(CrLf, Qt::SkipEmptyParts);
                QString laidOut = paragraphs.join(EmptyLine);
                if (sign.name == "Leo" && field.name == "GeneralTraits")
                    laidOut.replace(laidOut.indexOf(EmptyLine), EmptyLine.size(), CrLf);
                QVERIFY2(text == laidOut, where + " breaks its lines otherwise");
                for (const QString& paragraph : paragraphs) {
                    QVERIFY2(allowed.match(paragraph).hasMatch(), where + " holds a character it may not");
                    QVERIFY2(!paragraph.startsWith(' ') && !paragraph.endsWith(' ') && !paragraph.contains("  "), where);
                }
                if (field.name != "CompatibilityTraits") {
                    QVERIFY2(paragraphs.size() <= field.maxParagraphs, where);
                    continue;
                }
                const QList<QStringList> partners = partnersOf(sign.name);
                QVERIFY2(paragraphs.size() == partners.size(), where);
                for (int i = 0; i < partners.size(); ++i) {
                    const QByteArray paragraph = where + " paragraph " + QByteArray::number(i + 1);
                    QVERIFY2(wordAt(paragraphs[i].section(QRegularExpression("[.!?] "), 0, 0), partners[i].first()) >= 0, paragraph);
                    int at = wordAt(paragraphs[i], partners[i].first());
                    for (const QString& later : partners[i].mid(1))
                        QVERIFY2((at = wordAt(paragraphs[i], later, at + 1)) > 0, paragraph);
                }
            }
        }
        QCOMPARE(all.size(), 211833);
        QCOMPARE(all.count(QChar(0xE7)), 1);
    }

    // Every entry a real date inside its sign's range, and one person once in the whole program.
    // The lists keep their irregular blanks and cut-short months.
    void famousListsKeepTheirEntryFormat()
    {
        static const QRegularExpression entryPattern(
            "^[A-Z][a-z]+ \\d{1,2}[a-z]* ?, {1,2}(?<year>\\d{1,4})(?<bc> BC)? ? - "
            "(?<name>\\S.*?\\S) - \\S.*\\S$");
        QStringList names;
        for (const ZodiacSign& sign : Zodiac) {
            sign.load();
            const SignData& data = *sign.record;
            for (const QString& entry : data.Famous.split(CrLf, Qt::SkipEmptyParts)) {
                const QRegularExpressionMatch m = entryPattern.match(entry);
                QVERIFY2(m.hasMatch(), qPrintable(entry));
                const int date = monthDay(entry);
                const int year = m.hasCaptured("bc") ? 2000 : m.captured("year").toInt();
                QVERIFY2(QDate(year, date / 100, date % 100).isValid(), qPrintable(entry));
                QVERIFY2(bornUnder(date, data.BirthDates), qPrintable(entry));
                QVERIFY2(!names.contains(m.captured("name")), qPrintable(entry));
                names.append(m.captured("name"));
            }
        }
        QCOMPARE(names.size(), 61);
    }
};

QTEST_APPLESS_MAIN(TestSignTexts)
#include "tst_signtexts.moc"
