// The refer-a-friend window, its request and the end of the program through it, driven through
// the window's own boxes, buttons and keys.

#include "app/site.h"
#include "refer_friend/frmTellAFriend.h"
#include "refer_friend/modTellAFriend.h"
#include "support/Doubles.h"

#include <QCheckBox>
#include <QClipboard>
#include <QUrlQuery>
#include <QtTest>
#include <cmath>

using namespace platform;

class TestTellAFriend : public QObject
{
    Q_OBJECT

    std::unique_ptr<doubles::Surroundings> out;
    QPointer<frmTellAFriend> window;

    QWidget* control(const char* name) const { return window->findChild<QWidget*>(name); }
    QString text(const char* box) const { return TextOf(control(box)); }
    void open()
    {
        window = &form<frmTellAFriend>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    // The prompts shown, each with the critical-stop icon and OK alone.
    QStringList prompts() const
    {
        QStringList shown;
        for (const doubles::MsgBox::Box& box : out->boxes.shown)
            shown << (box.style == MsgBox::vbCritical ? box.prompt : "wrong style");
        return shown;
    }

private slots:
    void init() { out = std::make_unique<doubles::Surroundings>(); }
    void cleanup()
    {
        for (Form* form : Forms::Loaded())
            delete form;
        out.reset();
    }

    // Seeded at each opening; the edges of the four quarters pick the text.
    void supportTextFollowsTheRandomNumber()
    {
        const QList<QPair<float, QString>> rows = {
            {0.0f, "Tessaly Softwares, such as"}, {0.25f, "Visit " + site::SiteName + " regularly. "},
            {std::nextafter(0.75f, 0.0f), site::SiteName + " is a FREE"}, {std::nextafter(1.0f, 0.0f), site::SiteName + " needs"}};
        for (const auto& [r, start] : rows) {
            out->runtime.randoms.enqueue(r);
            open();
            QVERIFY2(window->findChild<Label*>("Label2")->text().startsWith(start), qPrintable(start));
            delete window;
        }
        QCOMPARE(out->runtime.seeded, rows.size());
    }

    // Exit has the focus at first, so every placeholder stays; the window stays on top.
    void placeholdersComeAndGoWithTheFocus()
    {
        open();
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(QApplication::focusWidget(), control("cmdClose"));
        const QList<QStringList> rows = {// before, while focused, after
            {" Your Name  ", "", "Your Name"}, {"your name", "your name", "your name"},
            {"\tYour Name", "\tYour Name", "\tYour Name"}, {"  ", "  ", "Your Name"}};
        for (const QStringList& row : rows) {
            SetTextOf(control("txtName"), row[0]);
            control("txtName")->setFocus(Qt::TabFocusReason);
            QCOMPARE(text("txtName"), row[1]);
            control("cmdSubmit")->setFocus(Qt::TabFocusReason);
            QCOMPARE(text("txtName"), row[2]);
        }
        SetTextOf(control("txtMessage"), "");
        control("txtMessage")->setFocus(Qt::TabFocusReason);
        control("cmdClose")->setFocus(Qt::TabFocusReason);
        QCOMPARE(text("txtMessage"), QString("Your Message"));
    }

    // A typed blank is refused in the e-mail boxes, a pasted one is not; the check box opens
    // the home page at each click and never stays ticked.
    void blanksAreRefusedInTheEmailBoxesAndTheLinksOpenTheirPages()
    {
        open();
        for (const char* name : {"txtEmail", "txtFriendEmail", "txtName"}) {
            control(name)->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(control(name), "a b");
            QApplication::clipboard()->setText("c d");
            QTest::keyClick(control(name), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(QApplication::focusWidget(), control(name));
            QCOMPARE(text(name), QString(name) == "txtName" ? "a bc d" : "abc d");
        }
        QCOMPARE(prompts(), QStringList(2, "Email Address Cannot Contain Space"));

        auto* check = qobject_cast<QCheckBox*>(control("Check1"));
        QTest::mouseClick(check, Qt::LeftButton);
        QTest::mouseClick(check, Qt::LeftButton);
        QTest::mouseClick(control("lblGoToHome"), Qt::LeftButton);
        const QString home = "http://" + site::WebHost;
        QCOMPARE(out->shell.files(), QStringList({home, home, home + "/tessalysoftwares"}));
        QVERIFY(!check->isChecked());
    }

    void submitChecksTheFormThenSendsItEncoded()
    {
        const QString distinct = "Please Enter Distinct Email Addresses", proper = "Please Enter Proper Email Address";
        const QList<QPair<QStringList, QString>> rows = {// name, e-mail, friend's name, friend's e-mail
            {{"Ann", "", "Bob", ""}, proper}, // both untouched
            {{"", "ann", "", "ann"}, distinct},
            {{"Ann", "ann@home", "Bob", "bob@b.org"}, proper},
            {{"Ann", "ann@a.org", "Bob", "bob.b.org"}, proper},
            {{"", "ann@a.org", "", "bob@b.org"}, "Please Enter Your Name"},
            {{"Ann", "ann@a.org", "", "bob@b.org"}, "Please Enter Your Friend's Name"},
            {{" Ann & Co=1 #2+3 ", "a.nn@home", QString::fromUtf8("Fran\u00e7oise"), "b.ob@work"}, ""},
        };
        open();
        const char* boxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
        for (const auto& [typed, prompt] : rows) {
            out->boxes.shown.clear();
            for (int i = 0; i < 4; ++i) {
                control(boxes[i])->setFocus(Qt::TabFocusReason);
                SetTextOf(control(boxes[i]), typed[i]);
            }
            QTest::mouseClick(control("cmdSubmit"), Qt::LeftButton);
            QCOMPARE(prompts(), prompt.isEmpty() ? QStringList() : QStringList({prompt}));
            QCOMPARE(modTellAFriend::YourEmail, typed[1].isEmpty() ? "Your Email Address" : typed[1]);
        }
        QCOMPARE(out->shell.calls.size(), 1);
        const QUrl request(out->shell.calls[0].file, QUrl::StrictMode);
        QCOMPARE(request.toString(QUrl::RemoveQuery), "http://" + site::WebHost + "/qzrt-refer-a-friend.php");
        const QList<QPair<QString, QString>> expected = {
            {"taf1", "Ann & Co=1 #2+3"}, {"taf2", "a.nn@home"}, {"taf3", "Your Message\r\n"},
            {"taf4", QString::fromUtf8("Fran\u00e7oise")}, {"taf5", "b.ob@work"},
            {"taf6", "http://" + site::WebHost + "/zelphine/"}};
        QCOMPARE(QUrlQuery(request).queryItems(QUrl::FullyDecoded), expected);
    }

    // Exit, Alt+X and the close box each end the program once, this window unloaded once.
    void everyWayOutEndsTheProgram()
    {
        for (const QString how : {"Exit", "Alt+X", "close box"}) {
            open();
            int unloads = 0;
            connect(window, &Form::Unloaded, this, [&] { ++unloads; });
            if (how == "Exit")
                QTest::mouseClick(control("cmdClose"), Qt::LeftButton);
            else if (how == "Alt+X")
                QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
            else
                window->close();
            QTRY_VERIFY2(out->runtime.ends == 1 && unloads == 1 && Forms::Loaded().isEmpty(), qPrintable(how));
            out->runtime.ends = 0;
        }
    }
};

QTEST_MAIN(TestTellAFriend)
#include "tst_tellafriend.moc"
