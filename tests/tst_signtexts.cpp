// The form of every sign's long texts: sizes, paragraphs, characters, the famous-people lists
// and the partners of the compatibility paragraphs. The wording is free; the form is fixed.

#include "signs/zodiac.h"
#include "support/SignFields.h"

#include <QMap>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString CrLf = QStringLiteral("\r\n"), EmptyLine = QStringLiteral("\r\n\r\n");

struct LongField
{
    const char* name;
    QString SignData::*member;
    int minChars, maxChars; // the shortest and the longest over the twelve signs
    int maxParagraphs;
};
const LongField LongFields[] = {
    {"Famous", &SignData::Famous, 217, 286, 0},
    {"GeneralTraits", &SignData::GeneralTraits, 1087, 4029, 5},
    {"PositiveTraits", &SignData::PositiveTraits, 762, 1746, 3},
    {"NegativeTraits", &SignData::NegativeTraits, 779, 1619, 3},
    {"FriendshipTraits", &SignData::FriendshipTraits, 761, 1450, 2},
    {"CompatibilityTraits", &SignData::CompatibilityTraits, 3221, 5612, 13},
    {"Mother", &SignData::Mother, 472, 964, 1},
    {"Father", &SignData::Father, 521, 1315, 2},
    {"Child", &SignData::Child, 437, 888, 1},
    {"CommonProfessions", &SignData::CommonProfessions, 383, 869, 3},
    {"HealthConcerns", &SignData::HealthConcerns, 487, 753, 2},
    {"FinancialHabits", &SignData::FinancialHabits, 605, 937, 1},
    {"FashionStyle", &SignData::FashionStyle, 414, 1047, 2},
    {"Travel", &SignData::Travel, 424, 827, 2},
    {"LoveAndRomance", &SignData::LoveAndRomance, 542, 1658, 3},
};

const SignData& loaded(const QString& sign)
{
    FindSign(sign)->load();
    return *FindSign(sign)->record;
}

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

const QStringList Months = {"January", "February", "March", "April", "May", "June", "July",
                            "August", "September", "October", "November", "December"};
const QStringList Abbreviations = {"Aug", "Sept", "Oct", "Nov", "Dec", "Jan", "Feb", "Mar"};

int monthOf(const QString& name)
{
    for (int m = 0; m < 12; ++m) {
        if (Months[m] == name || (Abbreviations.contains(name) && Months[m].startsWith(name)))
            return m + 1;
    }
    return 0;
}

QString ordinalSuffix(int day)
{
    if (day % 10 > 3 || day % 10 == 0 || day / 10 == 1)
        return "th";
    return QStringList{"st", "nd", "rd"}[day % 10 - 1];
}

// Month and day as one number (March 21st is 321), for comparing with a sign's range.
int monthDay(const QString& month, const QString& day) { return monthOf(month) * 100 + day.toInt(); }

bool bornUnder(int date, const QString& birthDates)
{
    const QRegularExpressionMatch m = QRegularExpression("^(\\w+) (\\d+)\\w* - (\\w+) (\\d+)\\w*$").match(birthDates);
    const int from = monthDay(m.captured(1), m.captured(2)), to = monthDay(m.captured(3), m.captured(4));
    return from <= to ? date >= from && date <= to : date >= from || date <= to;
}

} // namespace

class TestSignTexts : public QObject
{
    Q_OBJECT

private slots:
    void longTextsKeepTheirLayoutAndCharacters_data()
    {
        QTest::addColumn<QString>("sign");
        for (const ZodiacSign& sign : Zodiac)
            QTest::newRow(qPrintable(sign.name)) << sign.name;
    }
    void longTextsKeepTheirLayoutAndCharacters()
    {
        QFETCH(QString, sign);
        static const QRegularExpression linkish("www|@|\\b(https?|ftp|mailto|file|news|telnet|gopher|wais|prospero):",
                                                QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression allowed("^[A-Za-z0-9 ,.'\\-!/;?():]+$");
        const SignData& data = loaded(sign);
        for (const LongField& field : LongFields) {
            QString text = data.*field.member;
            const QByteArray where = (sign + "." + field.name).toUtf8();
            QVERIFY2(text.size() >= field.minChars && text.size() <= field.maxChars, where);
            QVERIFY2(!linkish.match(text).hasMatch(), where + " looks like a link");
            if (sign == "Pisces" && field.member == &SignData::NegativeTraits)
                QCOMPARE(text.count(QChar(0xE7)), 1);
            text.remove(QChar(0xE7));
            if (field.maxParagraphs == 0)
                continue; // the famous lists have their own test

            // A paragraph is one line, paragraphs are parted by one empty line (Leo opens with
            // two paragraphs on consecutive lines) and no text starts or ends with a break.
            const QStringList paragraphs = text.split(CrLf, Qt::SkipEmptyParts);
            QString laidOut = paragraphs.join(EmptyLine);
            if (sign == "Leo" && field.member == &SignData::GeneralTraits)
                laidOut.replace(laidOut.indexOf(EmptyLine), EmptyLine.size(), CrLf);
            QVERIFY2(text == laidOut, where + " breaks its lines otherwise");
            for (const QString& paragraph : paragraphs) {
                QVERIFY2(allowed.match(paragraph).hasMatch(), where + " holds a character it may not");
                QVERIFY2(!paragraph.startsWith(' ') && !paragraph.endsWith(' ') && !paragraph.contains("  "), where);
            }
            if (field.member == &SignData::CompatibilityTraits) {
                const QList<QStringList> partners = partnersOf(sign);
                QCOMPARE(paragraphs.size(), partners.size());
                for (int i = 0; i < partners.size(); ++i) {
                    const QString firstSentence = paragraphs[i].section(QRegularExpression("[.!?] "), 0, 0);
                    QVERIFY2(wordAt(firstSentence, partners[i].first()) >= 0, where + " paragraph " + QByteArray::number(i + 1));
                    int at = wordAt(paragraphs[i], partners[i].first());
                    for (const QString& later : partners[i].mid(1))
                        QVERIFY2((at = wordAt(paragraphs[i], later, at + 1)) > 0, where + " paragraph " + QByteArray::number(i + 1));
                }
            } else {
                QVERIFY2(paragraphs.size() <= field.maxParagraphs, where);
            }
        }
    }

    // Every list: real dates inside the sign's range, one person once in the whole program, and
    // the few irregular dates the lists are known for, no more.
    void famousListsKeepTheirEntryFormat()
    {
        static const QRegularExpression entryPattern(
            "^(?<month>[A-Z][a-z]+) (?<day>\\d{1,2})(?<suffix>[a-z]*)(?<before> ?),(?<after> {1,2})"
            "(?<year>\\d{1,4})(?<bc> BC)?(?<afteryear> ?) - (?<name>\\S.*?\\S) - (?<what>\\S.*\\S)$");
        QStringList abbreviations, names;
        int blankBeforeComma = 0, twoBlanksAfterComma = 0, blankAfterYear = 0, beforeCommonEra = 0;
        for (const ZodiacSign& sign : Zodiac) {
            const SignData& data = loaded(sign.name);
            const QStringList entries = data.Famous.split(sign.name == "Gemini" ? EmptyLine : CrLf);
            QCOMPARE(entries.size(), sign.name == "Aries" ? 6 : 5);
            const bool suffixes = !QStringList({"Aries", "Taurus", "Gemini"}).contains(sign.name);
            for (const QString& entry : entries) {
                const QRegularExpressionMatch m = entryPattern.match(entry);
                QVERIFY2(m.hasMatch(), qPrintable(entry));
                const int month = monthOf(m.captured("month"));
                const bool bc = m.hasCaptured("bc");
                QVERIFY2(month && QDate(bc ? 2000 : m.captured("year").toInt(), month, m.captured("day").toInt()).isValid(), qPrintable(entry));
                QVERIFY2(bornUnder(monthDay(m.captured("month"), m.captured("day")), data.BirthDates), qPrintable(entry));
                QCOMPARE(m.captured("suffix"), suffixes ? ordinalSuffix(m.captured("day").toInt()) : QString());
                QVERIFY2(!names.contains(m.captured("name")), qPrintable(entry));
                names.append(m.captured("name"));
                if (!Months.contains(m.captured("month")))
                    abbreviations.append(m.captured("month"));
                blankBeforeComma += !m.captured("before").isEmpty();
                twoBlanksAfterComma += m.captured("after").size() == 2;
                blankAfterYear += !m.captured("afteryear").isEmpty();
                beforeCommonEra += bc;
            }
        }
        std::sort(abbreviations.begin(), abbreviations.end());
        QCOMPARE(abbreviations, QStringList({"Aug", "Dec", "Feb", "Jan", "Mar", "Mar", "Nov", "Oct", "Sept"}));
        QCOMPARE(blankBeforeComma, 3);
        QCOMPARE(twoBlanksAfterComma, 1);
        QCOMPARE(blankAfterYear, 5);
        QCOMPARE(beforeCommonEra, 1);
    }

    // The data set as a whole: no empty field, the sizes of the whole, and the smallest and
    // largest sign.
    void theWholeDataSetHasItsSizes()
    {
        int longText = 0, all = 0, longest = 0;
        QMap<int, QString> byLongText, byWhole;
        QMap<const char*, QList<int>> sizes;
        for (const ZodiacSign& sign : Zodiac) {
            const QStringList values = SignFields(loaded(sign.name));
            int signLong = 0, signAll = 0;
            for (int i = 0; i < values.size(); ++i) {
                QVERIFY2(!values[i].isEmpty(), qPrintable(sign.name + QStringLiteral(" field %1").arg(i + 1)));
                signAll += values[i].size();
                signLong += i >= 14 ? values[i].size() : 0;
                longest = std::max(longest, int(values[i].size()));
            }
            for (const LongField& field : LongFields)
                sizes[field.name].append((loaded(sign.name).*field.member).size());
            if (sign.name != "Pisces" && sign.name != "Libra")
                QVERIFY2(signLong >= 16800 && signLong <= 18300, qPrintable(sign.name)); // about 17,500
            byLongText.insert(signLong, sign.name);
            byWhole.insert(signAll, sign.name);
            longText += signLong;
            all += signAll;
        }
        for (const LongField& field : LongFields) {
            const QList<int>& of = sizes[field.name];
            QVERIFY2(*std::min_element(of.begin(), of.end()) == field.minChars
                         && *std::max_element(of.begin(), of.end()) == field.maxChars, field.name);
        }
        QCOMPARE(longText, 210053);
        QCOMPARE(all, 211833);
        QCOMPARE(longest, 5612);
        QCOMPARE(byLongText.firstKey(), 15891);
        QCOMPARE(byLongText.first(), QString("Pisces"));
        QCOMPARE(byLongText.lastKey(), 19565);
        QCOMPARE(byLongText.last(), QString("Libra"));
        QCOMPARE(byWhole.firstKey(), 16074);
        QCOMPARE(byWhole.first(), QString("Pisces"));
        QCOMPARE(byWhole.lastKey(), 19712);
        QCOMPARE(byWhole.last(), QString("Libra"));
    }
};

QTEST_APPLESS_MAIN(TestSignTexts)
#include "tst_signtexts.moc"
