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
        qDeleteAll(Forms::Loaded());
        out.reset();
    }

    // Each command, by its key or from code, and each link opens its page; the hidden entries
    // cannot be reached from the keyboard. The About box opens modally with OK in focus, its
    // links leave it open, and Enter or Esc closes it.
    void commandsAndLinksOpenTheirPages()
    {
        QStringList entries; // the menu bar's, then the Help menu's
        for (QAction* entry : window->menuBar()->actions() + control<QMenu>("mnuHelp")->actions())
            entries << (entry->isVisible() ? entry->text() : "hidden");
        QCOMPARE(entries, QStringList({"hidden", "&Help", "&Donate", "hidden", "&Online Help", "&Visit Us Online", "",
                                       "Check for Software &Update", "", "&About Software"}));

        QStringList about;
        QTimer whileAboutIsOpen;
        connect(&whileAboutIsOpen, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<frmAbout*>(Forms::Loaded().last());
            if (!box || QApplication::activeWindow() != box) // not open, or not yet in front
                return;
            const QString shown = QString("%1 %2: %3").arg(QApplication::activeModalWidget() == box ? "modal" : "modeless",
                                                           QApplication::focusWidget()->objectName(),
                                                           box->findChild<QLabel*>("lblHomePage")->text());
            clickSeen(box, "lblCobrand");
            clickSeen(box, "lblHomePage");
            about << shown + (box->isVisible() ? ", open" : ", closed");
            QTest::keyClick(QApplication::focusWidget(), about.size() % 2 ? Qt::Key_Return : Qt::Key_Escape);
        });
        whileAboutIsOpen.start(10);
        const auto chooseAbout = [&] { window->activateWindow(); chooseFromHelp(Qt::Key_A); };
        const auto signPages = [&](int choice, const char* selected = nullptr) {
            control<QComboBox>("cboSign")->setCurrentIndex(choice);
            mod_All::SelectedSign = selected ? selected : mod_All::SelectedSign;
            clickSeen(window, "lblDaily");
            clickSeen(window, "lblForum");
        };
        const QList<QPair<std::function<void()>, QStringList>> rows = {
            {[&] { chooseFromHelp(Qt::Key_O); }, {web("/zelphine/zelphine-help.html")}},
            {[&] { chooseFromHelp(Qt::Key_V); }, {web("")}},
            {[&] { chooseFromHelp(Qt::Key_U); }, {web("/zelphine/download-zelphine.html")}},
            {[&] { QTest::keyClick(window, Qt::Key_D, Qt::AltModifier); }, {help("/donate.html")}},
            {[&] { QTest::keyClick(window, Qt::Key_O, Qt::AltModifier); }, {}}, // a hidden entry's key
            {chooseAbout, {help("/fully-branded.html"), web("")}}, // closed with Enter
            {chooseAbout, {help("/fully-branded.html"), web("")}}, // then with Esc
            {[&] { control("mnuMakeMoney")->trigger(); }, {help("/fully-branded.html")}},
            {[&] { control("mnuUpd")->trigger(); }, {web("/zelphine/download-zelphine.html")}},
            {[&] { clickSeen(window, "Label61"); }, {web("")}},
            {[&] { clickSeen(window, "lblAstrology"); }, {web("/zelphine/zelphine-help.html")}},
            {[&] { window->lblCobrand->raise(); clickSeen(window, "lblCobrand"); }, {help("/co-brand.html")}},
            {[&] { window->lblFullBrand->raise(); clickSeen(window, "lblCobrand"); }, {help("/fully-branded.html")}},
            // The sign pages follow the chosen sign; a name that differs in any way opens nothing.
            {[&] { signPages(7); }, {web("/scorpio_-_daily_horoscope"), web("/scorpio_-_october_21_-_november_20")}},
            {[&] { signPages(0); }, {web("/aries_-_daily_horoscope"), web("/aries_-_march_21_-_april_20")}},
            {[&] { signPages(0, "aries"); signPages(0, "Aries "); }, {}},
            {[&] { window->showMinimized(); control("mnuShow")->trigger();
                   QVERIFY(window->isVisible() && !(window->windowState() & Qt::WindowMinimized)); }, {}},
            {[&] { control("mnuExit")->trigger(); }, {}}, // as the close box
        };
        for (int row = 0; row < rows.size(); ++row) {
            out->shell.calls.clear();
            rows[row].first();
            QVERIFY2(out->shell.files() == rows[row].second, qPrintable(QString("row %1: ").arg(row) + out->shell.files().join(" ")));
        }
        auto* last = qobject_cast<frmTellAFriend*>(Forms::Loaded().last());
        QVERIFY(!window->isVisible() && last && last->isVisible());
        QCOMPARE(about, QStringList(2, "modal cmdOK: Click here to visit " + web("") + ", open"));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
