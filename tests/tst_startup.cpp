// Start-up and the end of the program: the hidden start-up window, the single instance, the
// update question before any window, and the random choice of the offer in front.

#include "app/mod_Help.h"
#include "app/site.h"
#include "main_window/frmMain.h"
#include "platform/Runtime.h"
#include "platform/SettingsStore.h"
#include "startup/frmStartup.h"
#include "support/Doubles.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace platform;

namespace {

bool Write(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Puts a lock of one kind where a lock file belongs: one a crash left "empty" or "garbled", one
// of "another machine's" (its holder, a live process there, cannot be checked here), a "folder",
// or one that a "live" holder, this test, has held for an hour. Returns the live holder.
std::unique_ptr<QLockFile> PlaceLock(const QString& path, const QString& kind)
{
    QDir().mkpath(kind == "folder" ? path : QFileInfo(path).path());
    const QMap<QString, QByteArray> written = {
        {"empty", ""}, {"garbled", "\xff\x01garbled"}, {"another machine's", "1\nzelphine\nfar-away\n0123456789abcdef\nb00t\n"}};
    if (written.contains(kind))
        Write(path, written[kind]);
    if (kind != "live")
        return nullptr;
    auto holder = std::make_unique<QLockFile>(path);
    QFile file(path);
    if (!holder->tryLock(0) || !file.open(QIODevice::ReadOnly)
        || !file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFile::FileModificationTime))
        holder.reset();
    return holder;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<doubles::Surroundings> out;

private slots:
    void init()
    {
        out = std::make_unique<doubles::Surroundings>();
        QVERIFY(Forms::Loaded().isEmpty());
    }

    // Every test starts with no window loaded.
    void cleanup()
    {
        qDeleteAll(Forms::Loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        out.reset();
    }

    // A second instance shows only its message and ends. With the reminder due, the question
    // comes while no window shows; then the main window shows, and closing it leads to the last
    // window while the program goes on.
    void startUpShowsTheMainWindowAfterAnyQuestion()
    {
        out->runtime.otherInstance = true;
        form<frmStartup>();
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(out->boxes.shown[0].prompt, QString("Application is already running"));
        QCOMPARE(out->boxes.shown[0].style, int(MsgBox::vbInformation));
        QCOMPARE(out->runtime.ends, 1);
        QCOMPARE(out->store.reads + out->runtime.seeded, 0); // neither the reminder nor the seed
        QVERIFY(Forms::Loaded().isEmpty());

        out.reset();
        out = std::make_unique<doubles::Surroundings>();
        out->store.values["zelphine/Settings/" + mod_Help::EncodeSetting("Duration")] =
            mod_Help::EncodeSetting(DateTimeText(out->runtime.now.addDays(-15)));
        bool windowSeen = false;
        out->boxes.whileShown = [&] {
            for (QWidget* window : QApplication::topLevelWidgets())
                windowSeen = windowSeen || window->isVisible();
        };
        frmStartup& startup = form<frmStartup>();
        QVERIFY(out->boxes.shown.size() == 1 && out->boxes.shown[0].prompt.startsWith("There maybe") && !windowSeen);
        QCOMPARE(out->runtime.seeded, 1);
        auto* main = qobject_cast<frmMain*>(Forms::Loaded().value(1));
        QVERIFY(main && main->isVisible() && !startup.isVisible());
        QVERIFY(main->close());
        QVERIFY(Forms::Loaded().size() == 2 && Forms::Loaded()[0] == &startup && !qobject_cast<frmMain*>(Forms::Loaded()[1]));
        QCOMPARE(out->runtime.ends, 0);
    }

    // Only a living holder keeps a lock, however old its lock: one a crash left behind or another
    // machine's is cleared, and neither keeps out a start nor holds up the write of the reminder's
    // date for more than a moment. A folder in the instance lock's place is reported and the
    // program starts; in the settings lock's place the write is skipped at once. A program that
    // ends releases its lock.
    void onlyALivingHolderKeepsALock_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("stored");
        for (const char* kind : {"empty", "garbled", "another machine's"})
            QTest::newRow(kind) << kind << true << true;
        QTest::newRow("folder") << "folder" << true << false;
        QTest::newRow("live") << "live" << false << false;
    }
    void onlyALivingHolderKeepsALock()
    {
        QFETCH(QString, kind);
        QFETCH(bool, starts);
        QFETCH(bool, stored);
        QTemporaryDir home;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
        const QString settingsLock = home.filePath("zelphine/zelphine.ini.lock");
        const auto holder = PlaceLock(settingsLock, kind);
        QVERIFY(QFileInfo::exists(settingsLock) && (kind != "live" || holder));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(SettingsStore::real().SaveSetting("zelphine", "Settings", "Duration", "now"), stored);
        QVERIFY(clock.elapsed() < 5000); // far from the half minute after which a lock counts as stale
        QCOMPARE(QSettings(home.filePath("zelphine/zelphine.ini"), QSettings::IniFormat).value("Settings/Duration").toString(), stored ? "now" : "");
        QCOMPARE(QFileInfo::exists(settingsLock), !stored);

        const QString instanceLock = home.filePath("tst_startup.lock");
        const auto instanceHolder = PlaceLock(instanceLock, kind);
        QProcess start;
        start.start("env", {"XDG_RUNTIME_DIR=" + home.path(), "ZELPHINE_TAKE_LOCK_AND_END=1", QCoreApplication::applicationFilePath()});
        QVERIFY(start.waitForFinished(20000));
        QCOMPARE(start.readAllStandardOutput(), QByteArray(starts ? "started\n" : ""));
        QCOMPARE(start.readAllStandardError().contains("a folder is in the way at " + instanceLock.toUtf8()), kind == "folder");
        QCOMPARE(QFileInfo::exists(instanceLock), kind == "folder" || kind == "live");
    }

    // Rnd * 6 + 1 rounded half to even: 1, 3 or 5 brings the co-brand offer to the front, 2, 4
    // or 6 the full-brand one, 7 neither; whatever was in front then stays there.
    void coBrandRandomizeBringsAnOfferToTheFront()
    {
        const QString cobrand = "lblCobrand", fullBrand = "lblFullBrand";
        const QList<QPair<float, QString>> rows = {
            {std::nextafter(1.0f / 12, 0.0f), cobrand}, {1.0f / 12, fullBrand}, {0.25f, fullBrand} /* 2.5 */,
            {std::nextafter(0.25f, 1.0f), cobrand}, {0.5f, fullBrand}, {2.0f / 3, cobrand}, {0.75f, fullBrand} /* 5.5 */,
            {std::nextafter(11.0f / 12, 0.0f), fullBrand}, {11.0f / 12, QString()}};
        frmStartup& startup = form<frmStartup>();
        frmMain& main = form<frmMain>();
        for (const auto& [r, front] : rows) {
            for (LinkLabel* before : {main.lblCobrand, main.lblFullBrand}) {
                before->raise();
                out->runtime.randoms.enqueue(r);
                startup.CoBrand_Randomize();
                const QWidget* inFront = main.lblCobrand->parentWidget()->childAt(main.lblCobrand->geometry().center());
                QVERIFY2(inFront->objectName() == (front.isEmpty() ? before->objectName() : front), qPrintable(QString::number(r, 'g', 9)));
            }
        }
    }

    // Without a display the program says so plainly and ends with status 1.
    void withoutADisplayTheProgramSaysSo()
    {
        QProcess program;
        program.start("env", {"-u", "QT_QPA_PLATFORM", "-u", "WAYLAND_DISPLAY", "-u", "DISPLAY", ZELPHINE_EXECUTABLE});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("needs a graphical display"));
    }

    // The real program on a real display: the reminder's question comes first, and its Yes
    // reaches the desktop's opener of web addresses. It starts over a garbled lock file, holds
    // the lock while it runs, and once killed leaves a lock behind that does not count.
    void theRealProgramAsksFirstAndHoldsTheInstanceLock()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool");
        QProcess server; // writes its display number once it takes connections
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 20000);
        QTemporaryDir home;
        const QByteArray savedRuntimeDir = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit()); // the program's, and where this test looks
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", ":" + server.readLine().trimmed());
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("PATH", home.path() + ":" + environment.value("PATH"));

        // A stand-in for the browser, first in the PATH, notes what it is asked to open.
        auto write = [&](const QString& name, const QByteArray& text) {
            QFile file(home.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        QVERIFY(write("xdg-open", "#!/bin/sh\necho \"$@\" >> \"$HOME/opened\"\n"));
        QVERIFY(QFile::setPermissions(home.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(write("zelphine.lock", "garbled\n"));
        // The last reminder lies 40 days back.
        QSettings(home.filePath("config/zelphine/zelphine.ini"), QSettings::IniFormat)
            .setValue("Settings/" + mod_Help::EncodeSetting("Duration"),
                      mod_Help::EncodeSetting(QDateTime::currentDateTime().addDays(-40).toString(Qt::ISODate)));

        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(ZELPHINE_EXECUTABLE, {});
        // The question comes first, Yes its default button: answer it with the Enter key.
        for (int attempt = 0; attempt < 10 && !QFile::exists(home.filePath("opened")); ++attempt) {
            QProcess keys; // killed when it goes, if still waiting for the window
            keys.setProcessEnvironment(environment);
            keys.start("xdotool", {"search", "--sync", "--name", "^Zelphine$", "windowfocus", "--sync", "key", "Return"});
            keys.waitForFinished(10000);
            QTest::qWait(500);
        }
        QFile opened(home.filePath("opened"));
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.readAll().trimmed(), ("http://" + site::WebHost + "/zelphine/download-zelphine.html").toUtf8());

        QVERIFY(InstanceLock("zelphine").HeldElsewhere() && !InstanceLock("zelphine-other").HeldElsewhere());
        program.kill();
        QVERIFY(program.waitForFinished() && QFile::exists(home.filePath("zelphine.lock")));
        QVERIFY(!InstanceLock("zelphine").HeldElsewhere());
        qputenv("XDG_RUNTIME_DIR", savedRuntimeDir);
        server.terminate();
        server.waitForFinished();
    }
};

int main(int argc, char* argv[])
{
    // Started by a test as a child: takes the instance lock, then ends as the program does.
    if (qEnvironmentVariableIsSet("ZELPHINE_TAKE_LOCK_AND_END")) {
        QCoreApplication child(argc, argv);
        if (!Runtime::real().PrevInstance())
            std::puts("started");
        Runtime::real().End();
    }
    QApplication application(argc, argv);
    TestStartup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
