// The main window: what it shows once loaded, the topic switch and the choice of a sign, driven
// through its real widgets.

#include "app/mod_All.h"
#include "app/site.h"
#include "main_window/frmMain.h"
#include "signs/modules.h"
#include "signs/zodiac.h"
#include "support/Doubles.h"
#include "support/SignFields.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The boxes in the order of the record's fields 2 to 29.
const QStringList FieldBoxes = QString(
    "txtBirthDates txtZodiacSymbol txtZodiacElement txtZodiacQuality txtDomicilePlanet txtDetrimentPlanet "
    "txtExaltationPlanet txtBirthstone txtLuckyColors txtLuckyNumbers txtLuckyDay txtLuckyGemstones "
    "txtLuckyMetals txtFamous txtGeneralTraits txtPositiveTraits txtNegativeTraits txtFriendshipTraits "
    "txtCompatibilityTraits txtMother txtFather txtChild txtCommonProfessions txtHealthConcerns "
    "txtFinancialHabits txtFashionStyle txtTravel txtLoveAndRomance").split(' ');

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    doubles::ImageList pictures;
    std::unique_ptr<doubles::Installed<platform::ImageList>> installed;
    std::unique_ptr<frmMain> window;

    template <class T = QWidget>
    T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString caption(const QString& name) const { return control<platform::Label>(name)->caption(); }
    QString title(const QString& name) const { return control<QGroupBox>(name)->title(); }
    QComboBox* cboSign() const { return control<QComboBox>("cboSign"); }
    QListWidget* lstOptions() const { return control<QListWidget>("lstOptions"); }
    int pictureShown() const { return doubles::ImageList::NumberShown(control<QLabel>("picZodiac")->pixmap()); }
    // The text a box displays this moment, as the user reads it.
    static QString displayed(QWidget* box)
    {
        if (auto* line = qobject_cast<QLineEdit*>(box))
            return line->text();
        return qobject_cast<QPlainTextEdit*>(box)->document()->toPlainText().replace('\n', "\r\n");
    }
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const QString& box : FieldBoxes)
            texts.append(platform::TextOf(control(box)));
        return texts;
    }
    void showWindow()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // The topic panel drawn in front of the others, and the panel seen at a point of the window.
    QString frontPanel() const
    {
        QString front;
        for (QObject* child : window->client()->children()) {
            if (child->objectName().startsWith("Frame") && qobject_cast<QGroupBox*>(child))
                front = child->objectName();
        }
        return front;
    }
    QString panelSeenAt(QPoint point) const
    {
        for (QWidget* at = window->client()->childAt(point); at; at = at->parentWidget()) {
            if (at->parentWidget() == window->client())
                return at->objectName();
        }
        return QString();
    }

    void verifyShowsSign(const QString& sign)
    {
        QCOMPARE(mod_All::SelectedSign, sign);
        QCOMPARE(caption("lblZodiacSignName"), sign);
        QCOMPARE(title("Frame8"), sign + " As Family");
        QCOMPARE(lstOptions()->item(7)->text(), sign + " As Family");
        QCOMPARE(caption("lblMother") + caption("lblFather") + caption("lblChild"),
                 "The " + sign + " MotherThe " + sign + " FatherThe " + sign + " Child");
        QCOMPARE(title("Frame21"), "Daily " + sign + " Horoscope");
        QCOMPARE(caption("lblForum"), "Visit " + sign + " Discussion Forum Now");
        QCOMPARE(caption("lblDaily"), "Click Here to see Daily " + sign + " Horoscope");
        QCOMPARE(boxTexts(), SignFields(*FindSign(sign)->record).mid(1));
        QVERIFY(!boxTexts().contains(QString())); // the record was loaded
    }

private slots:
    void init()
    {
        pictures = doubles::ImageList();
        installed = std::make_unique<doubles::Installed<platform::ImageList>>(&pictures);
        window = std::make_unique<frmMain>();
        window->Load();
    }

    void cleanup()
    {
        window.reset();
        installed.reset();
    }

    void afterLoadingItShowsAriesAndItsFirstTopic()
    {
        QStringList signs;
        for (const ZodiacSign& sign : Zodiac)
            signs.append(sign.name);
        for (int i = 0; i < cboSign()->count(); ++i)
            QCOMPARE(cboSign()->itemText(i), signs[i]);
        QCOMPARE(cboSign()->count(), 12);
        QCOMPARE(lstOptions()->currentRow(), 0);
        QCOMPARE(frontPanel(), QString("Frame1"));
        for (int i = 0; i < 16; ++i) // each panel is captioned as its entry in the list
            QCOMPARE(title(QString("Frame%1").arg(i + 1)), lstOptions()->item(i)->text());
        QCOMPARE(pictures.requested, QList<int>({2, 2})); // by the load, then by choosing Aries
        QCOMPARE(pictureShown(), 2);
        verifyShowsSign("Aries");
        QVERIFY(caption("Label61").endsWith("Visit " + site::SiteName));
        QVERIFY(caption("lblAstrology").endsWith("@ " + site::SiteName));
        QVERIFY(control<QLabel>("lblCobrand")->text().contains("site's name &  link here. See \"Help\" for details.    Click"));

        // The offers lie on one rectangle, the full-brand offer in front; the four attributes
        // stay in view above the panels; the sign-name label lies hidden behind them.
        QCOMPARE(control("lblCobrand")->geometry(), control("lblFullBrand")->geometry());
        QCOMPARE(control("fraFullBrand")->childAt(control("lblCobrand")->geometry().center()), control("lblFullBrand"));
        for (const char* name : {"Label2", "Label3", "Label4", "Label5", "txtZodiacQuality", "txtZodiacElement",
                                 "txtZodiacSymbol", "txtBirthDates"}) {
            QCOMPARE(panelSeenAt(control(name)->geometry().topLeft() + QPoint(1, 1)), QString(name));
            QCOMPARE(panelSeenAt(control(name)->geometry().bottomRight() - QPoint(1, 1)), QString(name));
        }
        QCOMPARE(panelSeenAt(control("lblZodiacSignName")->geometry().center()), QString("Frame1"));
    }

    // Each topic brings to the front the one panel whose box shows that topic's text, hiding
    // the others wholly; the arrow keys and the mouse switch as a selection from code does.
    void eachTopicBringsItsOwnPanelToTheFront()
    {
        const QList<QPair<int, QString SignData::*>> topics = {
            {0, &SignData::DomicilePlanet}, {1, &SignData::Birthstone}, {2, &SignData::GeneralTraits},
            {3, &SignData::PositiveTraits}, {4, &SignData::NegativeTraits}, {5, &SignData::FriendshipTraits},
            {6, &SignData::CompatibilityTraits}, {7, &SignData::Mother}, {8, &SignData::CommonProfessions},
            {9, &SignData::HealthConcerns}, {10, &SignData::FinancialHabits}, {11, &SignData::FashionStyle},
            {12, &SignData::Travel}, {13, &SignData::LoveAndRomance}, {14, &SignData::Famous}};
        cboSign()->setCurrentIndex(cboSign()->findText("Gemini"));
        showWindow();
        const QRect panels = control("Frame1")->geometry();
        for (const auto& [entry, field] : topics) {
            lstOptions()->setCurrentRow(entry);
            const QString front = frontPanel();
            QWidget* box = control<QGroupBox>(front)->findChildren<QWidget*>(QRegularExpression("^txt")).first();
            QVERIFY2(displayed(box) == modGemini::Record.*field, qPrintable(front));
            for (QPoint corner : {panels.topLeft() + QPoint(1, 1), panels.bottomRight() - QPoint(1, 1)})
                QCOMPARE(panelSeenAt(corner), front);
        }
        lstOptions()->setCurrentRow(15);
        QCOMPARE(panelSeenAt(panels.bottomLeft() + QPoint(1, -1)), QString("Frame16"));

        lstOptions()->setFocus();
        QTest::keyClick(lstOptions(), Qt::Key_Up);
        QCOMPARE(frontPanel(), QString("Frame15"));
        QTest::mouseClick(lstOptions()->viewport(), Qt::LeftButton, {}, lstOptions()->visualItemRect(lstOptions()->item(9)).center());
        QCOMPARE(frontPanel(), QString("Frame10"));
        lstOptions()->setCurrentRow(-1);
        QCOMPARE(frontPanel(), QString("Frame10"));
        QCOMPARE(mod_All::SelectedSign, QString("Gemini"));
    }

    void choosingASignRewritesTheWindow_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("picture");
        QTest::newRow("Scorpio") << "Scorpio" << 10;
        QTest::newRow("Aquarius") << "Aquarius" << 1;
        QTest::newRow("Virgo") << "Virgo" << 12;
        QTest::newRow("Sagittarius") << "Sagittarius" << 9;
        QTest::newRow("Pisces") << "Pisces" << 8; // its negative traits hold the one "ç"
    }
    void choosingASignRewritesTheWindow()
    {
        QFETCH(QString, sign);
        QFETCH(int, picture);
        showWindow();
        lstOptions()->setCurrentRow(7);
        cboSign()->setCurrentIndex(cboSign()->findText(sign));
        verifyShowsSign(sign);
        const SignData& record = *FindSign(sign)->record;
        QCOMPARE(displayed(control("txtMother")) + displayed(control("txtChild")), record.Mother + record.Child);
        QCOMPARE(displayed(control("txtBirthDates")), record.BirthDates);
        QCOMPARE(pictureShown(), picture);
        QCOMPARE(frontPanel(), QString("Frame8")); // the topic stays
        for (const char* name : {"lblMother", "lblFather", "lblChild", "lblZodiacSignName"})
            QVERIFY2(control(name)->width() >= control(name)->sizeHint().width(), name); // labels fit the name
    }

    // The user's choice of the sign already shown runs the whole choice again; a picture that
    // cannot be taken is skipped and the rest still runs; no choice at all changes nothing else.
    void choosingAgainOrNothing()
    {
        showWindow();
        QComboBox* combo = cboSign();
        const auto pick = [combo](const QString& name) {
            combo->showPopup();
            QTRY_VERIFY(combo->view()->isVisible());
            combo->view()->setCurrentIndex(combo->view()->model()->index(combo->findText(name), 0));
            QTest::keyClick(combo->view(), Qt::Key_Return);
            QTRY_VERIFY(!combo->view()->isVisible());
        };
        pictures.unavailable = {4};
        pick("Capricorn");
        modCapricorn::Record.ZodiacSymbol = "tampered";
        platform::SetTextOf(control("txtFamous"), "tampered");
        pick("Capricorn");
        verifyShowsSign("Capricorn");
        QCOMPARE(pictures.requested.mid(2), QList<int>({4, 4}));
        QCOMPARE(pictureShown(), 2); // Aries' picture stays

        lstOptions()->setCurrentRow(4);
        const QStringList before = boxTexts();
        combo->setCurrentIndex(-1);
        QCOMPARE(mod_All::SelectedSign, QString());
        QCOMPARE(pictures.requested.size(), 4);
        QCOMPARE(caption("lblZodiacSignName") + title("Frame21"), QString("CapricornDaily Capricorn Horoscope"));
        QCOMPARE(boxTexts(), before);
        QCOMPARE(frontPanel(), QString("Frame5"));
    }

    // The boxes are read-only, the sign list navy on white (closed and open), and Tab visits the
    // controls in the window's own order, whichever panel is in front.
    void theUserCanReadButNotEdit()
    {
        showWindow();
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtExaltationPlanet")); // first in the tab order
        QWidget* famous = control("txtFamous");
        famous->setFocus();
        QTest::keyClicks(famous, "typed");
        QCOMPARE(platform::TextOf(famous), modAries::Record.Famous);
        for (const QString& name : FieldBoxes) {
            auto* line = qobject_cast<QLineEdit*>(control(name));
            QVERIFY2(line ? line->isReadOnly() : control<QAbstractScrollArea>(name)->property("readOnly").toBool(), qPrintable(name));
        }

        QComboBox* combo = cboSign();
        QVERIFY(combo->font().bold() && combo->font().pointSizeF() == 9.75);
        const auto verifyColours = [](const QImage& image, const char* what) {
            int white = 0, navy = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    white += c == QColor(Qt::white);
                    navy += c.red() < 60 && c.green() < 60 && c.blue() > 90 && c.blue() - c.red() > 60;
                }
            }
            QVERIFY2(white > image.width() * image.height() / 2 && navy > image.width() * image.height() / 100, what);
        };
        verifyColours(combo->grab(combo->rect().adjusted(2, 2, -combo->height(), -2)).toImage(), "closed");
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        verifyColours(combo->view()->viewport()->grab(combo->view()->visualRect(combo->view()->model()->index(5, 0))).toImage(), "open");
        combo->hidePopup();

        const QStringList order = QString(
            "txtExaltationPlanet txtDetrimentPlanet txtDomicilePlanet txtLuckyMetals txtLuckyGemstones txtLuckyDay "
            "txtLuckyNumbers txtLuckyColors txtBirthstone txtGeneralTraits txtPositiveTraits txtNegativeTraits "
            "txtFriendshipTraits txtCompatibilityTraits txtMother txtFather txtChild txtCommonProfessions "
            "txtHealthConcerns txtFinancialHabits txtFashionStyle txtTravel txtFamous lstOptions picZodiac "
            "txtZodiacQuality txtZodiacSymbol txtZodiacElement txtBirthDates txtLoveAndRomance cmdSave cboSign "
            "txtExaltationPlanet").split(' ');
        control(order.first())->setFocus();
        QStringList visited = {QApplication::focusWidget()->objectName()};
        while (visited.size() < order.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, order);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
