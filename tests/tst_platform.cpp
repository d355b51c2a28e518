// The platform layer's windows, controls and message boxes behave as the program's windows expect.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/Twips.h"

#include <QMessageBox>
#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    // A link shows the pointing hand and clicks on a left press and release on it; not on a right
    // click, a release elsewhere, nor a release with no press before it.
    void linksClickOnALeftClickOnThem()
    {
        QWidget parent;
        platform::LinkLabel link(&parent, "lblLink");
        link.placeAt(0, 0, 1500, 300);
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QSignalSpy clicks(&link, &platform::LinkLabel::Click);
        QTest::mouseClick(&link, Qt::LeftButton);
        QTest::mouseClick(&link, Qt::RightButton);
        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(link.width() + 20, 5));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
    }

    // The real boxes: the style value picks the icon, the buttons and the default one (a second
    // default of one button is the first); the caption is always the program's title, a CR starts
    // a line, and the box opens in front.
    void messageBoxesFollowTheirStyle()
    {
        using B = QMessageBox;
        const struct { int style; B::StandardButton press; int answer; B::Icon icon; B::StandardButton defaultButton; } rows[] = {
            {68, B::No, 7, B::Information, B::Yes}, {16, B::Ok, 1, B::Critical, B::Ok},
            {32 + 4 + 256, B::Yes, 6, B::Question, B::No}, {48 + 1, B::Cancel, 2, B::Warning, B::Ok},
            {256, B::Ok, 1, B::NoIcon, B::Ok}, {4, B::Close, 7, B::NoIcon, B::Yes}, // closed without a choice: No
        };
        QWidget front;
        front.show();
        for (const auto& row : rows) {
            front.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&front));
            QString seen; // read while the box is open, then it is answered
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                                   QString::number(box->standardButton(box->defaultButton())),
                                   box->parentWidget() == &front ? "in front" : "beneath"}.join('|');
                QAbstractButton* button = box->button(row.press);
                button ? button->click() : box->reject();
            });
            QCOMPARE(platform::MsgBox::real().Ask("There maybe an update\rDo you want to check?", row.style), row.answer);
            QCOMPARE(seen, QString("Zelphine|There maybe an update\nDo you want to check?|%1|%2|in front").arg(row.icon).arg(row.defaultButton));
        }
    }

    // A window keeps its size, has no minimise or maximise button and opens centred on the
    // screen's available area, but not again after the user moved it.
    void windowsOpenCentredOnce()
    {
        platform::Form form;
        form.setClientSize(7080, 3870);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.client()->size(), QSize(platform::twips(7080), platform::twips(3870)));
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
