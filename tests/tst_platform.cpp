// The platform layer's controls and windows behave as the program's windows expect.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/Twips.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

namespace {

struct RecordingForm : platform::Form
{
    int loads = 0, unloads = 0;
    bool refuse = false;
    void Form_Load() override { ++loads; }
    void Form_Unload(int& Cancel) override { ++unloads; Cancel = refuse; }
};

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
        for (const auto& [value, pixels] : QList<QPair<int, int>>{{1440, 96}, {7, 0}, {8, 1}, {22, 1}, {23, 2}})
            QCOMPARE(platform::twips(value), pixels);
        QCOMPARE(platform::twipsRect(2520, 3180, 6000, 3705), QRect(168, 212, 400, 247));
    }

    // A caption marks its access key with "&" ("&&" shows one); a link label clicks on a left
    // press and release on it, not on a release elsewhere.
    void labelsShowTheirCaptionAndLinksClick()
    {
        QWidget parent;
        parent.resize(400, 100);
        platform::Label label(&parent, "lblTest");
        label.setCaption("Put your site's name &&  link here. &Save");
        QCOMPARE(label.text(), QString("Put your site's name &  link here. Save"));

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
        combo->setCurrentIndex(2);
        combo->setCurrentIndex(2); // nothing chosen
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        combo->showPopup(); // the user chooses the entry shown, right after a choice from code
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QTRY_VERIFY(!combo->view()->isVisible());
        QCOMPARE(clicks.count(), 2);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentText(), QString("Taurus"));
        QCOMPARE(clicks.count(), 3);
    }

    // The real boxes: the style value picks the icon, the buttons and the default one; the
    // caption is always the program's title, a CR starts a line, and the box opens in front.
    void messageBoxesFollowTheirStyle()
    {
        using B = QMessageBox;
        const struct { int style; B::StandardButton press; int answer; B::Icon icon; B::StandardButton defaultButton; } rows[] = {
            {68, B::No, 7, B::Information, B::Yes}, {16, B::Ok, 1, B::Critical, B::Ok},
            {32 + 4 + 256, B::Yes, 6, B::Question, B::No}, {48 + 1, B::Cancel, 2, B::Warning, B::Ok},
            {256, B::Ok, 1, B::NoIcon, B::Ok}, // a second default of one button is the first
        };
        QWidget front;
        front.setWindowFlag(Qt::WindowStaysOnTopHint);
        front.show();
        for (const auto& row : rows) {
            front.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&front));
            QStringList seen; // read while the box is open, then it is answered
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                                   QString::number(box->standardButton(box->defaultButton())),
                                   box->parentWidget() == &front ? "in front" : "beneath"};
                QAbstractButton* button = box->button(row.press);
                button ? button->click() : box->reject();
            });
            QCOMPARE(platform::MsgBox::real().Ask("There maybe an update\rDo you want to check?", row.style), row.answer);
            const QStringList expected = {"Zelphine", "There maybe an update\nDo you want to check?",
                                          QString::number(row.icon), QString::number(row.defaultButton), "in front"};
            QVERIFY2(seen == expected, qPrintable(QString::number(row.style) + ": " + seen.join(" | ")));
        }
    }

    // A multi-line box shows CR LF breaks as line breaks and gives them back; a text given
    // before the box is shown is what it gives back and shows, from the top, once shown.
    void textBoxesKeepCrLfBreaks()
    {
        QWidget parent;
        QWidget* box = platform::TextBox(&parent, "txtMulti", platform::TextBoxKind::MultiLine, true, true);
        auto* edit = qobject_cast<QPlainTextEdit*>(box);
        box->setGeometry(0, 0, 120, 60);
        const QString text = "One.\r\n\r\n" + QString("A line that wraps in a narrow box.\r\n").repeated(20);
        platform::SetTextOf(box, text);
        QCOMPARE(platform::TextOf(box), text);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCOMPARE(edit->document()->blockCount(), 23);
        QCOMPARE(edit->cursorForPosition(QPoint(4, 4)).block().text(), QString("One.")); // the top line
        QCOMPARE(platform::TextOf(box), text);
        platform::SetTextOf(box, "Two.\r\nThree.");
        QCOMPARE(edit->document()->blockCount(), 2);
        QCOMPARE(platform::TextOf(box), QString("Two.\r\nThree."));
    }

    // A window loads once, keeps its size, has no minimise or maximise button and opens centred
    // on the screen's available area (not again after the user moved it). Its unload runs once,
    // unless it cancels; then it is destroyed and the next use makes and loads it afresh.
    void formsOpenCentredAndUnloadOnce()
    {
        RecordingForm& form = platform::form<RecordingForm>();
        QPointer<RecordingForm> alive(&form);
        QCOMPARE(&platform::form<RecordingForm>(), &form);
        QCOMPARE(form.loads, 1);
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

        form.refuse = true;
        QVERIFY(!form.close());
        QVERIFY(form.isVisible() && platform::Forms::Loaded().contains(&form));
        form.refuse = false;
        QVERIFY(form.close());
        QVERIFY(!platform::Forms::Loaded().contains(&form));
        QVERIFY(form.Unload()); // already unloading: the handler does not run again
        QCOMPARE(form.unloads, 2);
        QTRY_VERIFY(alive.isNull());
        RecordingForm& again = platform::form<RecordingForm>();
        QCOMPARE(again.loads + again.unloads, 1);
        again.Unload();
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
