// The program's services: web pages, the stored setting with its encoding, the update reminder
// and the end of the program.

#include "app/mod_Help.h"
#include "app/site.h"
#include "platform/Form.h"
#include "support/Doubles.h"

#include <QtTest>

using namespace mod_Help;

namespace {

const QString Prompt = "There maybe an update to this software available\rDo you want to check for an update?";

class UnloadRecorder : public platform::Form
{
public:
    explicit UnloadRecorder(bool endsProgram, bool refuses = false)
        : m_endsProgram(endsProgram), m_refuses(refuses) {}
    int unloads = 0;

protected:
    void Form_Unload(int& Cancel) override
    {
        ++unloads;
        if (m_refuses)
            Cancel = 1;
        if (m_endsProgram)
            CloseAllAndEnd();
    }

private:
    bool m_endsProgram;
    bool m_refuses;
};

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<doubles::Surroundings> out;

    QString storedKey() const { return "zelphine/Settings/" + EncodeSetting("Duration"); }
    void storeDate(const QDateTime& moment) { out->store.values[storedKey()] = EncodeSetting(platform::DateTimeText(moment)); }
    QDateTime storedDate() const { return platform::ReadDateTime(DecodeSetting(out->store.values.value(storedKey()))).value_or(QDateTime()); }

private slots:
    void init()
    {
        out = std::make_unique<doubles::Surroundings>();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void cleanup()
    {
        out.reset();
        QLocale::setDefault(QLocale::system());
    }

    void openersOpenTheirPagesThroughTheShell()
    {
        GoToSoftwaresPage();
        GoToDonatePage();
        GoToHelpPage();
        GoToFullBrandPage();
        GoToCoBrandPage();
        GoToHomePage();
        GoToDownloadPage();
        GoToHomePage();
        const QString web = "http://" + site::WebHost;
        const QString help = "http://" + site::HelpHost;
        QCOMPARE(out->shell.files(), QStringList({web + "/tessalysoftwares", help + "/donate.html",
                                             web + "/zelphine/zelphine-help.html", help + "/fully-branded.html",
                                             help + "/co-brand.html", web, web + "/zelphine/download-zelphine.html",
                                             web}));
        QCOMPARE(web, QString("http://www.tessalyboard.com")); // the home page ends with the host
        for (const doubles::Shell::Call& call : out->shell.calls) {
            QVERIFY(!call.hadOwner);
            QCOMPARE(call.verb, QString("Open"));
            QVERIFY(!call.parameters.has_value());
            QCOMPARE(call.directory, std::optional<QString>("C:\\"));
            QCOMPARE(call.showCommand, int(platform::Shell::SW_SHOWNORMAL));
        }
        QVERIFY(out->boxes.shown.isEmpty());
    }

    void encodingShiftsEachCharacterAndDropsWhatLeavesTheCodePage()
    {
        QCOMPARE(EncodeSetting(""), QString());
        QCOMPARE(DecodeSetting(""), QString());
        const QString key = EncodeSetting("Duration");
        QCOMPARE(key.size(), 8);
        QVERIFY(key != "Duration");
        QVERIFY(!key.contains('/') && !key.contains('\\')); // the store reads those as groups
        QCOMPARE(DecodeSetting(key), QString("Duration"));

        const QString moment = "12/6/2026 10:30:00 AM";
        QCOMPARE(DecodeSetting(EncodeSetting(moment)), moment);
        QCOMPARE(EncodeSetting(moment).size(), moment.size());

        // Characters near the top of the code page are lost on the way in, near the bottom on
        // the way out; the others keep their order.
        QCOMPARE(DecodeSetting(EncodeSetting(QString("a") + QChar(0x00FE) + "b")), QString("ab"));
        QCOMPARE(DecodeSetting(QString("d") + QChar(0x0001) + "e"), QString("ab"));
        // A character outside the code page travels as "?"; the euro sign is in it.
        QCOMPARE(DecodeSetting(EncodeSetting(QString("x") + QChar(0x4E2D) + QChar(0x20AC))),
                 QString("x?") + QChar(0x20AC));
    }

    void dateTextReadsBackToTheSameMoment_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "ja_JP"})
            QTest::newRow(name) << name;
    }
    void dateTextReadsBackToTheSameMoment()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        for (const QDateTime& moment : {QDateTime(QDate(2026, 12, 6), QTime(21, 10, 7)),
                                        QDateTime(QDate(2031, 1, 2), QTime(0, 1, 0)),
                                        QDateTime(QDate(1999, 7, 30), QTime(12, 0, 59))}) {
            const QString text = platform::DateTimeText(moment);
            const std::optional<QDateTime> read = platform::ReadDateTime(text);
            QVERIFY2(read.has_value(), qPrintable(text));
            QCOMPARE(read->date(), moment.date());
            QCOMPARE(read->time(), moment.time());
        }
        QVERIFY(!platform::ReadDateTime("not a date").has_value());
    }

    void firstStartStoresTheDateAndAsksNothing()
    {
        UpdateReminder();
        QVERIFY(out->boxes.shown.isEmpty());
        QCOMPARE(out->store.writes, 1);
        QCOMPARE(storedDate(), out->runtime.now);
        QVERIFY(out->shell.calls.isEmpty());

        // A value that decodes to nothing counts as no value.
        out->store.values[storedKey()] = QString(QChar(1)) + QChar(2);
        UpdateReminder();
        QVERIFY(out->boxes.shown.isEmpty());
        QCOMPARE(out->store.writes, 2);
        QCOMPARE(storedDate(), out->runtime.now);
    }

    // In a locale whose dates do not survive the code page, the reminder still works.
    void theStoredDateReadsBackInAnyLocale_data() { dateTextReadsBackToTheSameMoment_data(); }
    void theStoredDateReadsBackInAnyLocale()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        UpdateReminder();
        QCOMPARE(storedDate(), out->runtime.now);
        out->runtime.now = out->runtime.now.addDays(15);
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(storedDate(), out->runtime.now);
    }

    void asksOnlyFromFifteenCalendarDaysAway_data()
    {
        QTest::addColumn<QDateTime>("stored");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("asks");
        const QDateTime now(QDate(2026, 12, 16), QTime(0, 1));
        QTest::newRow("14 days before") << now.addDays(-14) << now << false;
        QTest::newRow("15 days before") << now.addDays(-15) << now << true;
        QTest::newRow("14 days after") << now.addDays(14) << now << false;
        QTest::newRow("15 days after") << now.addDays(15) << now << true;
        QTest::newRow("same day") << now.addSecs(3600) << now << false;
        QTest::newRow("23:59 on the 1st, 00:01 on the 16th")
            << QDateTime(QDate(2026, 12, 1), QTime(23, 59)) << now << true;
        QTest::newRow("00:01 on the 2nd, 23:59 on the 16th")
            << QDateTime(QDate(2026, 12, 2), QTime(0, 1)) << QDateTime(QDate(2026, 12, 16), QTime(23, 59)) << false;
    }
    void asksOnlyFromFifteenCalendarDaysAway()
    {
        QFETCH(QDateTime, stored);
        QFETCH(QDateTime, now);
        QFETCH(bool, asks);
        storeDate(stored);
        out->runtime.now = now;
        out->boxes.answers.enqueue(platform::MsgBox::vbNo);
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), asks ? 1 : 0);
        QCOMPARE(out->store.writes, asks ? 1 : 0);
        QCOMPARE(storedDate(), asks ? now : stored);
        QVERIFY(out->shell.calls.isEmpty()); // No opens nothing
        if (asks) {
            QCOMPARE(out->boxes.shown[0].prompt, Prompt);
            QCOMPARE(out->boxes.shown[0].style, 68);
        }
    }

    void theAnswerStoresTheMomentAfterItAndYesOpensTheDownloadPage()
    {
        storeDate(out->runtime.now.addDays(-40));
        const QDateTime answeredAt = out->runtime.now.addSecs(95);
        out->boxes.whileShown = [&] { out->runtime.now = answeredAt; };
        QDateTime storedWhenOpened;
        out->shell.whenCalled = [&] { storedWhenOpened = storedDate(); };
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(storedDate(), answeredAt);
        QCOMPARE(storedWhenOpened, answeredAt); // stored before the page opens
        QCOMPARE(out->shell.files(), QStringList({"http://" + site::WebHost + "/zelphine/download-zelphine.html"}));

        // Asked again only 15 days later.
        out->runtime.now = answeredAt.addDays(14);
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), 1);
    }

    void aFailedWriteOpensNothing()
    {
        storeDate(out->runtime.now.addDays(-20));
        out->store.failWrites = true;
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), 1);
        QVERIFY(out->shell.calls.isEmpty());
    }

    void aStoredValueThatIsNoDateEndsTheReminderSilently()
    {
        out->store.values[storedKey()] = EncodeSetting("31.31.31 ab:cd");
        UpdateReminder();
        QVERIFY(out->boxes.shown.isEmpty());
        QCOMPARE(out->store.writes, 0);
        QVERIFY(out->shell.calls.isEmpty());

        // A date written under other regional settings no longer reads either.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        storeDate(out->runtime.now.addDays(-30));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        UpdateReminder();
        QVERIFY(out->boxes.shown.isEmpty());
        QCOMPARE(out->store.writes, 0);
    }

    void closeAllAndEndUnloadsEachWindowOnceThenEnds()
    {
        QCOMPARE(platform::Forms::Loaded().size(), 0);
        auto* first = new UnloadRecorder(true);
        auto* plain = new UnloadRecorder(false);
        auto* last = new UnloadRecorder(true);

        CloseAllAndEnd();
        QCOMPARE(first->unloads, 1);
        QCOMPARE(plain->unloads, 1);
        QCOMPARE(last->unloads, 1);
        QCOMPARE(out->runtime.ends, 1);
        QVERIFY(platform::Forms::Loaded().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void aWindowThatRefusesToUnloadIsPassedOver()
    {
        auto* refusing = new UnloadRecorder(false, true);
        auto* plain = new UnloadRecorder(false);
        CloseAllAndEnd();
        QCOMPARE(refusing->unloads, 1);
        QCOMPARE(plain->unloads, 1);
        QCOMPARE(out->runtime.ends, 1);
        QCOMPARE(platform::Forms::Loaded(), QList<platform::Form*>({refusing}));
        delete refusing;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void closingAWindowThatEndsTheProgramRunsEachUnloadOnce()
    {
        auto* startup = new UnloadRecorder(true);
        auto* friendWindow = new UnloadRecorder(true);
        QVERIFY(friendWindow->close());
        QCOMPARE(startup->unloads, 1);
        QCOMPARE(friendWindow->unloads, 1);
        QCOMPARE(out->runtime.ends, 1);
        QVERIFY(platform::Forms::Loaded().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
