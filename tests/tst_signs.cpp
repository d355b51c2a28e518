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
    // Runs first: nothing has loaded a record yet.
    void recordsAreEmptyUntilLoaded()
    {
        for (const ZodiacSign& sign : Zodiac) {
            const QStringList values = SignFields(*sign.record);
            QCOMPARE(values.size(), 29);
            for (const QString& value : values)
                QVERIFY2(value.isEmpty(), qPrintable(sign.name));
        }
    }

    void tableListsTheSignsInZodiacOrder()
    {
        const QStringList expected = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                      "Libra", "Scorpio", "Sagittarius", "Capricorn",
                                      "Aquarius", "Pisces"};
        QStringList names;
        for (const ZodiacSign& sign : Zodiac)
            names.append(sign.name);
        QCOMPARE(names, expected);

        // Pictures are numbered in the alphabetical order of the names, from 1.
        QStringList alphabetical = names;
        std::sort(alphabetical.begin(), alphabetical.end());
        for (const ZodiacSign& sign : Zodiac)
            QCOMPARE(sign.pictureNumber, int(alphabetical.indexOf(sign.name)) + 1);

        QSet<SignData*> records;
        for (const ZodiacSign& sign : Zodiac)
            records.insert(sign.record);
        QCOMPARE(records.size(), 12);
    }

    void findSignMatchesExactNamesOnly()
    {
        QCOMPARE(FindSign("Scorpio"), &Zodiac[7]);
        QCOMPARE(FindSign("Pisces"), &Zodiac[11]);
        QVERIFY(!FindSign("scorpio"));
        QVERIFY(!FindSign("Scorpio "));
        QVERIFY(!FindSign(" Aries"));
        QVERIFY(!FindSign(""));
    }

    void loadingOneSignLeavesTheOthersAlone()
    {
        const ZodiacSign& taurus = Zodiac[1];
        taurus.load();
        const QStringList taurusBefore = SignFields(*taurus.record);
        Zodiac[0].load();
        QCOMPARE(SignFields(*taurus.record), taurusBefore);
        for (const ZodiacSign& sign : Zodiac) {
            if (sign.name == "Aries" || sign.name == "Taurus")
                continue;
            for (const QString& value : SignFields(*sign.record))
                QVERIFY2(value.isEmpty(), qPrintable(sign.name + " was touched"));
        }
    }

    void loadingTwiceGivesTheSameRecord()
    {
        for (const ZodiacSign& sign : Zodiac) {
            sign.load();
            const QStringList once = SignFields(*sign.record);
            sign.load();
            QCOMPARE(SignFields(*sign.record), once);
            QCOMPARE(sign.record->ZodiacSignName, sign.name);
        }
    }

    void shortAttributesReadAsGiven_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QStringList>("values");
        const QList<QStringList> rows = {
            {"Aries", "March 21st - April 20th", "Ram", "Fire", "Cardinal", "Mars", "Venus", "Sun", "Aquamarine", "Red And White", "Six And Seven", "Tuesday", "Ruby, Diamond", "Gold, Bronze"},
            {"Taurus", "April 21st - May 20th", "Bull", "Earth", "Fixed", "Venus", "Mars", "Moon", "Emerald", "Blue and Green", "One and Nine", "Friday", "Emerald, Topaz, Agate", "Silver, Gold, Copper"},
            {"Gemini", "May 21st - June 20th", "Twins", "Air", "Mutable", "Mercury", "Jupiter", "None", "Alexandrine", "Yellow", "Three and Four", "Wednesday", "Crystal, Pearl, Aquamarine", "Gold, Silver"},
            {"Cancer", "June 22nd - July 22nd", "Crab", "Water", "Cardinal", "Moon", "Saturn", "Jupiter", "Moonstone", "Silver, White, Sea Green", "Two, Three, Seven", "Monday", "Ruby, Moonstone, Pearl", "Silver"},
            {"Leo", "July 23rd - August 22nd", "Lion", "Fire", "Fixed", "Sun", "Saturn", "Pluto", "Peridot", "Gold, Orange", "Five, Nine", "Sunday", "Amber, Ruby, Jacinth, Peridot", "Gold"},
            {"Virgo", "August 23rd - September 22nd", "Virgin", "Earth", "Mutable", "Mercury", "Jupiter", "Pluto", "Mercury", "Navy Blue, Grey", "Eight, Four", "Wednesday", "Pink Jasper, Sapphire, Azurite", "Gold"},
            {"Libra", "September 23rd - October 22nd", "Scales", "Air", "Cardinal", "Venus", "Mars", "Saturn", "Opal, Quartz", "Pink, Blue, Lavenders", "Six, Nine", "Friday", "Opal, Agate, Tourmaline", "All metals"},
            {"Scorpio", "October 21 - November 20", "Scorpion", "Water", "Fixed", "Mars", "Venus", "Uranus", "Topaz", "Red, Black", "Three, Five", "Tuesday", "Topaz, Coral, Garnet, Ruby, Zircon", "Gold, Silver"},
            {"Sagittarius", "November 23rd - December 21st", "Archer", "Fire", "Mutable", "Jupiter", "Mercury", "None", "Blue Topaz", "Red, Purple", "Nine", "Thursday", "Amethyst, Malachite, Zircon, Turquoise", "Gold, Silver, Copper"},
            {"Capricorn", "December 22nd - January 19th", "Goat", "Earth", "Cardinal", "Saturn", "Moon", "Mars", "Garnet", "Dark Green, Brown", "Three and Seven", "Saturday", "Onyx, Quartz, Garnet", "Gold and Silver"},
            {"Aquarius", "January 20th - February 18th", "Water Carrier", "Air", "Fixed", "Saturn (or Uranus)", "Sun", "Mercury", "Garnet, Amethyst", "Electric Blue", "Seven and Nine", "Friday", "Blue Sapphire, Lapis, Amethyst, Aquamarine", "All metals"},
            {"Pisces", "February 19th - March 20th", "Fish", "Water", "Mutable", "Jupiter (or Neptune)", "Mercury", "Venus", "Aquamarine", "Pale Green, Oceanic", "Eight and Five", "Thursday", "Diamond, Turquoise, Jade, Amethyst, Bloodstone", "Silver"},
        };
        for (const QStringList& row : rows)
            QTest::newRow(qPrintable(row.first())) << row.first() << row;
    }
    void shortAttributesReadAsGiven()
    {
        QFETCH(QString, sign);
        QFETCH(QStringList, values);
        const ZodiacSign* entry = FindSign(sign);
        QVERIFY(entry);
        entry->load();
        QCOMPARE(SignFields(*entry->record).mid(0, 14), values);
        for (const QString& value : values.mid(1)) {
            QVERIFY(value.size() <= 46);
            QVERIFY(!value.contains('\r') && !value.contains('\n'));
        }
    }
};

QTEST_APPLESS_MAIN(TestSigns)
#include "tst_signs.moc"
