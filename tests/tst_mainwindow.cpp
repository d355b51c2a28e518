// The main window: what it shows once loaded, the topic switch and the choice of a sign, driven
// through its real widgets.

#include "app/mod_All.h"
#include "app/site.h"
#include "main_window/frmMain.h"
#include "platform/Twips.h"
#include "signs/modules.h"
#include "signs/zodiac.h"
#include "support/Doubles.h"
#include "support/SignFields.h"

#include <QAbstractItemView>
#include <QRegularExpression>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

using platform::twips;

namespace {

// The boxes in the order of the record's fields 2 to 29.
const QStringList FieldBoxes = {
    "txtBirthDates", "txtZodiacSymbol", "txtZodiacElement", "txtZodiacQuality",
    "txtDomicilePlanet", "txtDetrimentPlanet", "txtExaltationPlanet", "txtBirthstone",
    "txtLuckyColors", "txtLuckyNumbers", "txtLuckyDay", "txtLuckyGemstones", "txtLuckyMetals",
    "txtFamous", "txtGeneralTraits", "txtPositiveTraits", "txtNegativeTraits",
    "txtFriendshipTraits", "txtCompatibilityTraits", "txtMother", "txtFather", "txtChild",
    "txtCommonProfessions", "txtHealthConcerns", "txtFinancialHabits", "txtFashionStyle",
    "txtTravel", "txtLoveAndRomance"};


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
    QString boxText(const QString& name) const { return platform::TextOf(control(name)); }
    QComboBox* cboSign() const { return control<QComboBox>("cboSign"); }
    QListWidget* lstOptions() const { return control<QListWidget>("lstOptions"); }
    int pictureShown() const
    {
        return doubles::ImageList::NumberShown(control<QLabel>("picZodiac")->pixmap());
    }

    // The topic panel drawn in front of the others.
    QString frontPanel() const
    {
        QString front;
        for (QObject* child : window->client()->children()) {
            if (child->objectName().startsWith("Frame") && qobject_cast<QGroupBox*>(child))
                front = child->objectName();
        }
        return front;
    }

    // The panel that the user sees at a point of the window's client area.
    QString panelSeenAt(QPoint point) const
    {
        for (QWidget* at = window->client()->childAt(point); at; at = at->parentWidget()) {
            if (at->parentWidget() == window->client())
                return at->objectName();
        }
        return QString();
    }

    // Chooses a sign in the open list, as the user does.
    void pickSign(const QString& name)
    {
        QComboBox* combo = cboSign();
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        QTRY_VERIFY(view->isVisible());
        view->setCurrentIndex(view->model()->index(combo->findText(name), 0));
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
    }

    void verifyShowsSign(const QString& sign)
    {
        QCOMPARE(mod_All::SelectedSign, sign);
        QCOMPARE(caption("lblZodiacSignName"), sign);
        QCOMPARE(title("Frame8"), sign + " As Family");
        QCOMPARE(lstOptions()->item(7)->text(), sign + " As Family");
        QCOMPARE(caption("lblMother"), "The " + sign + " Mother");
        QCOMPARE(caption("lblFather"), "The " + sign + " Father");
        QCOMPARE(caption("lblChild"), "The " + sign + " Child");
        QCOMPARE(title("Frame21"), "Daily " + sign + " Horoscope");
        QCOMPARE(caption("lblForum"), "Visit " + sign + " Discussion Forum Now");
        QCOMPARE(caption("lblDaily"), "Click Here to see Daily " + sign + " Horoscope");
        const QStringList fields = SignFields(*FindSign(sign)->record).mid(1);
        QVERIFY(!fields.first().isEmpty()); // the record is loaded
        for (int i = 0; i < FieldBoxes.size(); ++i)
            QCOMPARE(boxText(FieldBoxes[i]), fields[i]);
    }

private slots:
    void init()
    {
        pictures.requested.clear();
        pictures.unavailable.clear();
        installed = std::make_unique<doubles::Installed<platform::ImageList>>(&pictures);
        window = std::make_unique<frmMain>();
        window->Load();
    }

    void cleanup()
    {
        window.reset();
        installed.reset();
    }

    void showsAriesRightAfterLoading()
    {
        QStringList signs;
        for (int i = 0; i < cboSign()->count(); ++i)
            signs.append(cboSign()->itemText(i));
        QStringList zodiac;
        for (const ZodiacSign& sign : Zodiac)
            zodiac.append(sign.name);
        QCOMPARE(signs, zodiac);
        QCOMPARE(cboSign()->currentIndex(), 0);

        QCOMPARE(lstOptions()->count(), 16);
        QCOMPARE(lstOptions()->currentRow(), 0);
        QVERIFY(lstOptions()->item(0)->isSelected());
        QCOMPARE(frontPanel(), QString("Frame1"));
        for (int i = 0; i < 16; ++i) // each panel is captioned as its entry in the list
            QCOMPARE(title(QString("Frame%1").arg(i + 1)), lstOptions()->item(i)->text());

        // The load shows Aries' picture itself, then again through the choice of Aries.
        QCOMPARE(pictures.requested, QList<int>({2, 2}));
        QCOMPARE(pictureShown(), 2);
        verifyShowsSign("Aries");

        QVERIFY(caption("Label61").endsWith("Visit " + site::SiteName));
        QVERIFY(caption("lblAstrology").endsWith("@ " + site::SiteName));
        QVERIFY(control<QLabel>("lblCobrand")->text().contains("site's name &  link here. See \"Help\" for details.    Click"));
    }

    // Which panel shows which field: each topic brings to the front the panel whose box holds
    // that topic's text.
    void eachTopicShowsItsOwnText()
    {
        const QList<QPair<int, QString SignData::*>> topics = {
            {2, &SignData::GeneralTraits}, {3, &SignData::PositiveTraits}, {4, &SignData::NegativeTraits},
            {5, &SignData::FriendshipTraits}, {6, &SignData::CompatibilityTraits}, {7, &SignData::Mother},
            {8, &SignData::CommonProfessions}, {9, &SignData::HealthConcerns}, {10, &SignData::FinancialHabits},
            {11, &SignData::FashionStyle}, {12, &SignData::Travel}, {13, &SignData::LoveAndRomance},
            {14, &SignData::Famous}, {0, &SignData::DomicilePlanet}, {1, &SignData::Birthstone}};
        cboSign()->setCurrentIndex(cboSign()->findText("Gemini"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        for (const auto& [entry, field] : topics) {
            lstOptions()->setCurrentRow(entry);
            QGroupBox* panel = control<QGroupBox>(frontPanel());
            const QList<QWidget*> boxes = panel->findChildren<QWidget*>(QRegularExpression("^txt"));
            QVERIFY(!boxes.isEmpty());
            const QString text = modGemini::Record.*field;
            QVERIFY2(platform::TextOf(boxes.first()) == text, qPrintable(lstOptions()->item(entry)->text()));
            QVERIFY(boxes.first()->isVisibleTo(window.get()));
        }
    }

    void layoutStacksAsDesigned()
    {
        // The offers lie on one rectangle, the full-brand offer in front.
        QWidget* cobrand = control("lblCobrand");
        QWidget* fullBrand = control("lblFullBrand");
        QCOMPARE(cobrand->geometry(), fullBrand->geometry());
        QCOMPARE(cobrand->parentWidget()->childAt(cobrand->geometry().center()), fullBrand);

        // The four attributes stay in view; the sign-name label lies hidden behind the panels.
        for (const char* name : {"Label2", "Label3", "Label4", "Label5", "txtZodiacQuality",
                                 "txtZodiacElement", "txtZodiacSymbol", "txtBirthDates"}) {
            const QRect place = control(name)->geometry();
            QCOMPARE(panelSeenAt(place.topLeft() + QPoint(1, 1)), QString(name));
            QCOMPARE(panelSeenAt(place.bottomRight() - QPoint(1, 1)), QString(name));
        }
        QCOMPARE(panelSeenAt(control("lblZodiacSignName")->geometry().center()), QString("Frame1"));
    }

    void topicListBringsItsPanelToTheFront()
    {
        for (int i = 15; i >= 0; --i) {
            lstOptions()->setCurrentRow(i);
            QCOMPARE(frontPanel(), QString("Frame%1").arg(i + 1));
        }

        // The panel in front hides the others entirely, "Update" included.
        lstOptions()->setCurrentRow(2);
        lstOptions()->setCurrentRow(15);
        const QRect panels = control("Frame3")->geometry();
        for (QPoint corner : {panels.topLeft(), panels.topRight(), panels.bottomLeft(), panels.bottomRight()}) {
            const QPoint inside = corner + QPoint(corner.x() == panels.left() ? 1 : -1,
                                                  corner.y() == panels.top() ? 1 : -1);
            QCOMPARE(panelSeenAt(inside), QString("Frame16"));
        }
        lstOptions()->setCurrentRow(1);
        QCOMPARE(panelSeenAt(panels.bottomLeft() + QPoint(1, -1)), QString("Frame2"));
        QCOMPARE(panelSeenAt(panels.topRight() + QPoint(-1, 1)), QString("Frame2"));

        // The arrow keys and the mouse switch the panel as well; no selection changes nothing.
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        lstOptions()->setFocus();
        QTest::keyClick(lstOptions(), Qt::Key_Down);
        QCOMPARE(frontPanel(), QString("Frame3"));
        QTest::keyClick(lstOptions(), Qt::Key_Up);
        QTest::keyClick(lstOptions(), Qt::Key_Up);
        QCOMPARE(frontPanel(), QString("Frame1"));
        const QRect health = lstOptions()->visualItemRect(lstOptions()->item(9));
        QTest::mouseClick(lstOptions()->viewport(), Qt::LeftButton, {}, health.center());
        QCOMPARE(frontPanel(), QString("Frame10"));
        lstOptions()->setCurrentRow(-1);
        QCOMPARE(frontPanel(), QString("Frame10"));
        QCOMPARE(mod_All::SelectedSign, QString("Aries"));
    }

    void choosingASignRewritesTheWindow_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("picture");
        QTest::newRow("Scorpio") << "Scorpio" << 10;
        QTest::newRow("Aquarius") << "Aquarius" << 1;
        QTest::newRow("Virgo") << "Virgo" << 12;
        QTest::newRow("Sagittarius") << "Sagittarius" << 9;
    }
    void choosingASignRewritesTheWindow()
    {
        QFETCH(QString, sign);
        QFETCH(int, picture);
        lstOptions()->setCurrentRow(7);
        cboSign()->setCurrentIndex(cboSign()->findText(sign));
        verifyShowsSign(sign);
        QCOMPARE(pictures.requested.last(), picture);
        QCOMPARE(pictureShown(), picture);
        QCOMPARE(lstOptions()->currentRow(), 7);
        QCOMPARE(frontPanel(), QString("Frame8"));

        // The auto-sized labels fit the new names; the links wrap inside their rectangles.
        for (const char* name : {"lblMother", "lblFather", "lblChild", "lblZodiacSignName"}) {
            QWidget* label = control(name);
            QVERIFY2(label->width() >= label->sizeHint().width(), name);
        }
        QCOMPARE(control("lblDaily")->size(), platform::twipsRect(240, 2640, 2175, 375).size());
    }

    void choosingTheShownSignAgainRunsTheWholeChoice()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        pickSign("Capricorn");
        verifyShowsSign("Capricorn");
        const int asked = pictures.requested.size();

        modCapricorn::Record.ZodiacSymbol = "tampered";
        platform::SetTextOf(control("txtFamous"), "tampered");
        pickSign("Capricorn");
        QCOMPARE(modCapricorn::Record.ZodiacSymbol, QString("Goat"));
        verifyShowsSign("Capricorn");
        QCOMPARE(pictures.requested.size(), asked + 1);
        QCOMPARE(pictureShown(), 4);
    }

    void aPictureThatCannotBeTakenIsSkipped()
    {
        pictures.unavailable = {7};
        cboSign()->setCurrentIndex(cboSign()->findText("Libra"));
        QCOMPARE(pictures.requested.last(), 7);
        QCOMPARE(pictureShown(), 2); // Aries' picture stays
        verifyShowsSign("Libra");    // every later step ran
    }

    void aChoiceThatNamesNoSignChangesNothingElse()
    {
        lstOptions()->setCurrentRow(4);
        const int asked = pictures.requested.size();
        QStringList before;
        for (const QString& box : FieldBoxes)
            before.append(boxText(box));

        cboSign()->setCurrentIndex(-1);
        QCOMPARE(mod_All::SelectedSign, QString());
        QCOMPARE(pictures.requested.size(), asked);
        QCOMPARE(pictureShown(), 2);
        QCOMPARE(caption("lblZodiacSignName"), QString("Aries"));
        QCOMPARE(title("Frame21"), QString("Daily Aries Horoscope"));
        QCOMPARE(lstOptions()->item(7)->text(), QString("Aries As Family"));
        QCOMPARE(frontPanel(), QString("Frame5"));
        QStringList after;
        for (const QString& box : FieldBoxes)
            after.append(boxText(box));
        QCOMPARE(after, before);
    }

    void textBoxesAreReadOnly()
    {
        for (const QString& name : FieldBoxes) {
            QWidget* box = control(name);
            if (auto* line = qobject_cast<QLineEdit*>(box))
                QVERIFY2(line->isReadOnly(), qPrintable(name));
            else
                QVERIFY2(qobject_cast<QPlainTextEdit*>(box)->isReadOnly(), qPrintable(name));
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QWidget* famous = control("txtFamous");
        famous->setFocus();
        QTest::keyClicks(famous, "typed");
        QCOMPARE(boxText("txtFamous"), modAries::Record.Famous);
    }

    // The sign list reads navy on white, bold, closed and open alike.
    void theSignListIsNavyOnWhite()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QComboBox* combo = cboSign();
        QCOMPARE(combo->font().pointSizeF(), 9.75);
        QVERIFY(combo->font().bold());
        const auto verifyColours = [](const QImage& image, const char* what) {
            int white = 0, navy = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    white += c == QColor(Qt::white);
                    navy += c.red() < 60 && c.green() < 60 && c.blue() > 90 && c.blue() - c.red() > 60;
                }
            }
            const int all = image.width() * image.height();
            QVERIFY2(white > all / 2, what);
            QVERIFY2(navy > all / 100, what);
        };
        verifyColours(combo->grab(combo->rect().adjusted(2, 2, -combo->height(), -2)).toImage(), "closed");
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QAbstractItemView* list = combo->view();
        const QRect unselected = list->visualRect(list->model()->index(5, 0));
        verifyColours(list->viewport()->grab(unselected).toImage(), "open");
        combo->hidePopup();
    }

    void tabVisitsTheControlsInTheirOrder()
    {
        const QStringList order = {
            "txtExaltationPlanet", "txtDetrimentPlanet", "txtDomicilePlanet", "txtLuckyMetals",
            "txtLuckyGemstones", "txtLuckyDay", "txtLuckyNumbers", "txtLuckyColors",
            "txtBirthstone", "txtGeneralTraits", "txtPositiveTraits", "txtNegativeTraits",
            "txtFriendshipTraits", "txtCompatibilityTraits", "txtMother", "txtFather", "txtChild",
            "txtCommonProfessions", "txtHealthConcerns", "txtFinancialHabits", "txtFashionStyle",
            "txtTravel", "txtFamous", "lstOptions", "picZodiac", "txtZodiacQuality",
            "txtZodiacSymbol", "txtZodiacElement", "txtBirthDates", "txtLoveAndRomance",
            "cmdSave", "cboSign", "txtExaltationPlanet"};
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, order);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
