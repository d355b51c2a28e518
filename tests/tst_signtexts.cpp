// Checks the form of every sign's long texts: sizes, paragraphs, characters, the famous-people
// list and the order of the compatibility paragraphs. The wording is free; the form is fixed.

#include "signs/zodiac.h"
#include "support/SignFields.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const QString CrLf = QStringLiteral("\r\n");

struct LongField
{
    const char* name;
    QString SignData::*member;
    int minChars, maxChars;
    int minParagraphs, maxParagraphs; // 0 for the famous list, which has entries instead
};

const LongField LongFields[] = {
    {"Famous", &SignData::Famous, 217, 286, 0, 0},
    {"GeneralTraits", &SignData::GeneralTraits, 1087, 4029, 1, 5},
    {"PositiveTraits", &SignData::PositiveTraits, 762, 1746, 1, 3},
    {"NegativeTraits", &SignData::NegativeTraits, 779, 1619, 1, 3},
    {"FriendshipTraits", &SignData::FriendshipTraits, 761, 1450, 1, 2},
    {"CompatibilityTraits", &SignData::CompatibilityTraits, 3221, 5612, 7, 13},
    {"Mother", &SignData::Mother, 472, 964, 1, 1},
    {"Father", &SignData::Father, 521, 1315, 1, 2},
    {"Child", &SignData::Child, 437, 888, 1, 1},
    {"CommonProfessions", &SignData::CommonProfessions, 383, 869, 1, 3},
    {"HealthConcerns", &SignData::HealthConcerns, 487, 753, 1, 2},
    {"FinancialHabits", &SignData::FinancialHabits, 605, 937, 1, 1},
    {"FashionStyle", &SignData::FashionStyle, 414, 1047, 1, 2},
    {"Travel", &SignData::Travel, 424, 827, 1, 2},
    {"LoveAndRomance", &SignData::LoveAndRomance, 542, 1658, 1, 3},
};

// What each sign's texts must show beyond the rules common to all: the size of the whole, the
// famous list's shape and its date irregularities, and the partners of the compatibility
// paragraphs (each paragraph names its first partner in its first sentence and the others, if
// any, later on, in order).
struct SignRules
{
    QString sign;
    int minTotal, maxTotal;
    int famousEntries;
    QString famousSeparator;
    bool daySuffixes;
    QStringList abbreviatedMonths;
    int blankBeforeComma;
    int twoBlanksAfterComma;
    int blankAfterYear;
    int yearsBeforeCommonEra;
    QList<QStringList> compatibility;
};

QList<QStringList> onePerSign()
{
    QList<QStringList> paragraphs;
    for (const ZodiacSign& partner : Zodiac)
        paragraphs.append({partner.name});
    return paragraphs;
}

QList<QStringList> cancerCompatibility()
{
    return {{"Aries"}, {"Taurus"}, {"Gemini"}, {"Leo"}, {"Virgo"}, {"Libra"},
            {"Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"}};
}

QList<QStringList> virgoCompatibility()
{
    QList<QStringList> paragraphs = onePerSign();
    paragraphs.insert(8, {"Scorpio"});
    return paragraphs;
}

QList<QStringList> capricornCompatibility()
{
    return {{"Aries"}, {"Taurus"}, {"Gemini", "Cancer"}, {"Leo", "Virgo"}, {"Libra"},
            {"Scorpio", "Aquarius"}, {"Sagittarius"}, {"Capricorn"}, {"Aquarius"}, {"Pisces"}};
}

// Most signs come to about 17,500 characters; Pisces is the shortest set and Libra the longest.
const int OrdinaryMin = 16800, OrdinaryMax = 18300;
const int PiscesTotal = 15891, LibraTotal = 19565;
const QString OneBreak = CrLf, EmptyLine = CrLf + CrLf;

// Every sign, in zodiac order.
const QList<SignRules> Rules = {
    {"Aries", OrdinaryMin, OrdinaryMax, 6, OneBreak, false, {"Mar"}, 0, 0, 0, 0, onePerSign()},
    {"Taurus", OrdinaryMin, OrdinaryMax, 5, OneBreak, false, {}, 1, 0, 0, 0, onePerSign()},
    {"Gemini", OrdinaryMin, OrdinaryMax, 5, EmptyLine, false, {}, 0, 0, 0, 0, onePerSign()},
    {"Cancer", OrdinaryMin, OrdinaryMax, 5, OneBreak, true, {}, 0, 0, 0, 0, cancerCompatibility()},
    {"Leo", OrdinaryMin, OrdinaryMax, 5, OneBreak, true, {"Aug"}, 1, 0, 0, 0, onePerSign()},
    {"Virgo", OrdinaryMin, OrdinaryMax, 5, OneBreak, true, {"Sept"}, 0, 1, 0, 0, virgoCompatibility()},
    {"Libra", LibraTotal, LibraTotal, 5, OneBreak, true, {"Oct"}, 0, 0, 0, 1, onePerSign()},
    {"Scorpio", OrdinaryMin, OrdinaryMax, 5, OneBreak, true, {"Nov"}, 1, 0, 0, 0, onePerSign()},
    {"Sagittarius", OrdinaryMin, OrdinaryMax, 5, OneBreak, true, {"Dec"}, 0, 0, 0, 0, onePerSign()},
    {"Capricorn", OrdinaryMin, OrdinaryMax, 5, OneBreak, true, {"Jan"}, 0, 0, 3, 0, capricornCompatibility()},
    {"Aquarius", OrdinaryMin, OrdinaryMax, 5, OneBreak, true, {"Feb"}, 0, 0, 2, 0, onePerSign()},
    {"Pisces", PiscesTotal, PiscesTotal, 5, OneBreak, true, {"Mar"}, 0, 0, 0, 0, onePerSign()},
};

const SignRules& rulesFor(const QString& sign)
{
    for (const SignRules& rules : Rules) {
        if (rules.sign == sign)
            return rules;
    }
    qFatal("no rules for %s", qPrintable(sign));
}

const SignData& loaded(const QString& sign)
{
    const ZodiacSign* entry = FindSign(sign);
    Q_ASSERT(entry);
    entry->load();
    return *entry->record;
}

void addSignRows()
{
    QTest::addColumn<QString>("sign");
    for (const SignRules& rules : Rules)
        QTest::newRow(qPrintable(rules.sign)) << rules.sign;
}

// Paragraphs of a text, and the number of empty lines between each paragraph and the next.
struct Paragraphs
{
    QStringList lines;
    QList<int> gaps;
};

Paragraphs splitParagraphs(const QString& text)
{
    Paragraphs result;
    int empties = 0;
    for (const QString& line : text.split(CrLf)) {
        if (line.isEmpty()) {
            ++empties;
            continue;
        }
        if (!result.lines.isEmpty())
            result.gaps.append(empties);
        result.lines.append(line);
        empties = 0;
    }
    return result;
}

QString firstSentence(const QString& paragraph)
{
    static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
    const QRegularExpressionMatch match = end.match(paragraph);
    return match.hasMatch() ? paragraph.left(match.capturedStart() + 1) : paragraph;
}

int wordAt(const QString& text, const QString& word, int from)
{
    const QRegularExpression pattern(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch match = pattern.match(text, from);
    return match.hasMatch() ? match.capturedStart() : -1;
}

struct MonthDay
{
    int month;
    int day;
};

const QStringList MonthNames = {"January", "February", "March", "April", "May", "June", "July",
                                "August", "September", "October", "November", "December"};
const QStringList Abbreviations = {"Aug", "Sept", "Oct", "Nov", "Dec", "Jan", "Feb", "Mar"};

int monthNumber(const QString& name)
{
    const int full = MonthNames.indexOf(name);
    if (full >= 0)
        return full + 1;
    for (int m = 0; m < MonthNames.size(); ++m) {
        if (Abbreviations.contains(name) && MonthNames[m].startsWith(name))
            return m + 1;
    }
    return 0;
}

QString ordinalSuffix(int day)
{
    if (day >= 11 && day <= 13)
        return QStringLiteral("th");
    switch (day % 10) {
    case 1: return QStringLiteral("st");
    case 2: return QStringLiteral("nd");
    case 3: return QStringLiteral("rd");
    default: return QStringLiteral("th");
    }
}

// The two ends of a sign's range as its birth-dates text gives them.
QPair<MonthDay, MonthDay> birthRange(const QString& birthDates)
{
    static const QRegularExpression range(
        QStringLiteral("^(\\w+) (\\d+)\\w* - (\\w+) (\\d+)\\w*$"));
    const QRegularExpressionMatch m = range.match(birthDates);
    Q_ASSERT(m.hasMatch());
    return {{monthNumber(m.captured(1)), m.captured(2).toInt()},
            {monthNumber(m.captured(3)), m.captured(4).toInt()}};
}

bool withinRange(MonthDay date, QPair<MonthDay, MonthDay> range)
{
    const auto key = [](MonthDay d) { return d.month * 100 + d.day; };
    const int from = key(range.first), to = key(range.second), at = key(date);
    return from <= to ? (at >= from && at <= to) : (at >= from || at <= to);
}

} // namespace

class TestSignTexts : public QObject
{
    Q_OBJECT

private slots:
    void everyLongTextKeepsItsSizeAndLayout_data() { addSignRows(); }
    void everyLongTextKeepsItsSizeAndLayout()
    {
        QFETCH(QString, sign);
        const SignData& data = loaded(sign);
        const SignRules& rules = rulesFor(sign);

        int total = 0;
        for (const LongField& field : LongFields) {
            const QString text = data.*field.member;
            const QString where = sign + QLatin1Char('.') + QLatin1String(field.name);
            total += text.size();

            QVERIFY2(text.size() >= field.minChars && text.size() <= field.maxChars,
                     qPrintable(where + QStringLiteral(" has %1 characters").arg(text.size())));
            QVERIFY2(!text.startsWith(' ') && !text.endsWith(' ') && !text.startsWith(CrLf)
                         && !text.endsWith(CrLf),
                     qPrintable(where + " begins or ends with a blank or a break"));
            QVERIFY2(!text.contains('\t'), qPrintable(where + " holds a tab"));
            QString withoutCrLf = text;
            withoutCrLf.remove(CrLf);
            QVERIFY2(!withoutCrLf.contains('\r') && !withoutCrLf.contains('\n'),
                     qPrintable(where + " holds a lone CR or LF"));

            QString ascii = text;
            if (sign == QLatin1String("Pisces") && field.member == &SignData::NegativeTraits) {
                QCOMPARE(text.count(QChar(0x00E7)), 1);
                ascii.remove(QChar(0x00E7));
            }
            const QRegularExpressionMatch bad = QRegularExpression(
                QStringLiteral("[^A-Za-z0-9 ,.'\\-!/;?():\\r\\n]")).match(ascii);
            QVERIFY2(!bad.hasMatch(),
                     qPrintable(where + " holds the character '" + bad.captured() + "'"));

            if (field.minParagraphs == 0)
                continue; // the famous list has its own test
            QVERIFY2(!text.contains(QStringLiteral("  ")), qPrintable(where + " holds a double blank"));
            const Paragraphs paragraphs = splitParagraphs(text);
            const bool compatibility = field.member == &SignData::CompatibilityTraits;
            const int count = paragraphs.lines.size();
            if (compatibility) {
                QCOMPARE(count, int(rules.compatibility.size()));
            } else {
                QVERIFY2(count >= field.minParagraphs && count <= field.maxParagraphs,
                         qPrintable(where + QStringLiteral(" has %1 paragraphs").arg(count)));
            }
            for (int i = 0; i < paragraphs.gaps.size(); ++i) {
                const bool leoJoin = sign == QLatin1String("Leo")
                    && field.member == &SignData::GeneralTraits && i == 0;
                QVERIFY2(paragraphs.gaps[i] == (leoJoin ? 0 : 1),
                         qPrintable(where + QStringLiteral(": break %1 is not the expected one").arg(i + 1)));
            }
        }
        QVERIFY2(total >= rules.minTotal && total <= rules.maxTotal,
                 qPrintable(sign + QStringLiteral(" long texts total %1 characters").arg(total)));
    }

    // Nothing in the texts may look like an address to the report's link detection.
    void noTextLooksLikeALink_data() { addSignRows(); }
    void noTextLooksLikeALink()
    {
        QFETCH(QString, sign);
        const SignData& data = loaded(sign);
        static const QRegularExpression linkish(
            QStringLiteral("www|@|\\b(https?|ftp|mailto|file|news|telnet|gopher|wais|prospero):"),
            QRegularExpression::CaseInsensitiveOption);
        for (const LongField& field : LongFields) {
            const QRegularExpressionMatch m = linkish.match(data.*field.member);
            QVERIFY2(!m.hasMatch(),
                     qPrintable(sign + "." + field.name + " holds '" + m.captured() + "'"));
        }
    }

    void famousListKeepsItsEntryFormat_data() { addSignRows(); }
    void famousListKeepsItsEntryFormat()
    {
        QFETCH(QString, sign);
        const SignData& data = loaded(sign);
        const SignRules& rules = rulesFor(sign);
        static const QRegularExpression entryPattern(QStringLiteral(
            "^(?<month>[A-Z][a-z]+) (?<day>\\d{1,2})(?<suffix>[a-z]*)(?<before> ?),(?<after> +)"
            "(?<year>\\d{1,4})(?<bc> BC)?(?<afteryear> ?) - (?<name>\\S.*?\\S) - (?<what>\\S.*\\S)$"));

        QStringList entries = data.Famous.split(rules.famousSeparator);
        QCOMPARE(entries.size(), rules.famousEntries);
        if (rules.famousSeparator == OneBreak)
            QVERIFY2(!data.Famous.contains(EmptyLine), "an empty line between famous entries");

        const auto range = birthRange(data.BirthDates);
        QStringList abbreviations;
        int blankBeforeComma = 0, twoBlanksAfterComma = 0, blankAfterYear = 0, beforeCommonEra = 0;
        for (const QString& entry : entries) {
            QVERIFY2(!entry.contains(CrLf), qPrintable("entries run together: " + entry));
            const QRegularExpressionMatch m = entryPattern.match(entry);
            QVERIFY2(m.hasMatch(), qPrintable("entry out of format: " + entry));

            const QString month = m.captured("month");
            const int monthNo = monthNumber(month);
            QVERIFY2(monthNo > 0, qPrintable("unknown month in: " + entry));
            if (Abbreviations.contains(month))
                abbreviations.append(month);
            const int day = m.captured("day").toInt();
            const int year = m.captured("year").toInt();
            const bool bc = !m.captured("bc").isEmpty();
            const QDate date(bc ? 2000 : year, monthNo, day); // a leap year stands in for BC dates
            QVERIFY2(date.isValid() && year > 0 && (bc || date.year() <= 2010),
                     qPrintable("impossible date in: " + entry));
            QVERIFY2(withinRange({monthNo, day}, range),
                     qPrintable("born outside " + data.BirthDates + ": " + entry));
            QCOMPARE(m.captured("suffix"), rules.daySuffixes ? ordinalSuffix(day) : QString());

            blankBeforeComma += !m.captured("before").isEmpty();
            const int after = m.captured("after").size();
            QVERIFY2(after <= 2, qPrintable("too many blanks after the comma: " + entry));
            twoBlanksAfterComma += after == 2;
            blankAfterYear += !m.captured("afteryear").isEmpty();
            beforeCommonEra += bc;
            QVERIFY2(!m.captured("name").contains(" - ") && !m.captured("what").contains(" - "),
                     qPrintable("extra separator in: " + entry));
        }
        QCOMPARE(abbreviations, rules.abbreviatedMonths);
        QCOMPARE(blankBeforeComma, rules.blankBeforeComma);
        QCOMPARE(twoBlanksAfterComma, rules.twoBlanksAfterComma);
        QCOMPARE(blankAfterYear, rules.blankAfterYear);
        QCOMPARE(beforeCommonEra, rules.yearsBeforeCommonEra);
    }

    // Each famous person appears once in the whole program.
    void famousPeopleAreDistinct()
    {
        QSet<QString> names;
        for (const SignRules& rules : Rules) {
            const SignData& data = loaded(rules.sign);
            for (const QString& entry : data.Famous.split(rules.famousSeparator)) {
                const QString name = entry.section(QStringLiteral(" - "), 1, 1);
                QVERIFY2(!names.contains(name), qPrintable(name + " is listed twice"));
                names.insert(name);
            }
        }
    }

    // The data set as a whole: each field's shortest and longest value over the twelve signs,
    // the sizes of the whole, and the smallest and largest sign.
    void theWholeDataSetHasItsSizes()
    {
        QCOMPARE(Rules.size(), Zodiac.size());
        int longText = 0, all = 0, longest = 0;
        QMap<int, QString> byLongText, byWhole;
        for (const LongField& field : LongFields) {
            QList<int> sizes;
            for (const ZodiacSign& sign : Zodiac)
                sizes.append((loaded(sign.name).*field.member).size());
            QVERIFY2(*std::min_element(sizes.begin(), sizes.end()) == field.minChars
                         && *std::max_element(sizes.begin(), sizes.end()) == field.maxChars,
                     field.name);
        }
        for (const ZodiacSign& sign : Zodiac) {
            const QStringList values = SignFields(loaded(sign.name));
            int signLong = 0, signAll = 0;
            for (int i = 0; i < values.size(); ++i) {
                QVERIFY2(!values[i].isEmpty(), qPrintable(sign.name + QStringLiteral(" field %1 is empty").arg(i + 1)));
                signAll += values[i].size();
                signLong += i >= 14 ? values[i].size() : 0;
                longest = std::max(longest, int(values[i].size()));
            }
            byLongText.insert(signLong, sign.name);
            byWhole.insert(signAll, sign.name);
            longText += signLong;
            all += signAll;
        }
        QCOMPARE(longText, 210053);
        QCOMPARE(all, 211833);
        QCOMPARE(longest, 5612);
        QCOMPARE(byLongText.first(), QString("Pisces"));
        QCOMPARE(byLongText.last(), QString("Libra"));
        QCOMPARE(byWhole.firstKey(), 16074);
        QCOMPARE(byWhole.first(), QString("Pisces"));
        QCOMPARE(byWhole.lastKey(), 19712);
        QCOMPARE(byWhole.last(), QString("Libra"));
    }

    void compatibilityTakesThePartnersInZodiacOrder_data() { addSignRows(); }
    void compatibilityTakesThePartnersInZodiacOrder()
    {
        QFETCH(QString, sign);
        const SignData& data = loaded(sign);
        const QList<QStringList>& expected = rulesFor(sign).compatibility;
        const QStringList paragraphs = splitParagraphs(data.CompatibilityTraits).lines;
        QCOMPARE(paragraphs.size(), expected.size());
        for (int i = 0; i < paragraphs.size(); ++i) {
            const QString& paragraph = paragraphs[i];
            const QStringList& partners = expected[i];
            QVERIFY2(wordAt(firstSentence(paragraph), partners.first(), 0) >= 0,
                     qPrintable(QStringLiteral("%1: paragraph %2 does not name %3 in its first sentence")
                                    .arg(sign).arg(i + 1).arg(partners.first())));
            int from = wordAt(paragraph, partners.first(), 0);
            for (const QString& partner : partners.mid(1)) {
                const int at = wordAt(paragraph, partner, from + 1);
                QVERIFY2(at > from, qPrintable(QStringLiteral("%1: paragraph %2 does not go on to %3")
                                                   .arg(sign).arg(i + 1).arg(partner)));
                from = at;
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSignTexts)
#include "tst_signtexts.moc"
