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
void clickSeen(QWidget* form, const QString& name)
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
    T* control(const QString& name) const { return window->findChild<T*>(name); }
    // Alt+H opens the Help menu; a letter then chooses the entry it marks.
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
        QVERIFY(window = doubles::Shown<frmMain>());
    }
    void cleanup() { out.reset(); }

    void theMenuBarShowsHelpAndDonate()
    {
        QStringList entries; // the menu bar's, then the Help menu's
        for (QAction* entry : window->menuBar()->actions() + control<QMenu>("mnuHelp")->actions())
            entries << (entry->isVisible() ? entry->text() : "hidden");
        QCOMPARE(entries, QStringList({"hidden", "&Help", "&Donate", "hidden", "&Online Help", "&Visit Us Online", "",
                                       "Check for Software &Update", "", "&About Software"}));
    }

    // What the user does: keys, a hidden entry chosen from code, or a click where a label is seen.
    void eachCommandOpensItsPage_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("Online Help") << "Alt+H O" << QStringList({web("/zelphine/zelphine-help.html")});
        QTest::newRow("Visit Us Online") << "Alt+H V" << QStringList({web("")});
        QTest::newRow("Check for Software Update") << "Alt+H U" << QStringList({web("/zelphine/download-zelphine.html")});
        QTest::newRow("Donate") << "Alt+D" << QStringList({help("/donate.html")});
        QTest::newRow("a hidden entry's key") << "Alt+O" << QStringList();
        QTest::newRow("Make Money Online") << "mnuMakeMoney" << QStringList({help("/fully-branded.html")});
        QTest::newRow("Update") << "mnuUpd" << QStringList({web("/zelphine/download-zelphine.html")});
        QTest::newRow("site strip") << "Label61" << QStringList({web("")});
        QTest::newRow("latest information") << "lblAstrology" << QStringList({web("/zelphine/zelphine-help.html")});
        QTest::newRow("co-brand offer in front") << "lblCobrand" << QStringList({help("/co-brand.html")});
        QTest::newRow("full-brand offer in front") << "lblFullBrand" << QStringList({help("/fully-branded.html")});
    }
    void eachCommandOpensItsPage()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, pages);
        const Qt::Key letter = Qt::Key(how.back().unicode());
        if (how.startsWith("Alt+H "))
            chooseFromHelp(letter);
        else if (how.startsWith("Alt+"))
            QTest::keyClick(window, letter, Qt::AltModifier);
        else if (how.startsWith("mnu"))
            control(how)->trigger();
        else if (how.startsWith("lblFullBrand") || how.startsWith("lblCobrand")) {
            control<QWidget>(how)->raise(); // as start-up may leave it; the two lie on one rectangle
            clickSeen(window, "lblCobrand");
        } else
            clickSeen(window, how);
        QCOMPARE(out->shell.files(), pages);
    }

    // The two links of the sign chosen in the list open its pages; a chosen name that differs from
    // every sign's in any way opens nothing.
    void theSignLinksOpenTheChosenSignsPages_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("forumDates"); // empty: nothing opens
        const char* const rows[][2] = {
            {"Aries", "march_21_-_april_20"}, {"Taurus", "april_21_-_may_20"}, {"Gemini", "may_21_-_june_20"},
            {"Cancer", "june_21_-_july_20"}, {"Leo", "july_21_-_august_20"}, {"Virgo", "august_21_-_september_20"},
            {"Libra", "september_21_-_october_20"}, {"Scorpio", "october_21_-_november_20"},
            {"Sagittarius", "november_21_-_december_20"}, {"Capricorn", "december_21_-_january_19"},
            {"Aquarius", "january_20_-_february_18"}, {"Pisces", "february_19_-_march_20"}, {"aries", ""}, {"Aries ", ""}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }
    void theSignLinksOpenTheChosenSignsPages()
    {
        QFETCH(QString, sign);
        QFETCH(QString, forumDates);
        auto* list = control<QComboBox>("cboSign");
        list->setCurrentIndex(list->findText(sign));
        if (list->currentIndex() < 0)
            mod_All::SelectedSign = sign;
        clickSeen(window, "lblDaily");
        clickSeen(window, "lblForum");
        const QString page = "/" + sign.toLower() + "_-_";
        QCOMPARE(out->shell.files(), forumDates.isEmpty() ? QStringList()
                                                          : QStringList({web(page + "daily_horoscope"), web(page + forumDates)}));
    }

    // Show brings the window back from the task bar; Exit closes it as its close box does, which
    // leads on to the refer-a-friend window.
    void theHiddenCommandsShowAndCloseTheWindow()
    {
        window->showMinimized();
        control("mnuShow")->trigger();
        QVERIFY(window->isVisible() && !(window->windowState() & Qt::WindowMinimized));
        control("mnuExit")->trigger();
        QTRY_VERIFY(!window);
        auto* last = qobject_cast<frmTellAFriend*>(Forms::Loaded().value(0));
        QVERIFY(last && last->isVisible() && Forms::Loaded().size() == 1);
    }

    // The About box opens modally with OK in focus, white on orange; its links leave it open, and
    // Enter or Esc closes it.
    void theAboutBoxOpensModallyAndClosesWithAKey()
    {
        QStringList seen;
        QTimer whileOpen;
        connect(&whileOpen, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeWindow());
            if (!box)
                return;
            QStringList looks = {QApplication::activeModalWidget() == box ? "modal" : "modeless",
                                 QApplication::focusWidget()->objectName(), box->findChild<QLabel*>("lblHomePage")->text(),
                                 doubles::Look(box->client())};
            for (QLabel* label : box->findChildren<QLabel*>(QRegularExpression("^(Label|lbl)")))
                looks << label->objectName() + " " + doubles::Look(label);
            clickSeen(box, "lblCobrand");
            clickSeen(box, "lblHomePage");
            seen << looks.join(", ") + (box->isVisible() ? ", open" : ", closed");
            QTest::keyClick(QApplication::focusWidget(), seen.size() == 1 ? Qt::Key_Return : Qt::Key_Escape);
        });
        whileOpen.start(10);
        for (int opening = 0; opening < 2; ++opening) {
            window->activateWindow();
            chooseFromHelp(Qt::Key_A);
            QTRY_COMPARE(seen.size(), opening + 1); // closed when the menu's command returns
        }
        const QString expected = "modal, cmdOK, Click here to visit " + web("") + ", Verdana 8.25 #000000 on #ff8000, "
            "Label1 Verdana 8.25 #ffffff, Label2 Verdana 9.75 bold #ffffff, lblCobrand Verdana 8.25 underlined #ffffff, "
            "Label3 Verdana 8.25 bold #ffffff, lblHomePage Verdana 8.25 underlined #ffffff, open";
        QCOMPARE(seen, QStringList(2, expected));
        QCOMPARE(out->shell.files(), QStringList({help("/fully-branded.html"), web(""), help("/fully-branded.html"), web("")}));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
