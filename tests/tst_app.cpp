// The program's services: the stored setting with its encoding, the update reminder and the end
// of the program. The pages the openers open are checked where the windows open them.

#include "app/mod_Help.h"
#include "app/site.h"
#include "platform/Form.h"
#include "support/Doubles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace mod_Help;
using platform::MsgBox;

namespace {

const QDateTime Now(QDate(2026, 12, 16), QTime(0, 1));

// A window that counts its unloads; it can refuse to unload, or end the program from its unload.
struct UnloadRecorder : platform::Form
{
    bool refuses = false, endsProgram = false;
    int unloads = 0;
    void Form_Unload(int& Cancel) override
    {
        ++unloads;
        Cancel = refuses;
        if (endsProgram)
            CloseAllAndEnd();
    }
};

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<doubles::Surroundings> out;

    QString storedKey() const { return "zelphine/Settings/" + EncodeSetting("Duration"); }
    QDateTime storedDate() const { return platform::ReadDateTime(DecodeSetting(out->store.values.value(storedKey()))).value_or(QDateTime()); }

private slots:
    void init()
    {
        out = std::make_unique<doubles::Surroundings>();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void cleanup() { out.reset(); }

    void encodingShiftsEachCharacterAndDropsWhatLeavesTheCodePage()
    {
        const QString key = EncodeSetting("Duration");
        QVERIFY(key != "Duration" && !key.contains('/') && !key.contains('\\')); // the store reads those as groups
        QCOMPARE(DecodeSetting(key), QString("Duration"));
        // Characters near the top of the code page are lost on the way in, near the bottom on
        // the way out; one outside the code page travels as "?", and the euro sign is in it.
        QCOMPARE(DecodeSetting(EncodeSetting(QString("a") + QChar(0x00FE) + "b")), QString("ab"));
        QCOMPARE(DecodeSetting(QString("d") + QChar(0x0001) + "e"), QString("ab"));
        QCOMPARE(DecodeSetting(EncodeSetting(QString("x") + QChar(0x4E2D) + QChar(0x20AC))), QString("x?") + QChar(0x20AC));
    }

    // The real store: one file per user in the configuration folder, a section per group.
    void theSettingsFileKeepsTheValueUnderItsSection()
    {
        QTemporaryDir folder;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        platform::SettingsStore& store = platform::SettingsStore::real();
        const QString key = EncodeSetting("Duration");
        const QString value = EncodeSetting("12/6/2026 10:30:00 PM; = #") + QChar(0xE9);
        QVERIFY(store.SaveSetting("zelphine-test", "Settings", key, value));
        QCOMPARE(store.GetSetting("zelphine-test", "Settings", key), value);
        QVERIFY(store.GetSetting("zelphine-test", "Other", key).isEmpty() && store.GetSetting("zelphine-test2", "Settings", key).isEmpty());
        QCOMPARE(QSettings(folder.filePath("zelphine-test/zelphine-test.ini"), QSettings::IniFormat).value("Settings/" + key).toString(), value);
    }

    // No stored date, or one that no longer reads as a date (regional settings changed, file
    // edited), is a first start: the moment is stored, nothing asked. In any locale the stored date
    // reads back, so the question comes when due; it has the year in full and no time zone.
    void aFirstStartStoresADateThatReadsBackInAnyLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("written"); // empty: not checked
        QTest::newRow("C") << "C" << "6 Dec 2026 21:10:07";
        QTest::newRow("en_US") << "en_US" << "12/6/2026 9:10:07 PM";
        QTest::newRow("de_DE") << "de_DE" << "06.12.2026 21:10:07";
        for (const char* name : {"en_GB", "ja_JP", "sq_AL", "as_IN"})
            QTest::newRow(name) << name << QString();
    }
    void aFirstStartStoresADateThatReadsBackInAnyLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, written);
        QLocale::setDefault(QLocale(locale));
        for (const QString& before : {QString(), EncodeSetting("31.31.31 ab:cd")}) {
            out->store.values[storedKey()] = before;
            out->boxes.shown.clear();
            out->runtime.now = QDateTime(QDate(2026, 12, 6), QTime(21, 10, 7));
            UpdateReminder();
            QVERIFY(out->boxes.shown.isEmpty());
            if (!written.isEmpty())
                QCOMPARE(DecodeSetting(out->store.values.value(storedKey())), written);
            QCOMPARE(storedDate(), out->runtime.now);
            out->runtime.now = out->runtime.now.addDays(15);
            UpdateReminder();
            QCOMPARE(out->boxes.shown.size(), 1);
        }
    }

    // The question comes from 15 calendar days either way, whatever the times of day. The moment of the answer is stored
    // before Yes opens the download page; the page opens even when the store cannot be written,
    // since the user asked for it (the question then comes again at the next start).
    void asksFromFifteenCalendarDaysAwayAndStoresTheAnswer_data()
    {
        QTest::addColumn<QDateTime>("stored");
        QTest::addColumn<int>("answer"); // 0: not asked
        QTest::addColumn<bool>("storeFails");
        QTest::newRow("14 days before") << Now.addDays(-14) << 0 << false;
        QTest::newRow("23:59 on the 1st, Yes") << QDateTime(QDate(2026, 12, 1), QTime(23, 59)) << int(MsgBox::vbYes) << false;
        QTest::newRow("23:59 on the 30th") << QDateTime(QDate(2026, 12, 30), QTime(23, 59)) << 0 << false;
        QTest::newRow("15 days after, No") << Now.addDays(15) << int(MsgBox::vbNo) << false;
        QTest::newRow("store fails, Yes") << Now.addDays(-40) << int(MsgBox::vbYes) << true;
    }
    void asksFromFifteenCalendarDaysAwayAndStoresTheAnswer()
    {
        QFETCH(QDateTime, stored);
        QFETCH(int, answer);
        QFETCH(bool, storeFails);
        out->store.values[storedKey()] = EncodeSetting(platform::DateTimeText(stored));
        out->runtime.now = Now;
        out->store.failWrites = storeFails;
        out->boxes.whileShown = [&] { out->runtime.now = Now.addSecs(95); }; // the moment of the answer
        out->boxes.answers.enqueue(answer);
        QDateTime storedWhenOpened;
        out->shell.whenCalled = [&] { storedWhenOpened = storedDate(); };
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), answer ? 1 : 0);
        QCOMPARE(storedDate(), answer && !storeFails ? Now.addSecs(95) : stored);
        QCOMPARE(out->shell.files(), answer == MsgBox::vbYes ? QStringList({"http://" + site::WebHost + "/zelphine/download-zelphine.html"}) : QStringList());
        QCOMPARE(storedWhenOpened, answer == MsgBox::vbYes ? storedDate() : QDateTime());
        if (answer) {
            QCOMPARE(out->boxes.shown[0].prompt, QString("There maybe an update to this software available\rDo you want to check for an update?"));
            QCOMPARE(out->boxes.shown[0].style, MsgBox::vbYesNo + MsgBox::vbInformation);
        }
    }

    // Each window's unload runs once however the calls nest (two windows here end the program
    // from their unload), one that refuses is passed over, and the program ends once.
    void closeAllAndEndUnloadsEachWindowOnceThenEnds()
    {
        auto* first = new UnloadRecorder;
        auto* refusing = new UnloadRecorder;
        auto* last = new UnloadRecorder;
        first->endsProgram = last->endsProgram = refusing->refuses = true;
        QVERIFY(last->close());
        QVERIFY(first->unloads == 1 && refusing->unloads == 1 && last->unloads == 1);
        QCOMPARE(out->runtime.ends, 1);
        QCOMPARE(platform::Forms::Loaded(), QList<platform::Form*>({refusing}));
        delete refusing;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
