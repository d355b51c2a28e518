// The refer-a-friend window and its request, and the end of the program through it, driven
// through the real window's boxes, buttons and keys.

#include "app/mod_Help.h"
#include "app/site.h"
#include "main_window/frmMain.h"
#include "refer_friend/frmTellAFriend.h"
#include "refer_friend/modTellAFriend.h"
#include "startup/frmStartup.h"
#include "support/Doubles.h"

#include <QCheckBox>
#include <QClipboard>
#include <QRegularExpression>
#include <QUrlQuery>
#include <QtTest>
#include <cmath>

using namespace platform;

namespace {

QString web(const QString& path) { return "http://" + site::WebHost + path; }
QString blanksOff(QString text) { return text.remove(QRegularExpression("^ +| +$")); }

const QString NoSpace = "Email Address Cannot Contain Space";
const QString Distinct = "Please Enter Distinct Email Addresses";
const QString Proper = "Please Enter Proper Email Address";

template <class T>
T* loaded()
{
    for (Form* form : Forms::Loaded()) {
        if (auto* found = qobject_cast<T*>(form))
            return found;
    }
    return nullptr;
}

} // namespace

class TestTellAFriend : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<doubles::Surroundings> out;
    QPointer<frmTellAFriend> window;

    QWidget* control(const QString& name) const
    {
        QWidget* found = window->findChild<QWidget*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString& box) const { return TextOf(control(box)); }

    void open()
    {
        window = &form<frmTellAFriend>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // The focus enters the box and leaves it for Exit, as Tab and the mouse move it.
    void visit(const QString& box)
    {
        control(box)->setFocus(Qt::TabFocusReason);
        control("cmdClose")->setFocus(Qt::TabFocusReason);
    }

    QStringList messages() const
    {
        // Every one of them carries the critical-stop icon and OK alone.
        QStringList shown;
        for (const doubles::MsgBox::Box& box : out->boxes.shown)
            shown.append(box.style == MsgBox::vbCritical ? box.prompt : box.prompt + " (wrong style)");
        return shown;
    }

private slots:
    void init()
    {
        out = std::make_unique<doubles::Surroundings>();
    }

    void cleanup()
    {
        for (Form* form : Forms::Loaded())
            delete form;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        out.reset();
    }

    void supportTextFollowsTheRandomNumber_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("start");
        const QString first = "Tessaly Softwares, such as this", second = "Visit " + site::SiteName + " regularly.",
                      third = site::SiteName + " is a FREE", fourth = site::SiteName + " needs your help.";
        QTest::newRow("0") << 0.0f << first;
        QTest::newRow("just below 1/4") << std::nextafter(0.25f, 0.0f) << first;
        QTest::newRow("1/4") << 0.25f << second;
        QTest::newRow("just below 1/2") << std::nextafter(0.5f, 0.0f) << second;
        QTest::newRow("1/2") << 0.5f << third;
        QTest::newRow("3/4") << 0.75f << fourth;
        QTest::newRow("largest") << std::nextafter(1.0f, 0.0f) << fourth;
    }
    void supportTextFollowsTheRandomNumber()
    {
        QFETCH(float, r);
        QFETCH(QString, start);
        out->runtime.randoms.enqueue(r);
        open();
        QCOMPARE(out->runtime.seeded, 1);
        const QString support = window->findChild<Label*>("Label2")->text();
        QVERIFY2(support.startsWith(start), qPrintable(support));
        QVERIFY(!support.contains('%'));
        QVERIFY(support.contains(site::SiteName));
        QVERIFY(!support.contains(site::WebHost));
        QCOMPARE(qobject_cast<QCheckBox*>(control("Check1"))->text(), "Click Here To Visit " + site::WebHost + " Now");
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(QApplication::focusWidget(), control("cmdClose"));
    }

    void tabOrderAndPlaceholders()
    {
        open();
        const QStringList boxes = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
        const QStringList placeholders = {"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"};
        auto shown = [&] {
            QStringList texts;
            for (const QString& box : boxes)
                texts.append(text(box));
            return texts;
        };
        QCOMPARE(shown(), placeholders);
        QCOMPARE(text("txtMessage"), QString("Your Message\r\n"));

        // Tab runs through every box, emptying each as it arrives and restoring it as it leaves;
        // the message box keeps its opening text.
        QStringList visited;
        QStringList emptiedOnArrival;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
            if (boxes.contains(visited.last()) && text(visited.last()).isEmpty())
                emptiedOnArrival.append(visited.last());
        } while (visited.last() != "cmdClose" && visited.size() < 20);
        QCOMPARE(visited, QStringList({"Check1", "Picture1", "txtName", "cmdSubmit", "txtEmail",
                                       "txtFriendEmail", "txtFriendName", "txtMessage", "cmdClose"}));
        QCOMPARE(emptiedOnArrival, QStringList({"txtName", "txtEmail", "txtFriendEmail", "txtFriendName"}));
        QCOMPARE(shown(), placeholders);
        QCOMPARE(text("txtMessage"), QString("Your Message\r\n"));

        // Only blanks around the placeholder count; case, tabs and line breaks do not.
        const struct
        {
            QString before, focused, left;
        } rows[] = {
            {" Your Name  ", "", "Your Name"}, {"your name", "your name", "your name"},
            {"\tYour Name", "\tYour Name", "\tYour Name"}, {"   ", "   ", "Your Name"},
            {"Your Name\r\n", "Your Name\r\n", "Your Name\r\n"},
        };
        for (const auto& row : rows) {
            SetTextOf(control("txtName"), row.before);
            control("txtName")->setFocus(Qt::MouseFocusReason);
            QCOMPARE(text("txtName"), row.focused);
            control("cmdSubmit")->setFocus(Qt::TabFocusReason);
            QCOMPARE(text("txtName"), row.left);
        }
        SetTextOf(control("txtMessage"), "");
        visit("txtMessage");
        QCOMPARE(text("txtMessage"), QString("Your Message"));

        // Another window coming to the front, as a message box does, leaves the box as it is.
        control("txtEmail")->setFocus(Qt::TabFocusReason);
        QCOMPARE(text("txtEmail"), QString());
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), control("txtEmail"));
        SetTextOf(control("txtEmail"), "Your Email Address");
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(text("txtEmail"), QString("Your Email Address"));
    }

    void aTypedBlankIsRefusedInTheEmailBoxes()
    {
        open();
        for (const char* name : {"txtEmail", "txtFriendEmail"}) {
            out->boxes.shown.clear();
            QWidget* box = control(name);
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(box, "a b");
            QCOMPARE(text(name), QString("ab"));
            QCOMPARE(messages(), QStringList({NoSpace}));
            QCOMPARE(QApplication::focusWidget(), box);
            // Pasted text is not looked at.
            QApplication::clipboard()->setText("c d");
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(text(name), QString("abc d"));
            QCOMPARE(out->boxes.shown.size(), 1);
        }
        control("txtName")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(control("txtName"), "Ann Lee");
        QCOMPARE(text("txtName"), QString("Ann Lee"));
        QCOMPARE(out->boxes.shown.size(), 1);
    }

    void submitChecksTheFormInOrder_data()
    {
        QTest::addColumn<QStringList>("typed"); // name, e-mail, friend's name, friend's e-mail; null: untouched
        QTest::addColumn<QString>("message");
        const QString none;
        QTest::newRow("untouched e-mails") << QStringList({"Ann", none, "Bob", none}) << Proper;
        QTest::newRow("equal e-mails come before the names") << QStringList({none, "a@b.c", none, "a@b.c"}) << Distinct;
        QTest::newRow("equal before proper") << QStringList({"Ann", "ann", "Bob", "ann"}) << Distinct;
        QTest::newRow("an e-mail without a dot") << QStringList({"Ann", "ann@home", "Bob", "bob@b.org"}) << Proper;
        QTest::newRow("an e-mail without an at") << QStringList({"Ann", "ann@a.org", "Bob", "bob.b.org"}) << Proper;
        QTest::newRow("name untouched") << QStringList({none, "ann@a.org", "Bob", "bob@b.org"}) << "Please Enter Your Name";
        QTest::newRow("both names missing") << QStringList({"  ", "ann@a.org", none, "bob@b.org"}) << "Please Enter Your Name";
        QTest::newRow("friend's name missing") << QStringList({"Ann", "ann@a.org", none, "bob@b.org"})
                                               << "Please Enter Your Friend's Name";
        QTest::newRow("dot only before the at") << QStringList({"Ann", "a.nn@home", "Bob", "b.ob@work"}) << QString();
        QTest::newRow("blanks around") << QStringList({" Ann ", "ann@a.org ", "Bob", " bob@b.org"}) << QString();
    }
    void submitChecksTheFormInOrder()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        open();
        const QStringList boxes = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
        for (int i = 0; i < boxes.size(); ++i) {
            if (!typed[i].isNull())
                SetTextOf(control(boxes[i]), typed[i]);
        }
        auto* submit = qobject_cast<QPushButton*>(control("cmdSubmit"));
        QTest::mouseClick(submit, Qt::LeftButton);
        QCOMPARE(messages(), message.isNull() ? QStringList() : QStringList({message}));
        QCOMPARE(out->shell.calls.size(), message.isNull() ? 1 : 0);

        // Whatever the checks decide, the five trimmed texts were stored first, and the window
        // keeps what it shows.
        QCOMPARE(modTellAFriend::YourName, blanksOff(text("txtName")));
        QCOMPARE(modTellAFriend::YourEmail, blanksOff(text("txtEmail")));
        QCOMPARE(modTellAFriend::FriendName, blanksOff(text("txtFriendName")));
        QCOMPARE(modTellAFriend::FriendEmail, blanksOff(text("txtFriendEmail")));
        QCOMPARE(modTellAFriend::YourMessage, QString("Your Message\r\n"));
        if (!message.isNull())
            return;
        const QUrlQuery query(QUrl(out->shell.calls[0].file));
        QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), blanksOff(typed[0]));
        QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QString("Your Message\r\n"));

        // A second click sends the same request again.
        QTest::mouseClick(submit, Qt::LeftButton);
        QCOMPARE(out->shell.files(), QStringList({modTellAFriend::TellAFriendUrl, modTellAFriend::TellAFriendUrl}));
    }

    void theRequestCarriesTheValuesAsTyped()
    {
        using namespace modTellAFriend;
        YourName = "Ann & Bob=friends #1+2";
        YourEmail = "ann+tag@a.org";
        YourMessage = "Hello?\r\nSee /here & there ";
        FriendName = QString::fromUtf8("Fran\u00e7oise 100%");
        FriendEmail = "f@b.fr";
        TellAFriend_Submit();
        QCOMPARE(out->shell.calls.size(), 1);
        const QString address = out->shell.calls[0].file;
        QCOMPARE(address, TellAFriendUrl);
        QVERIFY(address.startsWith(web("/qzrt-refer-a-friend.php?taf1=")));
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.host(), site::WebHost);
        QCOMPARE(url.path(), QString("/qzrt-refer-a-friend.php"));
        const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
        const QList<QPair<QString, QString>> expected = {
            {"taf1", YourName}, {"taf2", YourEmail}, {"taf3", YourMessage}, {"taf4", FriendName},
            {"taf5", FriendEmail}, {"taf6", web("/zelphine/")}};
        QCOMPARE(items, expected);

        // The checks of the module itself, which the window's own checks make unreachable from
        // there, and which stop at the first field that fails.
        const struct
        {
            QString* field;
            QString value, message;
        } rows[] = {
            {&YourEmail, "", "Please Enter Your Email"},
            {&FriendEmail, "Friend's Email Address", "Please Enter Your Friend's Email"},
            {&YourMessage, "  ", "Please Enter Your Message"},
        };
        for (const auto& row : rows) {
            const QString kept = *row.field;
            *row.field = row.value;
            out->boxes.shown.clear();
            TellAFriend_Submit();
            QCOMPARE(messages(), QStringList({row.message}));
            *row.field = kept;
        }
        QCOMPARE(out->shell.calls.size(), 1);
        QCOMPARE(TellAFriendUrl, address);
    }

    void theCheckBoxAndTheLinkOpenTheirPages()
    {
        open();
        auto* check = qobject_cast<QCheckBox*>(control("Check1"));
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        QWidget* link = control("lblGoToHome");
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(out->shell.files(), QStringList({web(""), web(""), web("/tessalysoftwares")}));

        const QList<QPushButton*> hidden = window->findChildren<QPushButton*>("cmdExit");
        QCOMPARE(hidden.size(), 3);
        for (QPushButton* button : hidden)
            QVERIFY(!button->isVisible() && button->geometry().top() > window->client()->height());
    }

    void closingTheMainWindowLeadsToTheEnd_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("Alt+X") << "Alt+X";
        QTest::newRow("close box") << "close box";
    }
    void closingTheMainWindowLeadsToTheEnd()
    {
        QFETCH(QString, how);
        frmStartup& startup = form<frmStartup>();
        frmMain* main = loaded<frmMain>();
        QVERIFY(main && main->isVisible());
        QVERIFY(main->close());
        QCOMPARE(out->runtime.ends, 0);
        window = loaded<frmTellAFriend>();
        QVERIFY(window && window->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(Forms::Loaded(), QList<Form*>({&startup, window.data()}));

        int startupUnloads = 0, lastUnloads = 0;
        connect(&startup, &Form::Unloaded, this, [&] { ++startupUnloads; });
        connect(window, &Form::Unloaded, this, [&] { ++lastUnloads; });
        if (how == "Exit")
            QTest::mouseClick(control("cmdClose"), Qt::LeftButton);
        else if (how == "Alt+X")
            QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
        else
            window->close();
        QTRY_COMPARE(out->runtime.ends, 1);
        QCOMPARE(startupUnloads, 1);
        QCOMPARE(lastUnloads, 1);
        QVERIFY(Forms::Loaded().isEmpty());
    }
};

QTEST_MAIN(TestTellAFriend)
#include "tst_tellafriend.moc"
