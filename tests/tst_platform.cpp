// The platform layer's controls and windows behave as the program's windows expect.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/Twips.h"

#include <QAbstractItemView>
#include <QMessageBox>
#include <QTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Picks entry `index` in the open list of a drop-down, as a user does with the keyboard.
void pickInPopup(QComboBox* combo, int index)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
}

class RecordingForm : public platform::Form
{
public:
    int loads = 0;
    int unloads = 0;
    bool refuse = false;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload(int& Cancel) override
    {
        ++unloads;
        if (refuse)
            Cancel = 1;
    }
};

// What a message box showed, read while it was open; it is then closed with `answer`.
struct SeenBox
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QWidget* parent = nullptr;
};

int answerBox(const QString& prompt, int style, QMessageBox::StandardButton answer, SeenBox& seen)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                box->standardButton(box->defaultButton()), box->parentWidget()};
        box->button(answer)->click();
    });
    poll.start(10);
    return platform::MsgBox::real().Ask(prompt, style);
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    // At 96 dots per inch a pixel is 15 twips: sizes round to the nearest pixel.
    void twipsRoundToTheNearestPixel()
    {
        if (!qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0))
            QSKIP("measured for a 96 DPI screen");
        QCOMPARE(platform::twips(1440), 96);
        QCOMPARE(platform::twips(7), 0);
        QCOMPARE(platform::twips(8), 1);
        QCOMPARE(platform::twips(22), 1);
        QCOMPARE(platform::twips(23), 2);
        QCOMPARE(platform::twipsRect(2520, 3180, 6000, 3705), QRect(168, 212, 400, 247));
    }

    void trimRemovesBlanksOnly()
    {
        for (const auto& [text, trimmed] : QList<QPair<QString, QString>>{
                 {"  Leo  ", "Leo"}, {"\tLeo\r\n", "\tLeo\r\n"}, {" Your Message\r\n ", "Your Message\r\n"},
                 {"   ", ""}, {"a  b", "a  b"}})
            QCOMPARE(platform::Trim(text), trimmed);
    }

    // A caption marks its access key with "&" ("&&" shows one); an auto-sized label fits its
    // text; a link label clicks on a left press and release on it, not on a release elsewhere.
    void labelsShowTheirCaptionAndLinksClick()
    {
        QWidget parent;
        parent.resize(400, 100);
        platform::Label label(&parent, "lblTest");
        label.setCaption("Put your site's name &&  link here. &Save");
        QCOMPARE(label.text(), QString("Put your site's name &  link here. Save"));
        label.setCaption("The Sagittarius Mother");
        QVERIFY(label.width() >= label.sizeHint().width());

        platform::LinkLabel link(&parent, "lblLink");
        link.placeAt(0, 0, 1500, 300);
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QSignalSpy clicks(&link, &platform::LinkLabel::Click);
        QTest::mouseClick(&link, Qt::LeftButton);
        QTest::mouseClick(&link, Qt::RightButton);
        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(link.width() + 20, 5));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(5, 5)); // no press before it
        QCOMPARE(clicks.count(), 1);
    }

    // A choice in the drop-down runs Click exactly once, whether made from code or by the user,
    // and also when the user chooses the entry that is already shown.
    void comboBoxClicksOncePerChoice()
    {
        QWidget window;
        auto* combo = new platform::ComboBox(&window, "cboTest");
        QSignalSpy clicks(combo, &platform::ComboBox::Click);
        for (const char* name : {"Aries", "Taurus", "Gemini"})
            combo->AddItem(name);
        QCOMPARE(combo->currentIndex(), -1); // filling a list selects nothing
        QCOMPARE(clicks.count(), 0);

        combo->setCurrentIndex(0);
        QCOMPARE(clicks.count(), 1);
        combo->setCurrentIndex(0);
        QCOMPARE(clicks.count(), 1); // nothing chosen

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        pickInPopup(combo, 0); // the entry shown, right after a choice from code
        QCOMPARE(clicks.count(), 2);
        pickInPopup(combo, 2);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(combo->currentText(), QString("Gemini"));
        pickInPopup(combo, 2);
        QCOMPARE(clicks.count(), 4);

        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentText(), QString("Taurus"));
        QCOMPARE(clicks.count(), 5);

        combo->setCurrentIndex(-1);
        QCOMPARE(clicks.count(), 6);
        QCOMPARE(combo->currentText(), QString());
    }

    // The real boxes: the style value picks the icon, the buttons and the default one; the
    // caption is always the program's title, a CR starts a line, and the box opens in front.
    void messageBoxesFollowTheirStyle_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QMessageBox::StandardButton>("press");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
        QTest::newRow("reminder") << 68 << QMessageBox::No << 7 << QMessageBox::Information << QMessageBox::Yes;
        QTest::newRow("input error") << 16 << QMessageBox::Ok << 1 << QMessageBox::Critical << QMessageBox::Ok;
        QTest::newRow("question") << 32 + 4 + 256 << QMessageBox::Yes << 6 << QMessageBox::Question << QMessageBox::No;
        QTest::newRow("exclamation") << 48 + 1 << QMessageBox::Cancel << 2 << QMessageBox::Warning << QMessageBox::Ok;
        QTest::newRow("second default, one button") << 256 << QMessageBox::Ok << 1 << QMessageBox::NoIcon << QMessageBox::Ok;
    }
    void messageBoxesFollowTheirStyle()
    {
        QFETCH(int, style);
        QFETCH(QMessageBox::StandardButton, press);
        QFETCH(int, answer);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QMessageBox::StandardButton, defaultButton);
        QWidget front;
        front.setWindowFlag(Qt::WindowStaysOnTopHint);
        front.show();
        QVERIFY(QTest::qWaitForWindowActive(&front));

        SeenBox seen;
        QCOMPARE(answerBox("There maybe an update\rDo you want to check?", style, press, seen), answer);
        QCOMPARE(seen.title, QString("Zelphine"));
        QCOMPARE(seen.text, QString("There maybe an update\nDo you want to check?"));
        QCOMPARE(seen.icon, icon);
        QVERIFY(seen.buttons & press);
        QCOMPARE(seen.defaultButton, defaultButton);
        QCOMPARE(seen.parent, &front); // never beneath the window in front
    }

    // A multi-line box shows CR LF breaks as line breaks and gives them back; a text given
    // before the box is shown is what it gives back and shows, from the top, once shown.
    void textBoxesKeepCrLfBreaks()
    {
        QWidget parent;
        QWidget* multi = platform::TextBox(&parent, "txtMulti", platform::TextBoxKind::MultiLine, true, true);
        auto* edit = qobject_cast<QPlainTextEdit*>(multi);
        multi->setGeometry(0, 0, 120, 60);
        const QString lines = QString("A line that wraps in a narrow box.\r\n").repeated(20);
        platform::SetTextOf(multi, "Early.");
        platform::SetTextOf(multi, "One.\r\n\r\n" + lines);
        QCOMPARE(platform::TextOf(multi), "One.\r\n\r\n" + lines);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCOMPARE(edit->document()->blockCount(), 23);
        QCOMPARE(edit->cursorForPosition(QPoint(4, 4)).block().text(), QString("One.")); // the top line
        QVERIFY(edit->verticalScrollBar()->maximum() > 0);
        QCOMPARE(platform::TextOf(multi), "One.\r\n\r\n" + lines);
        platform::SetTextOf(multi, "Two.\r\nThree.");
        QCOMPARE(edit->document()->blockCount(), 2);
        QCOMPARE(platform::TextOf(multi), QString("Two.\r\nThree."));
        QVERIFY(edit->isReadOnly());

        QWidget* single = platform::TextBox(&parent, "txtSingle", platform::TextBoxKind::SingleLine, true, true);
        platform::SetTextOf(single, "Saturn (or Uranus)");
        QCOMPARE(platform::TextOf(single), QString("Saturn (or Uranus)"));
    }

    // A window loads once; its unload runs once, unless it cancels; then it is destroyed and
    // the next use makes and loads it afresh. Shown modally, the call returns once it unloaded.
    void formsLoadAndUnloadOnce()
    {
        RecordingForm& form = platform::form<RecordingForm>();
        QPointer<RecordingForm> alive(&form);
        QCOMPARE(&platform::form<RecordingForm>(), &form);
        QCOMPARE(form.loads, 1);
        form.refuse = true;
        QVERIFY(!form.close());
        QVERIFY(platform::Forms::Loaded().contains(&form));
        form.refuse = false;
        form.setClientSize(1500, 1500);
        QTimer closeWhenModal;
        QObject::connect(&closeWhenModal, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() == &form)
                form.close();
        });
        closeWhenModal.start(10);
        form.ShowModal();
        QCOMPARE(form.unloads, 2);
        QVERIFY(!platform::Forms::Loaded().contains(&form));
        QVERIFY(form.Unload()); // already unloading: the handler does not run again
        QCOMPARE(form.unloads, 2);
        QTRY_VERIFY(alive.isNull());
        RecordingForm& again = platform::form<RecordingForm>();
        QCOMPARE(again.loads + again.unloads, 1);
        again.Unload();
    }

    // A window keeps its size, has no minimise or maximise button, and opens centred on the
    // screen's available area the first time it is shown (not again after the user moved it).
    void formsOpenCentredAtAFixedSize()
    {
        RecordingForm form;
        form.setClientSize(7080, 3870);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((form.frameGeometry().center() - available.center()).manhattanLength() <= 2);
        form.move(form.pos() + QPoint(30, 20));
        const QPoint moved = form.pos();
        form.hide();
        form.show();
        QCOMPARE(form.pos(), moved);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
