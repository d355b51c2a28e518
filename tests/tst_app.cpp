// The program's services: web pages, the stored setting with its encoding, the update reminder
// and the end of the program.

#include "app/mod_Help.h"
#include "app/site.h"
#include "platform/Form.h"
#include "support/Doubles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace mod_Help;

namespace {

const QString Prompt = "There maybe an update to this software available\rDo you want to check for an update?";
const QString DownloadPage = "http://" + site::WebHost + "/zelphine/download-zelphine.html";

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
        Cancel = m_refuses;
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
        for (void (*opener)() : {GoToSoftwaresPage, GoToDonatePage, GoToHelpPage, GoToFullBrandPage,
                                 GoToCoBrandPage, GoToHomePage, GoToDownloadPage, GoToHomePage})
            opener();
        const QString web = "http://" + site::WebHost;
        const QString help = "http://" + site::HelpHost;
        QCOMPARE(out->shell.files(), QStringList({web + "/tessalysoftwares", help + "/donate.html",
                                                  web + "/zelphine/zelphine-help.html", help + "/fully-branded.html",
                                                  help + "/co-brand.html", web, DownloadPage, web}));
        for (const doubles::Shell::Call& call : out->shell.calls) {
            QVERIFY(!call.hadOwner);
            QCOMPARE(call.verb, QString("Open"));
            QVERIFY(!call.parameters.has_value());
            QCOMPARE(call.directory, std::optional<QString>("C:\\"));
            QCOMPARE(call.showCommand, int(platform::Shell::SW_SHOWNORMAL));
        }
    }

    void encodingShiftsEachCharacterAndDropsWhatLeavesTheCodePage()
    {
        QCOMPARE(EncodeSetting(""), QString());
        const QString key = EncodeSetting("Duration");
        QVERIFY(key != "Duration" && key.size() == 8);
        QVERIFY(!key.contains('/') && !key.contains('\\')); // the store reads those as groups
        QCOMPARE(DecodeSetting(key), QString("Duration"));
        // Characters near the top of the code page are lost on the way in, near the bottom on
        // the way out; the others keep their order.
        QCOMPARE(DecodeSetting(EncodeSetting(QString("a") + QChar(0x00FE) + "b")), QString("ab"));
        QCOMPARE(DecodeSetting(QString("d") + QChar(0x0001) + "e"), QString("ab"));
        // A character outside the code page travels as "?"; the euro sign is in it.
        QCOMPARE(DecodeSetting(EncodeSetting(QString("x") + QChar(0x4E2D) + QChar(0x20AC))),
                 QString("x?") + QChar(0x20AC));
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
        QCOMPARE(store.GetSetting("zelphine-test", "Other", key), QString());
        QCOMPARE(store.GetSetting("zelphine-test2", "Settings", key), QString());
        QSettings file(folder.filePath("zelphine-test/zelphine-test.ini"), QSettings::IniFormat);
        QCOMPARE(file.value("Settings/" + key).toString(), value);
    }

    // Whatever the regional settings, the stored date reads back, so the question comes when due.
    // It is written in the regional short date, with the year in full, and the long time
    // without its zone.
    void theStoredDateReadsBackInAnyLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("written"); // empty: not checked
        QTest::newRow("C") << "C" << "6 Dec 2026 21:10:07";
        QTest::newRow("en_US") << "en_US" << "12/6/2026 9:10:07 PM";
        QTest::newRow("de_DE") << "de_DE" << "06.12.2026 21:10:07";
        for (const char* name : {"en_GB", "ja_JP", "sq_AL", "as_IN"})
            QTest::newRow(name) << name << QString();
    }
    void theStoredDateReadsBackInAnyLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, written);
        QLocale::setDefault(QLocale(locale));
        out->runtime.now = QDateTime(QDate(2026, 12, 6), QTime(21, 10, 7));
        UpdateReminder();
        if (!written.isEmpty())
            QCOMPARE(DecodeSetting(out->store.values.value(storedKey())), written);
        QCOMPARE(storedDate(), out->runtime.now);
        out->runtime.now = out->runtime.now.addDays(14);
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), 0);
        out->runtime.now = out->runtime.now.addDays(1);
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

    // Yes stores the moment of the answer, then opens the download page; the question comes
    // again only 15 days later. The page opens even when the store cannot be written, since the
    // user asked for it; the question then comes again at the next start.
    void yesStoresTheMomentOfTheAnswerThenOpensTheDownloadPage()
    {
        storeDate(out->runtime.now.addDays(-40));
        const QDateTime answeredAt = out->runtime.now.addSecs(95);
        out->boxes.whileShown = [&] { out->runtime.now = answeredAt; };
        QDateTime storedWhenOpened;
        out->shell.whenCalled = [&] { storedWhenOpened = storedDate(); };
        UpdateReminder();
        QCOMPARE(storedWhenOpened, answeredAt);
        QCOMPARE(out->shell.files(), QStringList({DownloadPage}));
        out->runtime.now = answeredAt.addDays(14);
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), 1);

        out->boxes.whileShown = nullptr;
        out->runtime.now = answeredAt.addDays(15);
        out->store.failWrites = true;
        UpdateReminder();
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), 3);
        QCOMPARE(out->shell.files(), QStringList({DownloadPage, DownloadPage, DownloadPage}));
    }

    // No stored date, one that decodes to nothing or one that no longer reads as a date (the
    // regional settings changed, the file was edited) is a first start: the present moment is
    // stored and nothing asked, so the reminder comes back to life instead of staying silent.
    void aMissingOrUnreadableDateIsAFirstStart()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString writtenInGerman = EncodeSetting(platform::DateTimeText(out->runtime.now.addDays(-30)));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        for (const QString& stored : {QString(), QString(QChar(1)) + QChar(2), EncodeSetting("31.31.31 ab:cd"), writtenInGerman}) {
            out->store.values[storedKey()] = stored;
            out->runtime.now = out->runtime.now.addSecs(60);
            UpdateReminder();
            QVERIFY(out->boxes.shown.isEmpty());
            QCOMPARE(storedDate(), out->runtime.now);
        }
        out->runtime.now = out->runtime.now.addDays(15);
        UpdateReminder();
        QCOMPARE(out->boxes.shown.size(), 1);
    }

    // Each window's unload runs once however the calls nest, one that refuses is passed over,
    // and the program ends once.
    void closeAllAndEndUnloadsEachWindowOnceThenEnds()
    {
        auto* first = new UnloadRecorder(false);
        auto* refusing = new UnloadRecorder(false, true);
        auto* last = new UnloadRecorder(false);
        CloseAllAndEnd();
        QCOMPARE(first->unloads, 1);
        QCOMPARE(refusing->unloads, 1);
        QCOMPARE(last->unloads, 1);
        QCOMPARE(out->runtime.ends, 1);
        QCOMPARE(platform::Forms::Loaded(), QList<platform::Form*>({refusing}));
        delete refusing;

        // Closing a window whose unload ends the program does the same.
        out->runtime.ends = 0;
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
