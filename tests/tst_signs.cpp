// The sign records and the zodiac table: what loading a sign puts into its record and what it
// leaves alone; and the form of every sign's long texts: sizes, paragraphs, characters, the
// famous-people lists and the partners of the compatibility paragraphs.

#include "signs/zodiac.h"
#include "support/SignFields.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

const QString CrLf = QStringLiteral("\r\n"), EmptyLine = QStringLiteral("\r\n\r\n");

// The figures the texts keep: for each of fields 15 to 29, in their order, the shortest and the
// longest text over the twelve signs, both reached exactly, the most paragraphs it may have and
// a word that names its topic (if it has one); then one sign's fifteen texts together (the
// shortest and the longest sign by name) and all of them in the twelve signs.
struct Figure { QString name; int minChars, maxChars, maxParagraphs; QString topic = {}; };
const Figure Figures[] = {
    {"Famous", 217, 286, 0}, {"GeneralTraits", 1087, 4029, 5}, {"PositiveTraits", 762, 1746, 3},
    {"NegativeTraits", 779, 1619, 3}, {"FriendshipTraits", 761, 1450, 2, "friend"}, {"CompatibilityTraits", 3221, 5612, 13},
    {"Mother", 472, 964, 1, "mother"}, {"Father", 521, 1315, 2, "father"}, {"Child", 437, 888, 1, "child"},
    {"CommonProfessions", 383, 869, 3, "work|career"}, {"HealthConcerns", 487, 753, 2, "rules"},
    {"FinancialHabits", 605, 937, 1, "money"}, {"FashionStyle", 414, 1047, 2, "cloth|dress"}, {"Travel", 424, 827, 2, "travel"},
    {"LoveAndRomance", 542, 1658, 3, "love"}, {"one sign", 15891, 19565, 0}, {"Pisces", 15891, 15891, 0},
    {"Libra", 19565, 19565, 0}, {"all signs", 210053, 210053, 0},
};

// The partners of each compatibility paragraph, parted by "|": the first is named in its first
// sentence, the others, if any, later on and in order. Three signs part them their own way.
QList<QStringList> partnersOf(const QString& sign)
{
    static const QMap<QString, QString> byParagraph = {
        {"", "Aries|Taurus|Gemini|Cancer|Leo|Virgo|Libra|Scorpio|Sagittarius|Capricorn|Aquarius|Pisces"},
        {"Cancer", "Aries|Taurus|Gemini|Leo|Virgo|Libra|Scorpio Sagittarius Capricorn Aquarius Pisces"},
        {"Virgo", "Aries|Taurus|Gemini|Cancer|Leo|Virgo|Libra|Scorpio|Scorpio|Sagittarius|Capricorn|Aquarius|Pisces"},
        {"Capricorn", "Aries|Taurus|Gemini Cancer|Leo Virgo|Libra|Scorpio Aquarius|Sagittarius|Capricorn|Aquarius|Pisces"}};
    QList<QStringList> partners;
    for (const QString& paragraph : byParagraph.value(sign, byParagraph[""]).split('|'))
        partners.append(paragraph.split(' '));
    return partners;
}

int wordAt(const QString& text, const QString& word, int from = 0)
{
    return text.indexOf(QRegularExpression("\\b" + word + "\\b"), from);
}

} // namespace

class TestSigns : public QObject
{
    Q_OBJECT

private slots:
    // Records live for the whole run: each sign is loaded alone, into records never loaded, and
    // again. Its short values (fields 2 to 14) are single lines of 1 to 46 characters, with no
    // blank at either end.
    void loadingFillsOnlyItsOwnRecord()
    {
        static const QRegularExpression shortValue(QRegularExpression::anchoredPattern("\\S([^\\r\\n]{0,44}\\S)?"));
        for (const ZodiacSign& sign : Zodiac) {
            for (const ZodiacSign& other : Zodiac)
                *other.record = SignData();
            sign.load();
            const QStringList once = SignFields(*sign.record);
            QCOMPARE(once.first(), sign.name);
            sign.load();
            QCOMPARE(SignFields(*sign.record), once);
            for (const ZodiacSign& other : Zodiac)
                QVERIFY2(SignFields(*other.record).join(QString()).isEmpty() == (&other != &sign), qPrintable(sign.name + " " + other.name));
            for (const QString& value : once.mid(1, 13))
                QVERIFY2(shortValue.match(value).hasMatch(), qPrintable(value));
        }
    }

    // Found by the exact name only: case and blanks count.
    void findSignMatchesTheExactName()
    {
        for (const ZodiacSign& sign : Zodiac)
            QCOMPARE(FindSign(sign.name), &sign);
        for (const char* other : {"scorpio", "Scorpio ", " Aries", ""})
            QVERIFY2(!FindSign(other), other);
    }

    // Every long text laid out in paragraphs of plain characters, and every figure kept to the
    // character, so that a lost, doubled or "corrected" piece of any text shows, and the one
    // accented letter stays one letter.
    void textsKeepTheirLayoutCharactersAndSize()
    {
        static const QRegularExpression linkish("\\w:\\S|www\\.|@", QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression allowed("^(?! )(?!.*  )[A-Za-z0-9 ,.'\\-!/;?():\\x{e7}]+(?<! )$");
        QMap<QString, QList<int>> sizes;
        QString all;
        for (const ZodiacSign& sign : Zodiac) {
            sign.load();
            const QStringList values = SignFields(*sign.record);
            all += values.join(QString());
            for (const QString& measure : {sign.name, QStringLiteral("one sign")})
                sizes[measure].append(values.mid(14).join(QString()).size());
            for (int f = 0; f < 15; ++f) {
                const Figure& field = Figures[f];
                const QString& text = values[14 + f];
                const QByteArray where = (sign.name + "." + field.name).toUtf8();
                sizes[field.name].append(text.size());
                QVERIFY2(!linkish.match(text).hasMatch(), where + " looks like a link");
                QVERIFY2(text.contains(QRegularExpression("\\b(" + field.topic + ")", QRegularExpression::CaseInsensitiveOption)), where);
                if (field.maxParagraphs == 0)
                    continue; // the famous lists have their own test

                // A paragraph is one line, paragraphs are parted by one empty line (Leo opens
                // with two paragraphs on consecutive lines) and no text starts or ends with a break.
                const QStringList paragraphs = text.split(CrLf, Qt::SkipEmptyParts);
                QString laidOut = paragraphs.join(EmptyLine);
                if (sign.name == "Leo" && field.name == "GeneralTraits")
                    laidOut.replace(laidOut.indexOf(EmptyLine), EmptyLine.size(), CrLf);
                QVERIFY2(text == laidOut, where + " breaks its lines otherwise");
                for (const QString& paragraph : paragraphs)
                    QVERIFY2(allowed.match(paragraph).hasMatch(), where + " holds a character or a blank it may not");
                const QList<QStringList> partners = field.name == "CompatibilityTraits" ? partnersOf(sign.name) : QList<QStringList>();
                QVERIFY2(paragraphs.size() <= field.maxParagraphs && (partners.isEmpty() || paragraphs.size() == partners.size()), where);
                for (int i = 0; i < partners.size(); ++i) {
                    const QByteArray paragraph = where + " paragraph " + QByteArray::number(i + 1);
                    int at = wordAt(paragraphs[i], partners[i].first());
                    QVERIFY2(at >= 0 && at < paragraphs[i].section(QRegularExpression("[.!?] "), 0, 0).size(), paragraph);
                    for (const QString& later : partners[i].mid(1))
                        QVERIFY2((at = wordAt(paragraphs[i], later, at + 1)) > 0, paragraph);
                }
            }
        }
        sizes["all signs"] = {std::accumulate(sizes["one sign"].cbegin(), sizes["one sign"].cend(), 0)};
        for (const Figure& figure : Figures) {
            const auto [shortest, longest] = std::minmax_element(sizes[figure.name].cbegin(), sizes[figure.name].cend());
            QCOMPARE(std::make_tuple(figure.name, *shortest, *longest), std::make_tuple(figure.name, figure.minChars, figure.maxChars));
        }
        QCOMPARE(all.size(), 211833);
        QCOMPARE(all.count(QChar(0xE7)), 1);
    }

    // Every entry a date, a name and who the person is, and one person once in the whole program.
    // The lists keep their irregular blanks and cut-short months, and Gemini's its empty lines.
    void famousListsKeepTheirEntryFormat()
    {
        static const QRegularExpression entryPattern(
            "^[A-Z][a-z]+ \\d{1,2}[a-z]* ?, {1,2}\\d{1,4}( BC)? ? - "
            "(?<name>\\S.*?\\S) - \\S.*\\S$");
        QSet<QString> names; // a person named twice counts once
        for (const ZodiacSign& sign : Zodiac) {
            sign.load();
            const QStringList entries = sign.record->Famous.split(CrLf, Qt::SkipEmptyParts);
            QCOMPARE(sign.record->Famous, entries.join(sign.name == "Gemini" ? EmptyLine : CrLf));
            for (const QString& entry : entries) {
                const QRegularExpressionMatch m = entryPattern.match(entry);
                QVERIFY2(m.hasMatch(), qPrintable(entry));
                names.insert(m.captured("name"));
            }
        }
        QCOMPARE(names.size(), 61);
    }
};

QTEST_APPLESS_MAIN(TestSigns)
#include "tst_signs.moc"
