// The refer-a-friend window, its request and the end of the program through it, driven through
// the window's own boxes, buttons and keys.

#include "app/site.h"
#include "refer_friend/frmTellAFriend.h"
#include "refer_friend/modTellAFriend.h"
#include "support/Doubles.h"

#include <QCheckBox>
#include <QClipboard>
#include <QtTest>
#include <cmath>

using namespace platform;

namespace {

// The fields of a request's query as a web form takes them (application/x-www-form-urlencoded):
// "&" parts the fields, "+" is a blank, "%XX" a byte of UTF-8.
QList<QPair<QString, QString>> FormFields(const QString& query)
{
    const auto decoded = [](const QString& part) { return QUrl::fromPercentEncoding(part.toUtf8().replace('+', ' ')); };
    QList<QPair<QString, QString>> fields;
    for (const QString& field : query.split('&'))
        fields.append({decoded(field.section('=', 0, 0)), decoded(field.section('=', 1))});
    return fields;
}

} // namespace

class TestTellAFriend : public QObject
{
    Q_OBJECT

    std::unique_ptr<doubles::Surroundings> out;
    QPointer<frmTellAFriend> window;

    QWidget* control(const char* name) const { return window->findChild<QWidget*>(name); }
    QString text(const char* box) const { return TextOf(control(box)); }
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
    void cleanup() { out.reset(); }

    // Seeded at each opening; the edges of the four quarters pick the text.
    void supportTextFollowsTheRandomNumber()
    {
        const QList<QPair<float, QString>> rows = {
            {0.0f, "Tessaly Softwares, such as"}, {0.25f, "Visit " + site::SiteName + " regularly. "},
            {std::nextafter(0.75f, 0.0f), site::SiteName + " is a FREE"}, {std::nextafter(1.0f, 0.0f), site::SiteName + " needs"}};
        for (const auto& [r, start] : rows) {
            out->runtime.randoms.enqueue(r);
            QVERIFY(window = doubles::Shown<frmTellAFriend>());
            QVERIFY2(window->findChild<Label*>("Label2")->text().startsWith(start), qPrintable(start));
            delete window;
        }
        QCOMPARE(out->runtime.seeded, rows.size());
    }

    // The window stays on top, white, with its two navy panels and its fonts; Exit has the focus at first, so
    // every placeholder stays, and Tab goes on through the form in its own order.
    void opensOnTopWithTheFocusOnExit()
    {
        QVERIFY(window = doubles::Shown<frmTellAFriend>());
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window->windowTitle(), "Zelphine v1.75");
        QStringList looks;
        for (const char* name : {"Label1", "Label2", "Check1", "Frame2", "cmdSubmit", "Frame6", "Label3", "lblGoToHome"})
            looks << doubles::Look(control(name));
        QCOMPARE(looks, QStringList({"MS Sans Serif 18 #000000", "Verdana 9.75 bold #000000", "Verdana 14.25 #0000c0",
                                     "Verdana 9.75 bold #ffffff on #000080", "Verdana 8.25 bold #000000",
                                     "Verdana 9.75 bold #ffffff on #000080", "Verdana 9 #ffffff", "Verdana 9 bold underlined #ffff00"}));
        QVERIFY(doubles::Look(window->client()).endsWith(" on #ffffff"));
        QCOMPARE(doubles::TabOrder(10), QString("cmdClose Check1 Picture1 txtName cmdSubmit txtEmail txtFriendEmail "
                                                "txtFriendName txtMessage cmdClose").split(' '));
        QStringList texts;
        for (const char* box : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"})
            texts << text(box);
        QCOMPARE(texts, QStringList({"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address", "Your Message\r\n"}));
    }

    // A placeholder goes when the box gains the focus and comes back to a box left blank, when the
    // focus moves within the window; a window brought back to the front, or a pop-up menu opened
    // on the box, leaves what it holds.
    void placeholdersComeAndGoWithTheFocus()
    {
        QVERIFY(window = doubles::Shown<frmTellAFriend>());
        const struct { const char* box; QString before; Qt::FocusReason in; QString focused; const char* typed; Qt::FocusReason out; QString after; } rows[] = {
            {"txtName", " Your Name  ", Qt::TabFocusReason, "", nullptr, Qt::TabFocusReason, "Your Name"},
            {"txtName", "your name", Qt::MouseFocusReason, "your name", nullptr, Qt::TabFocusReason, "your name"},
            {"txtName", "\tYour Name", Qt::TabFocusReason, "\tYour Name", nullptr, Qt::TabFocusReason, "\tYour Name"},
            {"txtFriendEmail", "  ", Qt::TabFocusReason, "  ", nullptr, Qt::MouseFocusReason, "Friend's Email Address"},
            {"txtEmail", "Your Email Address", Qt::ActiveWindowFocusReason, "Your Email Address", nullptr, Qt::TabFocusReason, "Your Email Address"},
            {"txtFriendName", "Friend's Name", Qt::TabFocusReason, "", nullptr, Qt::PopupFocusReason, ""},
            {"txtName", "", Qt::TabFocusReason, "", nullptr, Qt::ActiveWindowFocusReason, ""},
            {"txtMessage", "Your Message\r\n", Qt::TabFocusReason, "Your Message\r\n", nullptr, Qt::TabFocusReason, "Your Message\r\n"},
            {"txtMessage", "Your Message\r\n", Qt::TabFocusReason, "Your Message\r\n", "", Qt::BacktabFocusReason, "Your Message"},
        };
        for (const auto& row : rows) {
            control("cmdClose")->setFocus(Qt::TabFocusReason);
            SetTextOf(control(row.box), row.before);
            control(row.box)->setFocus(row.in);
            const QString focused = text(row.box);
            if (row.typed)
                SetTextOf(control(row.box), row.typed);
            control("cmdSubmit")->setFocus(row.out);
            QCOMPARE(focused + " | " + text(row.box), row.focused + " | " + row.after);
        }
    }

    // A typed blank is refused in the e-mail boxes, a pasted one is not; the check box opens
    // the home page at each click and never stays ticked.
    void blanksAreRefusedInTheEmailBoxesAndTheLinksOpenTheirPages()
    {
        QVERIFY(window = doubles::Shown<frmTellAFriend>());
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

    // What the user typed (an empty text leaves the box to its placeholder; a fifth text is the
    // message) and the one message that stops the submit, or none when the request goes out.
    void submitChecksTheFormThenSendsIt_data()
    {
        QTest::addColumn<QStringList>("typed"); // name, e-mail, friend's name, friend's e-mail
        QTest::addColumn<QString>("prompt");
        const QString proper = "Please Enter Proper Email Address";
        QTest::newRow("both addresses untouched") << QStringList({"Ann", "", "Bob", ""}) << proper;
        QTest::newRow("same address, no names") << QStringList({"", "ann", "", "ann"}) << "Please Enter Distinct Email Addresses";
        QTest::newRow("no dot") << QStringList({"Ann", "ann@home", "Bob", "bob@b.org"}) << proper;
        QTest::newRow("no at") << QStringList({"Ann", "ann@a.org", "Bob", "bob.b.org"}) << proper;
        QTest::newRow("no names") << QStringList({"", "ann@a.org", "", "bob@b.org"}) << "Please Enter Your Name";
        QTest::newRow("no friend's name") << QStringList({"Your Namex", "ann@a.org", "", "bob@b.org"}) << "Please Enter Your Friend's Name";
        QTest::newRow("message emptied") << QStringList({"Ann", "ann@a.org", "", "bob@b.org", ""}) << "Please Enter Your Message";
        QTest::newRow("sent") << QStringList({" Ann & Co=1 #2+3 ", "a.nn@home", "Fran\u00e7oise", "b.ob@work"}) << QString();
    }
    void submitChecksTheFormThenSendsIt()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, prompt);
        QVERIFY(window = doubles::Shown<frmTellAFriend>());
        const char* boxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"};
        for (int i = 0; i < typed.size(); ++i) {
            control(boxes[i])->setFocus(Qt::TabFocusReason);
            SetTextOf(control(boxes[i]), typed[i]);
        }
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier); // the focus leaves the last box first
        QCOMPARE(prompts(), prompt.isEmpty() ? QStringList() : QStringList({prompt}));
        QCOMPARE(modTellAFriend::YourEmail + " | " + modTellAFriend::FriendEmail, // stored before the checks
                 (typed[1].isEmpty() ? "Your Email Address" : typed[1]) + " | " + (typed[3].isEmpty() ? "Friend's Email Address" : typed[3]));
        QCOMPARE(out->shell.calls.size(), prompt.isEmpty() ? 1 : 0);
        if (!prompt.isEmpty())
            return;
        const QString request = out->shell.calls[0].file;
        QVERIFY(QUrl(request, QUrl::StrictMode).isValid());
        QCOMPARE(request.section('?', 0, 0), "http://" + site::WebHost + "/qzrt-refer-a-friend.php");
        const QList<QPair<QString, QString>> expected = {
            {"taf1", "Ann & Co=1 #2+3"}, {"taf2", "a.nn@home"}, {"taf3", "Your Message\r\n"},
            {"taf4", "Fran\u00e7oise"}, {"taf5", "b.ob@work"}, {"taf6", "http://" + site::WebHost + "/zelphine/"}};
        QCOMPARE(FormFields(request.mid(request.indexOf('?') + 1)), expected);
    }

    // Exit, Alt+X and the close box each end the program once, this window unloaded once.
    void everyWayOutEndsTheProgram()
    {
        for (const QString how : {"Exit", "Alt+X", "close box"}) {
            QVERIFY(window = doubles::Shown<frmTellAFriend>());
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
