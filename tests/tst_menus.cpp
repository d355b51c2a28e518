// The main window's menus and links, and the About box, driven through their widgets.

#include "app/mod_All.h"
#include "app/site.h"
#include "main_window/frmAbout.h"
#include "main_window/frmMain.h"
#include "refer_friend/frmTellAFriend.h"
#include "support/Doubles.h"

#include <QMenuBar>
#include <QtTest>

using namespace platform;

namespace {

QString web(const QString& path) { return "http://" + site::WebHost + path; }
QString help(const QString& path) { return "http://" + site::HelpHost + path; }

// A click where the user sees the control: whatever lies in front there takes it.
void clickSeen(QWidget* form, const char* name)
{
    QWidget* control = form->findChild<QWidget*>(name);
    QWidget* seen = control->parentWidget()->childAt(control->geometry().center());
    QTest::mouseClick(seen, Qt::LeftButton, {}, seen->rect().center());
}

} // namespace

class TestMenus : public QObject
{
    Q_OBJECT

    std::unique_ptr<doubles::Surroundings> out;
    QPointer<frmMain> window;

    template <class T = QAction>
    T* control(const char* name) const { return window->findChild<T*>(name); }
    void chooseFromHelp(Qt::Key key)
    {
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(control<QMenu>("mnuHelp")->isVisible());
        QTest::keyClick(control<QMenu>("mnuHelp"), key);
    }

private slots:
    void init()
    {
        out = std::make_unique<doubles::Surroundings>();
        window = &form<frmMain>();
        window->show();
    }
    void cleanup()
    {
        for (Form* loaded : Forms::Loaded())
            delete loaded;
        out.reset();
    }

    void menusShowTheirEntries()
    {
        auto shown = [](const QWidget* menu) {
            QStringList entries;
            for (QAction* action : menu->actions())
                entries << (!action->isVisible() ? "hidden" : action->isSeparator() ? "-" : action->text());
            return entries;
        };
        QCOMPARE(shown(window->menuBar()), QStringList({"hidden", "&Help", "&Donate", "hidden"}));
        QCOMPARE(shown(control<QMenu>("mnuHelp")),
                 QStringList({"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-", "&About Software"}));
    }

    void commandsAndLinksOpenTheirPages()
    {
        auto signPages = [&](int choice, const QString& selected = QString()) {
            control<QComboBox>("cboSign")->setCurrentIndex(choice);
            if (!selected.isNull())
                mod_All::SelectedSign = selected;
            clickSeen(window, "lblDaily");
            clickSeen(window, "lblForum");
        };
        const QList<QPair<std::function<void()>, QStringList>> rows = {
            {[&] { chooseFromHelp(Qt::Key_O); }, {web("/zelphine/zelphine-help.html")}},
            {[&] { chooseFromHelp(Qt::Key_V); }, {web("")}},
            {[&] { chooseFromHelp(Qt::Key_U); }, {web("/zelphine/download-zelphine.html")}},
            {[&] { QTest::keyClick(window, Qt::Key_D, Qt::AltModifier); }, {help("/donate.html")}},
            {[&] { QTest::keyClick(window, Qt::Key_O, Qt::AltModifier); }, {}}, // a hidden entry's key
            {[&] { control("mnuMakeMoney")->trigger(); }, {help("/fully-branded.html")}},
            {[&] { control("mnuUpd")->trigger(); }, {web("/zelphine/download-zelphine.html")}},
            {[&] { clickSeen(window, "Label61"); }, {web("")}},
            {[&] { clickSeen(window, "lblAstrology"); }, {web("/zelphine/zelphine-help.html")}},
            {[&] { window->lblCobrand->raise(); clickSeen(window, "lblCobrand"); }, {help("/co-brand.html")}},
            {[&] { window->lblFullBrand->raise(); clickSeen(window, "lblCobrand"); }, {help("/fully-branded.html")}},
            // The sign pages follow the chosen sign; a name that differs in any way opens nothing.
            {[&] { signPages(0); }, {web("/aries_-_daily_horoscope"), web("/aries_-_march_21_-_april_20")}},
            {[&] { signPages(7); }, {web("/scorpio_-_daily_horoscope"), web("/scorpio_-_october_21_-_november_20")}},
            {[&] { signPages(9); }, {web("/capricorn_-_daily_horoscope"), web("/capricorn_-_december_21_-_january_19")}},
            {[&] { signPages(0, "aries"); signPages(0, "Aries "); }, {}},
            {[&] { window->showMinimized(); control("mnuShow")->trigger();
                   QVERIFY(window->isVisible() && !(window->windowState() & Qt::WindowMinimized)); }, {}},
            {[&] { control("mnuExit")->trigger(); }, {}}, // as the close box
        };
        for (int row = 0; row < rows.size(); ++row) {
            out->shell.calls.clear();
            rows[row].first();
            QVERIFY2(out->shell.files() == rows[row].second, qPrintable(QString("row %1").arg(row)));
        }
        QVERIFY(!window->isVisible() && qobject_cast<frmTellAFriend*>(Forms::Loaded().last()));
    }

    // Closed with Enter, then with OK after both links, then with Esc: the same texts each
    // time, and the links leave it open.
    void aboutBoxOpensModallyAndItsLinksLeaveItOpen()
    {
        QList<QStringList> seen;
        QTimer whileOpen;
        connect(&whileOpen, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<frmAbout*>(Forms::Loaded().last());
            if (!box || !box->isVisible())
                return;
            seen.append({QApplication::activeModalWidget() == box ? "modal" : "modeless",
                         QApplication::focusWidget()->objectName()});
            for (const char* name : {"Label1", "Label2", "Label3", "lblHomePage", "lblCobrand"})
                seen.last() << box->findChild<QLabel*>(name)->text();
            if (seen.size() == 1 || seen.size() == 3)
                return QTest::keyClick(QApplication::focusWidget(), seen.size() == 1 ? Qt::Key_Return : Qt::Key_Escape);
            clickSeen(box, "lblCobrand");
            clickSeen(box, "lblHomePage");
            seen.last() << (box->isVisible() ? "open" : "closed");
            QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        whileOpen.start(10);
        chooseFromHelp(Qt::Key_A);
        for (int again = 0; again < 2; ++again) {
            window->activateWindow(); // as the desktop does when the box closes
            chooseFromHelp(Qt::Key_A);
        }
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen[2], seen[0]);
        QCOMPARE(seen[0].mid(0, 2), QStringList({"modal", "cmdOK"}));
        QCOMPARE(seen[0][5], "Click here to visit " + web(""));
        QCOMPARE(seen[1], seen[0] + QStringList({"open"}));
        QCOMPARE(out->shell.files(), QStringList({help("/fully-branded.html"), web("")}));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
