// Start-up and the end of the program: the hidden start-up window, the single instance, the
// update question before any window, and the random choice of the offer in front.

#include "app/mod_Help.h"
#include "app/site.h"
#include "main_window/frmMain.h"
#include "platform/Runtime.h"
#include "startup/frmStartup.h"
#include "support/Doubles.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace platform;

namespace {

frmMain* loadedMainWindow()
{
    for (Form* form : Forms::Loaded()) {
        if (auto* main = qobject_cast<frmMain*>(form))
            return main;
    }
    return nullptr;
}

QString offerInFront(frmMain& main)
{
    QWidget* offers = main.lblCobrand->parentWidget();
    return offers->childAt(main.lblCobrand->geometry().center())->objectName();
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

    // Ends the program as its last window would, so that every test starts with none loaded.
    void cleanup()
    {
        if (!out->runtime.HasEnded())
            mod_Help::CloseAllAndEnd();
        out->runtime.ends = 1;
        for (Form* form : Forms::Loaded())
            delete form;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        out.reset();
    }

    // A first start shows the main window and records its date; a start with the reminder due
    // asks first, while no window shows; closing the main window leads to the last window.
    void startUpShowsTheMainWindowAfterAnyQuestion()
    {
        frmStartup& startup = form<frmStartup>();
        frmMain* main = loadedMainWindow();
        QVERIFY(main && main->isVisible() && !startup.isVisible());
        QCOMPARE(out->runtime.seeded, 1);
        QVERIFY(out->boxes.shown.isEmpty());
        QCOMPARE(out->store.writes, 1);
        QVERIFY(main->close());
        QVERIFY(!loadedMainWindow() && Forms::Loaded().contains(&startup));
        QCOMPARE(Forms::Loaded().size(), 2);
        QCOMPARE(out->runtime.ends, 0);
        cleanup();
        init();

        out->store.values["zelphine/Settings/" + mod_Help::EncodeSetting("Duration")] =
            mod_Help::EncodeSetting(DateTimeText(out->runtime.now.addDays(-15)));
        bool windowSeen = true;
        out->boxes.whileShown = [&] {
            windowSeen = loadedMainWindow();
            for (QWidget* window : QApplication::topLevelWidgets())
                windowSeen = windowSeen || window->isVisible();
        };
        form<frmStartup>();
        QCOMPARE(out->boxes.shown.size(), 1);
        QVERIFY(!windowSeen);
        QCOMPARE(out->shell.calls.size(), 1); // Yes: the download page
        QVERIFY(loadedMainWindow()->isVisible());
    }

    void aSecondInstanceShowsOnlyItsMessageAndEnds()
    {
        out->runtime.otherInstance = true;
        form<frmStartup>();
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(out->boxes.shown[0].prompt, QString("Application is already running"));
        QCOMPARE(out->boxes.shown[0].style, int(MsgBox::vbInformation));
        QCOMPARE(out->runtime.ends, 1);
        QCOMPARE(out->store.reads + out->runtime.seeded, 0); // neither the reminder nor the seed
        QVERIFY(Forms::Loaded().isEmpty());
    }

    void coBrandRandomizeBringsAnOfferToTheFront_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("front");
        const QString cobrand = "lblCobrand", fullBrand = "lblFullBrand";
        QTest::newRow("0") << 0.0f << cobrand;
        QTest::newRow("just below 1/12") << std::nextafter(1.0f / 12, 0.0f) << cobrand;
        QTest::newRow("1/12") << 1.0f / 12 << fullBrand;
        QTest::newRow("1/4 gives 2.5, even 2") << 0.25f << fullBrand;
        QTest::newRow("just above 1/4") << std::nextafter(0.25f, 1.0f) << cobrand;
        QTest::newRow("1/2") << 0.5f << fullBrand;
        QTest::newRow("2/3") << 2.0f / 3 << cobrand;
        QTest::newRow("3/4 gives 5.5, even 6") << 0.75f << fullBrand;
        QTest::newRow("just below 11/12") << std::nextafter(11.0f / 12, 0.0f) << fullBrand;
        QTest::newRow("just above 11/12") << 11.0f / 12 << QString();
        QTest::newRow("largest") << std::nextafter(1.0f, 0.0f) << QString();
    }
    void coBrandRandomizeBringsAnOfferToTheFront()
    {
        QFETCH(float, r);
        QFETCH(QString, front);
        frmStartup& startup = form<frmStartup>();
        frmMain& main = form<frmMain>();
        // Start from each stacking: a label brought to the front wins over both, and with
        // neither moved, whatever was in front stays there.
        for (platform::LinkLabel* before : {main.lblCobrand, main.lblFullBrand}) {
            before->raise();
            out->runtime.randoms.enqueue(r);
            startup.CoBrand_Randomize();
            QCOMPARE(offerInFront(main), front.isEmpty() ? before->objectName() : front);
        }
    }

    // Wherever no display can be opened, the program says so plainly and ends with status 1.
    void withoutADisplayTheProgramSaysSoAndEnds_data()
    {
        QTest::addColumn<QString>("display");
        QTest::newRow("unset") << QString();
        QTest::newRow("empty") << "";
        QTest::newRow("no server there") << ":77";
        QTest::newRow("nonsense") << "nonsense";
    }
    void withoutADisplayTheProgramSaysSoAndEnds()
    {
        QFETCH(QString, display);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
            environment.remove(name);
        if (!display.isNull())
            environment.insert("DISPLAY", display);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(ZELPHINE_EXECUTABLE, {});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("needs a graphical display"));
    }

    // The lock is held by a real process of the program: a second start sees it, and a lock
    // left by a process that was killed, or a lock file that names no holder, does not count.
    void theInstanceLockHoldsAcrossProcesses()
    {
        QTemporaryDir home;
        const QString lockFile = home.filePath("zelphine.lock");
        const QByteArray savedRuntimeDir = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
        for (const QByteArray& leftOver : {QByteArray(), QByteArray("garbled\n")}) {
            QFile file(lockFile);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(leftOver) == leftOver.size());
            file.close();
            QVERIFY(!InstanceLock("zelphine").HeldElsewhere());
        }

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(ZELPHINE_EXECUTABLE, {});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath("config/zelphine/zelphine.ini")), 20000); // its first start
        QVERIFY(InstanceLock("zelphine").HeldElsewhere());
        QVERIFY(!InstanceLock("zelphine-other").HeldElsewhere());
        first.kill();
        QVERIFY(first.waitForFinished() && QFile::exists(lockFile)); // left behind
        QVERIFY(!InstanceLock("zelphine").HeldElsewhere());

        // A program that ends normally leaves no lock behind.
        QProcess ending;
        environment.insert("ZELPHINE_TAKE_LOCK_AND_END", "1");
        ending.setProcessEnvironment(environment);
        ending.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(ending.waitForFinished(20000));
        QCOMPARE(ending.readAllStandardOutput(), QByteArray("locked\n"));
        QVERIFY(!QFile::exists(home.filePath("tst_startup.lock")));
        qputenv("XDG_RUNTIME_DIR", savedRuntimeDir);
    }

    // On a real display the reminder's Yes reaches the desktop's opener of web addresses.
    void yesToTheReminderOpensTheDownloadPageInTheBrowser()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool");
        QTemporaryDir home;
        int number = 150;
        while (QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number)) || QFile::exists(QString("/tmp/.X%1-lock").arg(number)))
            ++number;
        const QString display = QString(":%1").arg(number);
        QProcess server;
        server.start("Xvfb", {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number)), 20000);

        // A stand-in for the browser, first in the PATH, notes what it is asked to open.
        QVERIFY(QDir().mkpath(home.filePath("bin")));
        const QString opener = home.filePath("bin/xdg-open");
        QFile script(opener);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho \"$@\" >> '%1'\n").arg(home.filePath("opened")).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);

        // The last reminder lies 40 days back.
        QSettings settings(home.filePath("config/zelphine/zelphine.ini"), QSettings::IniFormat);
        settings.setValue("Settings/" + mod_Help::EncodeSetting("Duration"),
                          mod_Help::EncodeSetting(QDateTime::currentDateTime().addDays(-40).toString(Qt::ISODate)));
        settings.sync();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", display);
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", home.path());
        environment.insert("PATH", home.filePath("bin") + ":" + environment.value("PATH"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(ZELPHINE_EXECUTABLE, {});
        // The question comes first, Yes its default button: answer it with the Enter key.
        for (int attempt = 0; attempt < 10 && !QFile::exists(home.filePath("opened")); ++attempt) {
            QProcess keys;
            keys.setProcessEnvironment(environment);
            keys.start("xdotool", {"search", "--sync", "--name", "^Zelphine$", "windowfocus", "--sync", "key", "Return"});
            if (!keys.waitForFinished(10000))
                keys.kill();
            QTest::qWait(500);
        }
        QFile opened(home.filePath("opened"));
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.readAll().trimmed(), ("http://" + site::WebHost + "/zelphine/download-zelphine.html").toUtf8());
        program.kill();
        program.waitForFinished();
        server.terminate();
        server.waitForFinished();
    }
};

int main(int argc, char* argv[])
{
    // Started by the lock test as a child: takes the instance lock, then ends as the program does.
    if (qEnvironmentVariableIsSet("ZELPHINE_TAKE_LOCK_AND_END")) {
        QCoreApplication child(argc, argv);
        if (!Runtime::real().PrevInstance())
            std::puts("locked");
        Runtime::real().End();
    }
    QApplication application(argc, argv);
    TestStartup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
