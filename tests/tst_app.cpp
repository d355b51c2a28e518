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
struct Window : platform::Form
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

// One start: the regional settings, the stored text before it, the user's answer (0: not asked),
// whether the store fails, and then the stored date and its text (empty: not checked).
struct Start
{
    QString locale, stored;
    int answer;
    bool storeFails;
    QDateTime after;
    QString written;
};

} // namespace

Q_DECLARE_METATYPE(Start)

class TestApp : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<doubles::Surroundings> out;

    QString storedKey() const { return "zelphine/Settings/" + EncodeSetting("Duration"); }
    QDateTime storedDate() const { return platform::ReadDateTime(DecodeSetting(out->store.values.value(storedKey()))).value_or(QDateTime()); }

private slots:
    void init() { out = std::make_unique<doubles::Surroundings>(); }
    void cleanup() { out.reset(); }

    // Each character moves by the same step within the code page (Windows-1252), both ways: "ü"
    // (252) becomes "ÿ" (255), the euro sign (128) "ƒ" (131), the no-break space (160) "£" (163). A character whose code would leave 0
    // to 255 is dropped, near the top of the page on the way in, near the bottom on the way out;
    // one the page lacks travels as "?". The key holds no "/" or "\", which the store reads as groups.
    void encodingShiftsEachCharacterWithinTheCodePage()
    {
        for (const auto& [plain, stored] : QList<QPair<QString, QString>>{{"Duration", "Gxudwlrq"}, {"ü€\u00a0", "ÿƒ£"}}) {
            QCOMPARE(EncodeSetting(plain), stored);
            QCOMPARE(DecodeSetting(stored), plain);
        }
        QCOMPARE(EncodeSetting("aþb中"), QString("deB"));
        QCOMPARE(DecodeSetting(QString("d") + QChar(1) + "e"), QString("ab"));
    }

    // The real store fails a save it cannot write: a folder where its file belongs.
    void theSettingsStoreReportsAFailedSave()
    {
        QTemporaryDir folder;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        QVERIFY(QDir().mkpath(folder.filePath("zelphine/zelphine.ini")));
        QVERIFY(!platform::SettingsStore::real().SaveSetting("zelphine", "Settings", EncodeSetting("Duration"), "value"));
    }

    // A first start (no stored date, or one that no longer reads as a date: regional settings
    // changed, file edited) stores the moment and asks nothing. The question comes from 15
    // calendar days either way, whatever the times of day; the moment of the answer is stored
    // before Yes opens the download page, which opens even when the store cannot be written (the
    // question then comes again). In any locale the stored date has the year in full, no time zone,
    // and reads back: 15 days on, the question comes.
    void theReminderAsksFromFifteenCalendarDaysAway_data()
    {
        QTest::addColumn<Start>("start");
        const QDateTime answered = Now.addSecs(95);
        QTest::newRow("first, C") << Start{"C", "", 0, false, Now, "16 Dec 2026 00:01:00"};
        QTest::newRow("first, en_US") << Start{"en_US", "31.31.31 ab:cd", 0, false, Now, "12/16/2026 12:01:00 AM"};
        QTest::newRow("first, de_DE") << Start{"de_DE", "", 0, false, Now, "16.12.2026 00:01:00"};
        for (const char* name : {"en_GB", "ja_JP", "sq_AL", "as_IN"})
            QTest::newRow(name) << Start{name, "", 0, false, Now, ""};
        const auto iso = [](const QDateTime& moment) { return moment.toString(Qt::ISODate); };
        QTest::newRow("14 days before") << Start{"en_US", iso(Now.addDays(-14)), 0, false, Now.addDays(-14), ""};
        QTest::newRow("23:59 on the 1st, Yes") << Start{"en_US", "2026-12-01T23:59:00", MsgBox::vbYes, false, answered, "12/16/2026 12:02:35 AM"};
        QTest::newRow("23:59 on the 30th") << Start{"de_DE", "2026-12-30T23:59:00", 0, false, QDateTime(QDate(2026, 12, 30), QTime(23, 59)), ""};
        QTest::newRow("15 days after, No") << Start{"de_DE", iso(Now.addDays(15)), MsgBox::vbNo, false, answered, "16.12.2026 00:02:35"};
        QTest::newRow("store fails, Yes") << Start{"en_US", iso(Now.addDays(-40)), MsgBox::vbYes, true, Now.addDays(-40), ""};
    }
    void theReminderAsksFromFifteenCalendarDaysAway()
    {
        QFETCH(Start, start);
        QLocale::setDefault(QLocale(start.locale));
        out->store.values[storedKey()] = EncodeSetting(start.stored);
        out->runtime.now = Now;
        out->store.failWrites = start.storeFails;
        out->boxes.whileShown = [&] { out->runtime.now = Now.addSecs(95); }; // the moment of the answer
        out->boxes.answers.enqueue(start.answer);
        QDateTime storedWhenOpened;
        out->shell.whenCalled = [&] { storedWhenOpened = storedDate(); };
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), start.answer ? 1 : 0);
        QCOMPARE(storedDate(), start.after);
        if (!start.written.isEmpty())
            QCOMPARE(DecodeSetting(out->store.values.value(storedKey())), start.written);
        const bool yes = start.answer == MsgBox::vbYes;
        QCOMPARE(out->shell.files(), yes ? QStringList({"http://" + site::WebHost + "/zelphine/download-zelphine.html"}) : QStringList());
        QCOMPARE(storedWhenOpened, yes ? start.after : QDateTime());
        out->runtime.now = start.after.addDays(15);
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), start.answer ? 2 : 1);
        QCOMPARE(out->boxes.shown.last().prompt, QString("There maybe an update to this software available\rDo you want to check for an update?"));
        QCOMPARE(out->boxes.shown.last().style, MsgBox::vbYesNo + MsgBox::vbInformation);
    }

    // The end unloads each window once however the calls nest (two windows here end the program
    // from their unload), passes over one that refuses, and ends the program once. A window
    // unloads once, and one that refused can unload later.
    void theEndUnloadsEachWindowOnce()
    {
        auto* first = new Window;
        auto* refusing = new Window;
        auto* last = new Window;
        first->endsProgram = last->endsProgram = refusing->refuses = true;
        QVERIFY(last->close());
        QVERIFY(first->unloads == 1 && refusing->unloads == 1 && last->unloads == 1);
        QCOMPARE(out->runtime.ends, 1);
        QCOMPARE(platform::Forms::Loaded(), QList<platform::Form*>({refusing}));
        QVERIFY(last->Unload() && last->unloads == 1); // already unloaded: not again
        refusing->refuses = false;
        QVERIFY(refusing->close() && refusing->unloads == 2 && platform::Forms::Loaded().isEmpty());
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
