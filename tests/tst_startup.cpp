// Start-up and the end of the program: the hidden start-up window, the update question before any
// window, the random choice of the offer in front, the locks that keep a second copy out but must
// never keep a start out, and the display the program needs.

#include "app/mod_Help.h"
#include "app/site.h"
#include "main_window/frmMain.h"
#include "platform/Display.h"
#include "platform/Runtime.h"
#include "platform/SettingsStore.h"
#include "startup/frmStartup.h"
#include "support/Doubles.h"
#include "support/Readers.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform;

namespace {

bool Write(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Puts a lock of one kind where a lock file belongs: one a crash left "empty" or "garbled" or
// naming its "crashed" holder, one of "another machine's" (its holder, a live process there,
// cannot be checked here), a "folder", or one that a "live" holder, this test, has held for an
// hour. Returns the live holder.
std::unique_ptr<QLockFile> PlaceLock(const QString& path, const QString& kind)
{
    QDir().mkpath(kind == "folder" ? path : QFileInfo(path).path());
    const QByteArray here = QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId();
    const QMap<QString, QByteArray> written = {
        {"empty", ""}, {"garbled", "\xff\x01garbled"}, {"crashed", "2147483646\ntst_startup\n" + here + '\n'},
        {"another machine's", "1\nzelphine\nfar-away\n0123456789abcdef\nb00t\n"}};
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
    void init() { out = std::make_unique<doubles::Surroundings>(); }
    void cleanup() { out.reset(); }

    // A second copy shows only its message and ends. With the reminder due, the question comes
    // after the seed, while no window shows; then the main window shows, the start-up window never.
    void startUpShowsTheMainWindowAfterAnyQuestion()
    {
        out->runtime.otherInstance = true;
        form<frmStartup>();
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(out->boxes.shown[0].prompt, QString("Application is already running"));
        QCOMPARE(out->boxes.shown[0].style, int(MsgBox::vbInformation));
        QCOMPARE(out->runtime.ends, 1);
        QVERIFY(out->store.values.isEmpty() && out->runtime.seeded == 0); // neither the reminder nor the seed
        QVERIFY(Forms::Loaded().isEmpty());

        out.reset();
        out = std::make_unique<doubles::Surroundings>();
        out->store.values["zelphine/Settings/" + mod_Help::EncodeSetting("Duration")] =
            mod_Help::EncodeSetting(DateTimeText(out->runtime.now.addDays(-15)));
        bool windowSeen = false;
        int seeded = 0;
        out->boxes.whileShown = [&] {
            seeded = out->runtime.seeded;
            for (QWidget* window : QApplication::topLevelWidgets())
                windowSeen = windowSeen || window->isVisible();
        };
        frmStartup& startup = form<frmStartup>();
        QVERIFY(out->boxes.shown.size() == 1 && seeded == 1 && !windowSeen);
        auto* main = qobject_cast<frmMain*>(Forms::Loaded().value(1));
        QVERIFY(main && main->isVisible() && !startup.isVisible());
    }

    // Rnd * 6 + 1 rounded half to even: 1, 3 or 5 brings the co-brand offer to the front, 2, 4
    // or 6 the full-brand one, 7 neither; whatever was in front then stays there.
    void coBrandRandomizeBringsAnOfferToTheFront()
    {
        frmStartup& startup = form<frmStartup>();
        LinkLabel* const cobrand = form<frmMain>().lblCobrand;
        LinkLabel* const fullBrand = form<frmMain>().lblFullBrand;
        const QList<QPair<float, LinkLabel*>> rows = {
            {std::nextafter(1.0f / 12, 0.0f), cobrand}, {1.0f / 12, fullBrand}, {0.25f, fullBrand} /* 2.5 */,
            {std::nextafter(0.25f, 1.0f), cobrand}, {0.5f, fullBrand}, {2.0f / 3, cobrand}, {0.75f, fullBrand} /* 5.5 */,
            {std::nextafter(11.0f / 12, 0.0f), fullBrand}, {11.0f / 12, nullptr}};
        for (const auto& [r, front] : rows) {
            for (LinkLabel* before : {cobrand, fullBrand}) {
                before->raise();
                out->runtime.randoms.enqueue(r);
                startup.CoBrand_Randomize();
                const QWidget* inFront = cobrand->parentWidget()->childAt(cobrand->geometry().center());
                QVERIFY2(inFront == (front ? front : before), qPrintable(QString::number(r, 'g', 9)));
            }
        }
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
        for (const char* kind : {"empty", "garbled", "crashed", "another machine's"})
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
        const QString value = "6.12.2026; = #\"é"; // what an INI file holds specially
        QCOMPARE(SettingsStore::real().SaveSetting("zelphine", "Settings", "Duration", value), stored);
        QVERIFY(clock.elapsed() < 5000); // far from the half minute after which a lock counts as stale
        QCOMPARE(SettingsStore::real().GetSetting("zelphine", "Settings", "Duration"), stored ? value : "");
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

    // Windows can show on X, on a Wayland compositor listening on its socket with no X at all, or
    // on a platform that needs no desktop (offscreen). Without any, the program says so plainly
    // and ends with status 1.
    void theProgramNeedsADisplay_data()
    {
        QTest::addColumn<QStringList>("session"); // WAYLAND_DISPLAY names a socket that listens, or none
        QTest::addColumn<QByteArray>("found");
        QTest::newRow("offscreen") << QStringList{"QT_QPA_PLATFORM=offscreen"} << QByteArray("found");
        QTest::newRow("Wayland alone") << QStringList{"WAYLAND_DISPLAY=listening"} << QByteArray("found");
        QTest::newRow("no compositor") << QStringList{"WAYLAND_DISPLAY=silent"} << QByteArray("none");
        QTest::newRow("no compositor, then offscreen") << QStringList{"WAYLAND_DISPLAY=silent", "QT_QPA_PLATFORM=wayland;offscreen"} << QByteArray("found");
        QTest::newRow("X without DISPLAY") << QStringList{"WAYLAND_DISPLAY=listening", "QT_QPA_PLATFORM=xcb"} << QByteArray("none");
    }
    void theProgramNeedsADisplay()
    {
        QFETCH(QStringList, session);
        QFETCH(QByteArray, found);
        QTemporaryDir runtime;
        const int compositor = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(runtime.filePath("listening")), sizeof address.sun_path);
        QVERIFY(bind(compositor, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(compositor, 1) == 0);
        const QStringList noDisplay = {"-u", "QT_QPA_PLATFORM", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR=" + runtime.path()};
        QProcess check, program;
        check.start("env", noDisplay + session + QStringList{"ZELPHINE_FIND_DISPLAY=1", QCoreApplication::applicationFilePath()});
        program.start("env", noDisplay + QStringList{ZELPHINE_EXECUTABLE});
        QVERIFY(check.waitForFinished(20000) && program.waitForFinished(20000));
        close(compositor);
        QCOMPARE(check.readAllStandardOutput().trimmed(), found);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("needs a graphical display"));
    }

    // The real program on a real display, over locks that crashes left behind: the reminder's
    // question comes first, and its Yes reaches the desktop's opener of web addresses at once.
    void theRealProgramAsksFirstOverStaleLocks()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool");
        // Xvfb writes its display number once it takes connections, and does not reset when the
        // program's probe of the display, its only client yet, disconnects.
        QProcess server;
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
        QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 20000);
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", home.path());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", ":" + server.readLine().trimmed());
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("PATH", home.path() + ":" + environment.value("PATH"));

        // A stand-in for the browser, first in the PATH, notes what it is asked to open.
        QVERIFY(Write(home.filePath("xdg-open"), "#!/bin/sh\necho \"$@\" >> \"$HOME/opened\"\n"));
        QVERIFY(QFile::setPermissions(home.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner));
        const QString settings = home.filePath("config/zelphine/zelphine.ini");
        QSettings(settings, QSettings::IniFormat) // the last reminder lies 40 days back
            .setValue("Settings/" + mod_Help::EncodeSetting("Duration"),
                      mod_Help::EncodeSetting(QDateTime::currentDateTime().addDays(-40).toString(Qt::ISODate)));
        QVERIFY(Write(home.filePath("zelphine.lock"), "garbled\n") && Write(settings + ".lock", ""));

        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(ZELPHINE_EXECUTABLE, {});
        // Once the question is up and has the keyboard, one press of Enter answers it: Yes is its
        // default button.
        const auto xdotool = [&](const QStringList& arguments) {
            QProcess tool;
            tool.setProcessEnvironment(environment);
            tool.start("xdotool", arguments);
            return tool.waitForFinished(60000) && tool.exitCode() == 0;
        };
        QVERIFY(xdotool({"search", "--sync", "--onlyvisible", "--name", "^Zelphine$", "windowfocus", "--sync"}));
        QVERIFY(xdotool({"key", "Return"}));
        const QString download = "http://" + site::WebHost + "/zelphine/download-zelphine.html\n";
        QTRY_COMPARE_WITH_TIMEOUT(readers::Output("cat", {home.filePath("opened")}), download, 15000); // not the half minute of a stale lock
        program.kill();
        program.waitForFinished();
        server.terminate();
        server.waitForFinished();
    }
};

int main(int argc, char* argv[])
{
    // Started by a test as a child: says whether it finds a display.
    if (qEnvironmentVariableIsSet("ZELPHINE_FIND_DISPLAY"))
        return std::puts(DisplayAvailable() ? "found" : "none") < 0;
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
