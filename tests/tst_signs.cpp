// The sign records and the zodiac table: what loading a sign puts into its record, and what it
// leaves alone.

#include "signs/zodiac.h"
#include "support/SignFields.h"

#include <QRegularExpression>
#include <QtTest>

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
};

QTEST_APPLESS_MAIN(TestSigns)
#include "tst_signs.moc"
