// The main window's menus and link labels, and the About box, driven through the real menu bar,
// menus, labels and buttons.

#include "app/mod_All.h"
#include "app/site.h"
#include "main_window/frmAbout.h"
#include "main_window/frmMain.h"
#include "platform/Twips.h"
#include "support/Doubles.h"

#include <QMenuBar>
#include <QtTest>

using namespace platform;

namespace {

QString web(const QString& path) { return "http://" + site::WebHost + path; }
QString help(const QString& path) { return "http://" + site::HelpHost + path; }

// What a menu, or the menu bar, shows: its visible entries, a separator as "-".
QStringList shownEntries(const QWidget* menu)
{
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (action->isVisible())
            entries.append(action->isSeparator() ? "-" : action->text());
    }
    return entries;
}

} // namespace

class TestMenus : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<doubles::Surroundings> out;
    QPointer<frmMain> window;

    template <class T = QWidget>
    T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    // Clicks whatever the user sees at the centre of `place`, inside `container`.
    void clickSeenAt(QWidget* container, const QRect& place)
    {
        QWidget* seen = container->childAt(place.center());
        QVERIFY(seen);
        QTest::mouseClick(seen, Qt::LeftButton, {}, seen->mapFrom(container, place.center()));
    }

    QStringList opened() const { return out->shell.files(); }

    static frmAbout* aboutBox()
    {
        for (Form* loaded : Forms::Loaded()) {
            if (auto* box = qobject_cast<frmAbout*>(loaded))
                return box;
        }
        return nullptr;
    }

    // Chooses Help, About Software; `whileOpen` runs once the box is shown and must close it.
    // The call returns when the box has closed; one left open is closed after five seconds, so
    // that a fault fails the test instead of hanging it.
    void chooseAbout(const std::function<void(frmAbout&)>& whileOpen)
    {
        auto* mnuHelp = control<QMenu>("mnuHelp");
        // The desktop gives the focus back to the main window when a box closes; here the
        // test does.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(mnuHelp->isVisible());
        QTimer watch;
        QElapsedTimer since;
        bool ran = false;
        connect(&watch, &QTimer::timeout, this, [&] {
            frmAbout* box = aboutBox();
            if (box && box->isVisible() && !ran) {
                ran = true;
                whileOpen(*box);
            } else if (since.elapsed() > 5000 && box) {
                box->Unload();
            }
        });
        since.start();
        watch.start(10);
        QTest::keyClick(mnuHelp, Qt::Key_A);
        QVERIFY(ran);
        QVERIFY2(since.elapsed() < 5000, "the box did not close");
    }

private slots:
    void init()
    {
        out = std::make_unique<doubles::Surroundings>();
        window = &form<frmMain>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    void cleanup()
    {
        for (Form* loaded : Forms::Loaded())
            delete loaded;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        out.reset();
    }

    void menuBarShowsHelpAndDonateAboveTheClientArea()
    {
        QMenuBar* bar = window->menuBar();
        QCOMPARE(shownEntries(bar), QStringList({"&Help", "&Donate"}));
        auto* mnuHelp = control<QMenu>("mnuHelp");
        QCOMPARE(shownEntries(mnuHelp), QStringList({"&Online Help", "&Visit Us Online", "-",
                                                     "Check for Software &Update", "-", "&About Software"}));
        QCOMPARE(shownEntries(control<QMenu>("mnuPopUp")), QStringList({"Update", "Show", "Exit"}));
        for (const QAction* action : window->findChildren<QAction*>())
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));

        QCOMPARE(window->client()->size(), QSize(twips(8565), twips(8040)));
        QCOMPARE(window->client()->geometry().top(), bar->geometry().bottom() + 1);

        // Alt+H and the mouse open the Help menu.
        QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(mnuHelp->isVisible());
        QTest::keyClick(mnuHelp, Qt::Key_Escape);
        QTRY_VERIFY(!mnuHelp->isVisible());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(mnuHelp->menuAction()).center());
        QTRY_VERIFY(mnuHelp->isVisible());
        QVERIFY(opened().isEmpty());
    }

    void menuCommandsOpenTheirPages()
    {
        auto* mnuHelp = control<QMenu>("mnuHelp");
        auto chooseFromHelp = [&](Qt::Key key) {
            QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
            QTRY_VERIFY(mnuHelp->isVisible());
            QTest::keyClick(mnuHelp, key);
            QTRY_VERIFY(!mnuHelp->isVisible());
        };
        QMenuBar* bar = window->menuBar();
        const struct
        {
            const char* how;
            std::function<void()> choose;
            QStringList pages;
        } commands[] = {
            {"Online Help", [&] { chooseFromHelp(Qt::Key_O); }, {web("/zelphine/zelphine-help.html")}},
            {"Visit Us Online", [&] { chooseFromHelp(Qt::Key_V); }, {web("")}},
            {"Check for Software Update", [&] { chooseFromHelp(Qt::Key_U); }, {web("/zelphine/download-zelphine.html")}},
            {"Alt+D", [&] { QTest::keyClick(window, Qt::Key_D, Qt::AltModifier); }, {help("/donate.html")}},
            {"Donate with the mouse",
             [&] { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(control<QAction>("mnuDonate")).center()); },
             {help("/donate.html")}},
            // The hidden entries cannot be reached from the keyboard, but their handlers work.
            {"Alt+O", [&] { QTest::keyClick(window, Qt::Key_O, Qt::AltModifier); }, {}},
            {"Make Money Online", [&] { control<QAction>("mnuMakeMoney")->trigger(); }, {help("/fully-branded.html")}},
            {"Update", [&] { control<QAction>("mnuUpd")->trigger(); }, {web("/zelphine/download-zelphine.html")}},
        };
        for (const auto& command : commands) {
            out->shell.calls.clear();
            command.choose();
            QCOMPARE(opened(), command.pages);
        }
    }

    void linkLabelsOpenTheirPages()
    {
        control<QListWidget>("lstOptions")->setCurrentRow(15); // the panel of the update links
        const struct
        {
            const char* label;
            QString page;
        } links[] = {
            {"Label61", web("")},
            {"lblAstrology", web("/zelphine/zelphine-help.html")},
            {"lblForum", web("/aries_-_march_21_-_april_20")},
            {"lblDaily", web("/aries_-_daily_horoscope")},
        };
        for (const auto& link : links) {
            out->shell.calls.clear();
            QWidget* label = control(link.label);
            clickSeenAt(label->parentWidget(), label->geometry());
            QCOMPARE(opened(), QStringList({link.page}));
        }

        // Of the two stacked offers, the one in front takes the click.
        auto* cobrand = control<LinkLabel>("lblCobrand");
        auto* fullBrand = control<LinkLabel>("lblFullBrand");
        out->shell.calls.clear();
        cobrand->raise();
        clickSeenAt(cobrand->parentWidget(), cobrand->geometry());
        fullBrand->raise();
        clickSeenAt(fullBrand->parentWidget(), fullBrand->geometry());
        QCOMPARE(opened(), QStringList({help("/co-brand.html"), help("/fully-branded.html")}));
    }

    void signLinksOpenTheChosenSignsPages_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("Aries after start-up") << "Aries"
            << QStringList({web("/aries_-_daily_horoscope"), web("/aries_-_march_21_-_april_20")});
        QTest::newRow("Scorpio") << "Scorpio"
            << QStringList({web("/scorpio_-_daily_horoscope"), web("/scorpio_-_october_21_-_november_20")});
        QTest::newRow("Capricorn, across the new year") << "Capricorn"
            << QStringList({web("/capricorn_-_daily_horoscope"), web("/capricorn_-_december_21_-_january_19")});
        QTest::newRow("lower case") << "aries" << QStringList();
        QTest::newRow("trailing blank") << "Aries " << QStringList();
    }
    void signLinksOpenTheChosenSignsPages()
    {
        QFETCH(QString, sign);
        QFETCH(QStringList, pages);
        auto* cboSign = control<QComboBox>("cboSign");
        if (sign != "Aries") {
            // A name the list holds is chosen there; any other can only be set from code.
            if (cboSign->findText(sign) >= 0)
                cboSign->setCurrentIndex(cboSign->findText(sign));
            else
                mod_All::SelectedSign = sign;
        }
        QCOMPARE(mod_All::SelectedSign, sign);
        control<QListWidget>("lstOptions")->setCurrentRow(15);
        for (const char* name : {"lblDaily", "lblForum"}) {
            QWidget* label = control(name);
            clickSeenAt(label->parentWidget(), label->geometry());
        }
        QCOMPARE(opened(), pages);
    }

    void popUpCommandsShowAndCloseTheWindow()
    {
        window->showMinimized();
        QTRY_VERIFY(window->windowState() & Qt::WindowMinimized);
        control<QAction>("mnuShow")->trigger();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), Qt::WindowNoState);
        window->hide();
        control<QAction>("mnuShow")->trigger();
        QVERIFY(window->isVisible());

        // Exit unloads the window as its close box does: the refer-a-friend window follows.
        control<QAction>("mnuExit")->trigger();
        QVERIFY(!Forms::Loaded().contains(window.data()));
        QVERIFY(!window->isVisible());
        QCOMPARE(Forms::Loaded().size(), 1);
        QCOMPARE(Forms::Loaded()[0]->objectName(), QString("frmTellAFriend"));
        QVERIFY(Forms::Loaded()[0]->isVisible());
        QCOMPARE(out->runtime.ends, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void aboutBoxOpensModallyAndClosesWithOkEnterOrEscape()
    {
        const struct
        {
            const char* how;
            std::function<void(frmAbout&)> close;
        } closings[] = {
            {"Enter", [](frmAbout&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
            {"OK", [](frmAbout& box) { QTest::mouseClick(box.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); }},
            {"Esc", [](frmAbout&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
            {"close box", [](frmAbout& box) { box.close(); }},
        };
        for (const auto& closing : closings) {
            QStringList shown;
            chooseAbout([&](frmAbout& box) {
                shown << box.windowTitle() << QString::number(box.client()->width())
                      << QString::number(box.client()->height());
                for (const char* name : {"Label1", "Label2", "Label3", "lblHomePage", "lblCobrand"})
                    shown << box.findChild<Label*>(name)->text();
                shown << (QApplication::activeModalWidget() == &box ? "modal" : "not modal")
                      << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "no focus");
                closing.close(box);
            });
            QVERIFY2(!aboutBox(), closing.how);
            QCOMPARE(shown.size(), 10);
            QCOMPARE(shown.mid(0, 3), QStringList({"Zelphine v1.75", QString::number(twips(7080)),
                                                    QString::number(twips(3870))}));
            QVERIFY(shown[3].startsWith("Zelphine is a highly informative"));
            QCOMPARE(shown[4], QString("Zelphine v1.75"));
            QCOMPARE(shown[6], "Click here to visit " + web(""));
            QCOMPARE(shown.mid(8), QStringList({"modal", "cmdOK"}));
        }
        QVERIFY(opened().isEmpty());
    }

    void aboutLinksOpenTheirPagesAndLeaveTheBoxOpen()
    {
        bool openAfterLinks = false;
        chooseAbout([&](frmAbout& box) {
            for (const char* link : {"lblCobrand", "lblHomePage"}) {
                QWidget* label = box.findChild<QWidget*>(link);
                clickSeenAt(label->parentWidget(), label->geometry());
            }
            openAfterLinks = box.isVisible() && aboutBox() == &box;
            box.close();
        });
        QVERIFY(openAfterLinks);
        QCOMPARE(opened(), QStringList({help("/fully-branded.html"), web("")}));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
