// The sign records and the zodiac table: what loading a sign puts into its record, and what it
// leaves alone.

#include "signs/zodiac.h"
#include "support/SignFields.h"

#include <QtTest>
#include <algorithm>

class TestSigns : public QObject
{
    Q_OBJECT

private slots:
    // Records live for the whole run; each test starts from records that were never loaded.
    void init()
    {
        for (const ZodiacSign& sign : Zodiac)
            *sign.record = SignData();
    }

    void loadingFillsOnlyItsOwnRecord()
    {
        const ZodiacSign& taurus = *FindSign("Taurus");
        taurus.load();
        const QStringList once = SignFields(*taurus.record);
        QCOMPARE(once.first(), QString("Taurus"));
        QVERIFY(!once.contains(QString()));
        taurus.load();
        QCOMPARE(SignFields(*taurus.record), once);
        for (const ZodiacSign& sign : Zodiac) {
            if (&sign != &taurus)
                QCOMPARE(SignFields(*sign.record), QStringList(29, QString()));
        }
    }

    void picturesAreNumberedAlphabetically()
    {
        QStringList names;
        for (const ZodiacSign& sign : Zodiac)
            names.append(sign.name);
        QCOMPARE(names.first(), QString("Aries"));
        QCOMPARE(names.last(), QString("Pisces"));
        QStringList alphabetical = names;
        std::sort(alphabetical.begin(), alphabetical.end());
        for (const ZodiacSign& sign : Zodiac) {
            QCOMPARE(sign.pictureNumber, int(alphabetical.indexOf(sign.name)) + 1);
            QCOMPARE(FindSign(sign.name), &sign);
        }
        for (const char* other : {"scorpio", "Scorpio ", " Aries", ""})
            QVERIFY2(!FindSign(other), other);
    }

    // The few short values that look like slips are the program's own and stay as they are.
    void shortAttributesKeepTheirOwnSpelling()
    {
        const auto field = [](const char* sign, QString SignData::*member) {
            FindSign(sign)->load();
            return FindSign(sign)->record->*member;
        };
        QCOMPARE(field("Scorpio", &SignData::BirthDates), QString("October 21 - November 20"));
        QCOMPARE(field("Virgo", &SignData::Birthstone), QString("Mercury"));
        QCOMPARE(field("Aries", &SignData::LuckyColors), QString("Red And White"));
        QCOMPARE(field("Taurus", &SignData::LuckyColors), QString("Blue and Green"));
        QCOMPARE(field("Aquarius", &SignData::LuckyMetals), QString("All metals"));
        QCOMPARE(field("Pisces", &SignData::DomicilePlanet), QString("Jupiter (or Neptune)"));
        for (const ZodiacSign& sign : Zodiac) {
            for (const QString& value : SignFields(*sign.record).mid(1, 13)) {
                QVERIFY(value.size() <= 46);
                QVERIFY(!value.contains('\r') && !value.contains('\n') && value.trimmed() == value);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSigns)
#include "tst_signs.moc"
