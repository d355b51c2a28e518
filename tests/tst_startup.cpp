// Start-up and the end of the program: the hidden start-up window, the single instance, the
// update question before any window, and the random choice of the offer in front.

#include "app/mod_Help.h"
#include "main_window/frmMain.h"
#include "platform/Runtime.h"
#include "startup/frmStartup.h"
#include "support/Doubles.h"

#include <QProcess>
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

    void firstStartShowsTheMainWindowAndHidesItself()
    {
        frmStartup& startup = form<frmStartup>();
        frmMain* main = loadedMainWindow();
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(!startup.isVisible());
        QVERIFY(Forms::Loaded().contains(&startup));
        QCOMPARE(out->runtime.seeded, 1);
        QVERIFY(out->boxes.shown.isEmpty());
        QCOMPARE(out->store.writes, 1); // the first start is recorded
        QCOMPARE(out->runtime.ends, 0);

        // Closing the main window does not end the program: the refer-a-friend window follows.
        QVERIFY(main->close());
        QCOMPARE(out->runtime.ends, 0);
        QVERIFY(!loadedMainWindow());
        QCOMPARE(Forms::Loaded().size(), 2);
        QVERIFY(Forms::Loaded().contains(&startup));
    }

    void theReminderAsksBeforeAnyWindowIsShown()
    {
        out->store.values["zelphine/Settings/" + mod_Help::EncodeSetting("Duration")] =
            mod_Help::EncodeSetting(DateTimeText(out->runtime.now.addDays(-15)));
        bool windowVisible = true;
        bool mainLoaded = true;
        out->boxes.whileShown = [&] {
            windowVisible = false;
            for (QWidget* window : QApplication::topLevelWidgets())
                windowVisible = windowVisible || window->isVisible();
            mainLoaded = loadedMainWindow() != nullptr;
        };
        out->boxes.answers.enqueue(MsgBox::vbYes);
        form<frmStartup>();
        QCOMPARE(out->boxes.shown.size(), 1);
        QVERIFY(!windowVisible);
        QVERIFY(!mainLoaded);
        QCOMPARE(out->shell.calls.size(), 1); // the download page
        QVERIFY(loadedMainWindow() && loadedMainWindow()->isVisible());
    }

    void aSecondInstanceShowsOnlyItsMessageAndEnds()
    {
        out->runtime.otherInstance = true;
        form<frmStartup>();
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(out->boxes.shown[0].prompt, QString("Application is already running"));
        QCOMPARE(out->boxes.shown[0].style, int(MsgBox::vbInformation));
        QCOMPARE(out->runtime.ends, 1);
        QVERIFY(!loadedMainWindow());
        QCOMPARE(out->store.reads, 0); // the reminder never ran
        QCOMPARE(out->runtime.seeded, 0);
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

    // The lock is held by a real process of the program: a second start sees it, and a lock
    // left by a process that was killed does not count.
    void theInstanceLockHoldsAcrossProcesses()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString runtimeDir = home.filePath("run");
        QVERIFY(QDir().mkpath(runtimeDir));
        QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QProcess first;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", runtimeDir);
        first.setProcessEnvironment(environment);
        first.start(ZELPHINE_EXECUTABLE, {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtimeDir + "/zelphine.lock"), 20000);
        // Its first start was recorded in its own settings.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath("config/zelphine/zelphine.ini")), 20000);
        QCOMPARE(first.state(), QProcess::Running);

        const QByteArray savedRuntimeDir = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit());
        {
            InstanceLock second("zelphine");
            QVERIFY(second.HeldElsewhere());
            InstanceLock otherProgram("zelphine-other");
            QVERIFY(!otherProgram.HeldElsewhere());
        }

        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(QFile::exists(runtimeDir + "/zelphine.lock")); // left behind by the killed process
        {
            InstanceLock afterCrash("zelphine");
            QVERIFY(!afterCrash.HeldElsewhere());
        }
        qputenv("XDG_RUNTIME_DIR", savedRuntimeDir);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
