// The main window, driven through its real widgets: what it shows once loaded, the topic switch,
// the choice of a sign, its menus and links, and the About box; and the sign pictures and the
// application icon built into the program.

#include "app/mod_All.h"
#include "app/site.h"
#include "main_window/frmAbout.h"
#include "main_window/frmMain.h"
#include "platform/Icons.h"
#include "refer_friend/frmTellAFriend.h"
#include "signs/modules.h"
#include "signs/zodiac.h"
#include "support/Doubles.h"
#include "support/SignFields.h"

#include <QImageReader>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtTest>

using platform::Forms;

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

bool IsOrange(const QColor& c) { return c.hsvHue() >= 20 && c.hsvHue() <= 40 && c.hsvSaturationF() >= 0.5 && c.valueF() >= 0.75; }
bool IsDark(const QColor& c) { return c.valueF() < 0.4; }

// The share of the pixels of `area` (the whole picture when empty) that `test` accepts.
double ShareOf(const QImage& image, bool (*test)(const QColor&), QRect area = QRect())
{
    area = area.isEmpty() ? image.rect() : area;
    int accepted = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            accepted += test(image.pixelColor(x, y));
    }
    return double(accepted) / (area.width() * area.height());
}

QImage Opaque(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    // The boxes in the order of the record's fields 2 to 29.
    const QStringList FieldBoxes = QString(
        "txtBirthDates txtZodiacSymbol txtZodiacElement txtZodiacQuality txtDomicilePlanet txtDetrimentPlanet "
        "txtExaltationPlanet txtBirthstone txtLuckyColors txtLuckyNumbers txtLuckyDay txtLuckyGemstones "
        "txtLuckyMetals txtFamous txtGeneralTraits txtPositiveTraits txtNegativeTraits txtFriendshipTraits "
        "txtCompatibilityTraits txtMother txtFather txtChild txtCommonProfessions txtHealthConcerns "
        "txtFinancialHabits txtFashionStyle txtTravel txtLoveAndRomance").split(' ');
    std::unique_ptr<doubles::Surroundings> out;
    QPointer<frmMain> window;

    template <class T = QWidget>
    T* control(const QString& name) const { return window->findChild<T*>(name); }
    QString caption(const QString& name) const { return control<platform::Label>(name)->caption(); }
    QString title(const QString& name) const { return control<QGroupBox>(name)->title(); }
    QComboBox* cboSign() const { return control<QComboBox>("cboSign"); }
    QListWidget* lstOptions() const { return control<QListWidget>("lstOptions"); }
    // The number of the sign picture the picture box shows; 0 for none.
    int pictureShown() const
    {
        for (int number = 1; number <= 12; ++number) {
            if (control<QLabel>("picZodiac")->pixmap().toImage() == platform::ImageList::real().ListImage(number).toImage())
                return number;
        }
        return 0;
    }
    // The text a box displays this moment, as the user reads it.
    static QString displayed(QWidget* box)
    {
        if (auto* line = qobject_cast<QLineEdit*>(box))
            return line->text();
        return qobject_cast<QPlainTextEdit*>(box)->document()->toPlainText().replace('\n', "\r\n");
    }
    // The panel seen at a point of the window, and the topic panel the user sees in front.
    QString panelSeenAt(QPoint point) const
    {
        QWidget* at = window->client()->childAt(point);
        while (at && at->parentWidget() != window->client())
            at = at->parentWidget();
        return at ? at->objectName() : QString();
    }
    QString frontPanel() const { return panelSeenAt(control("Frame1")->geometry().center()); }

    void verifyShowsSign(const QString& sign)
    {
        QCOMPARE(mod_All::SelectedSign, sign);
        const QStringList captions = {caption("lblZodiacSignName"), title("Frame8"), lstOptions()->item(7)->text(),
                                      caption("lblMother"), caption("lblFather"), caption("lblChild"),
                                      title("Frame21"), caption("lblForum"), caption("lblDaily")};
        QCOMPARE(captions.join('|'), QString("%1|%1 As Family|%1 As Family|The %1 Mother|The %1 Father|The %1 Child|"
                                             "Daily %1 Horoscope|Visit %1 Discussion Forum Now|"
                                             "Click Here to see Daily %1 Horoscope").arg(sign));
        QStringList texts;
        for (const QString& box : FieldBoxes)
            texts << platform::TextOf(control(box));
        QCOMPARE(texts, SignFields(*FindSign(sign)->record).mid(1));
        QVERIFY(!texts.contains(QString())); // the record was loaded
    }
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

    // Once open, it shows Aries and the first topic, and its menu bar Help and Donate; the boxes are
    // read-only, the sign list navy on white (closed and open), and Tab visits the controls in the window's own order, from the
    // one focused at first, whichever panel is in front.
    void onceOpenItShowsAriesAndItsFirstTopic()
    {
        QCOMPARE(lstOptions()->currentRow(), 0);
        QCOMPARE(frontPanel(), QString("Frame1"));
        QStringList menus; // the menu bar's entries, then the Help menu's
        for (QAction* entry : window->menuBar()->actions() + control<QMenu>("mnuHelp")->actions())
            menus << (entry->isVisible() ? entry->text() : "hidden");
        QCOMPARE(menus, QStringList({"hidden", "&Help", "&Donate", "hidden", "&Online Help", "&Visit Us Online", "",
                                     "Check for Software &Update", "", "&About Software"}));
        QStringList entries;
        for (int i = 0; i < 16; ++i) { // each panel is captioned as its entry in the list
            entries << lstOptions()->item(i)->text();
            QCOMPARE(title(QString("Frame%1").arg(i + 1)), entries.last());
        }
        QCOMPARE(entries.join('|'), "Planets Associated|Lucky Charm|General Traits|Positive Traits|Negative Traits|"
                                    "Friendship Traits|Compatibility Traits|Aries As Family|Common Profession|Health Concern|"
                                    "Financial Habits|Fashion Style|Travel Habits|Love And Romance|Famous Personalities|Update");
        verifyShowsSign("Aries");
        QVERIFY(caption("Label61").endsWith("Visit " + site::SiteName));
        QVERIFY(caption("lblAstrology").endsWith("@ " + site::SiteName));
        QVERIFY(control<QLabel>("lblCobrand")->text().contains("site's name &  link here.") && control<QLabel>("lblCobrand")->wordWrap());
        QStringList looks; // the link strips in their fonts and colours, and the sign chooser
        for (const char* name : {"Label61", "Frame19", "Label15", "lblForum", "lblDaily", "lblFullBrand", "Frame3", "lblZodiacSignName"})
            looks << doubles::Look(control(name));
        QCOMPARE(looks, QStringList({"Verdana 8.25 bold underlined #000040", "Verdana 8.25 #000000 on #ff8000",
                                     "Verdana 9.75 bold #000080", "Verdana 8.25 #0000ff", "Verdana 8.25 #0000ff",
                                     "Verdana 8.25 bold underlined #0000ff on #efefef", "Verdana 8.25 bold #000000 on #efefef",
                                     "Verdana 9.75 bold #000000"}));
        QStringList labels; // each attribute's label
        for (int n = 2; n <= 14; ++n)
            labels << caption(QString("Label%1").arg(n));
        QCOMPARE(labels.join('|'), "Birth Dates|Zodiac Symbol|Zodiac Element|Zodiac Quality|Domicile Planet|Detriment Planet|"
                                   "Exaltation Planet|Birth Stone|Lucky Colors|Lucky Numbers|Lucky Day|Lucky Gemstones|Lucky Metals");
        // The full-brand offer lies in front of the co-brand one; the four attributes stay in
        // view above the panels; the sign-name label lies hidden behind them.
        QCOMPARE(control("fraFullBrand")->childAt(control("lblCobrand")->geometry().center()), control("lblFullBrand"));
        for (const char* name : {"Label2", "Label3", "Label4", "Label5", "txtZodiacQuality", "txtZodiacElement",
                                 "txtZodiacSymbol", "txtBirthDates"})
            QCOMPARE(panelSeenAt(control(name)->geometry().bottomRight() - QPoint(1, 1)), QString(name));
        QCOMPARE(panelSeenAt(control("lblZodiacSignName")->geometry().center()), QString("Frame1"));

        QCOMPARE(doubles::TabOrder(33), QString(
            "txtExaltationPlanet txtDetrimentPlanet txtDomicilePlanet txtLuckyMetals txtLuckyGemstones txtLuckyDay "
            "txtLuckyNumbers txtLuckyColors txtBirthstone txtGeneralTraits txtPositiveTraits txtNegativeTraits "
            "txtFriendshipTraits txtCompatibilityTraits txtMother txtFather txtChild txtCommonProfessions "
            "txtHealthConcerns txtFinancialHabits txtFashionStyle txtTravel txtFamous lstOptions picZodiac "
            "txtZodiacQuality txtZodiacSymbol txtZodiacElement txtBirthDates txtLoveAndRomance cmdSave cboSign "
            "txtExaltationPlanet").split(' '));
        for (const QString& name : FieldBoxes)
            QVERIFY2(control(name)->property("readOnly").toBool(), qPrintable(name));

        QComboBox* combo = cboSign();
        const auto navyOnWhite = [](const QPixmap& drawn) { // mostly white, with navy text
            const QImage image = drawn.toImage().convertToFormat(QImage::Format_RGB32);
            const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
            const qsizetype all = image.width() * image.height();
            return std::count(pixels, pixels + all, qRgb(255, 255, 255)) > all / 2
                && std::count_if(pixels, pixels + all, [](QRgb c) {
                       return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) > 90 && qBlue(c) - qRed(c) > 60;
                   }) > all / 100;
        };
        QVERIFY(navyOnWhite(combo->grab(combo->rect().adjusted(2, 2, -combo->height(), -2))));
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QVERIFY(navyOnWhite(combo->view()->viewport()->grab(combo->view()->visualRect(combo->view()->model()->index(5, 0)))));
    }

    // Each topic brings to the front the one panel whose box shows that topic's text (given
    // while the panel was covered), hiding the others wholly; a click switches as code does.
    void eachTopicBringsItsOwnPanelToTheFront()
    {
        const QList<QString SignData::*> topics = { // the first box's field, by entry
            &SignData::DomicilePlanet, &SignData::Birthstone, &SignData::GeneralTraits, &SignData::PositiveTraits,
            &SignData::NegativeTraits, &SignData::FriendshipTraits, &SignData::CompatibilityTraits, &SignData::Mother,
            &SignData::CommonProfessions, &SignData::HealthConcerns, &SignData::FinancialHabits,
            &SignData::FashionStyle, &SignData::Travel, &SignData::LoveAndRomance, &SignData::Famous};
        cboSign()->setCurrentIndex(cboSign()->findText("Gemini"));
        const QRect panels = control("Frame1")->geometry();
        lstOptions()->setCurrentRow(15); // the first topic is chosen again after another
        for (int entry = 0; entry < topics.size(); ++entry) {
            lstOptions()->setCurrentRow(entry);
            const QString front = frontPanel();
            QWidget* box = control<QGroupBox>(front)->findChildren<QWidget*>(QRegularExpression("^txt")).first();
            QVERIFY2(displayed(box) == modGemini::Record.*topics[entry], qPrintable(front));
            for (QPoint corner : {panels.topLeft() + QPoint(1, 1), panels.bottomRight() - QPoint(1, 1)})
                QCOMPARE(panelSeenAt(corner), front);
        }
        lstOptions()->setCurrentRow(15); // the update panel, with its links
        for (QWidget* link : {control("lblForum"), control("lblDaily")})
            QCOMPARE(window->client()->childAt(link->mapTo(window->client(), link->rect().center())), link);

        QTest::mouseClick(lstOptions()->viewport(), Qt::LeftButton, {}, lstOptions()->visualItemRect(lstOptions()->item(9)).center());
        QCOMPARE(frontPanel(), QString("Frame10"));
        lstOptions()->setCurrentRow(-1);
        QCOMPARE(frontPanel(), QString("Frame10"));
    }

    // Every sign rewrites the window, whatever topic is in front. Choosing the sign shown again
    // runs the whole choice again; a picture that cannot be taken is skipped and the rest still
    // runs; no choice at all changes nothing else.
    void choosingASignRewritesTheWindow()
    {
        lstOptions()->setCurrentRow(7);
        for (const ZodiacSign& sign : Zodiac)
            *sign.record = SignData(); // each sign's choice loads its record
        for (int i = 11; i >= 0; --i) { // the list holds the signs in zodiac order
            const ZodiacSign& sign = Zodiac[i];
            cboSign()->setCurrentIndex(i);
            verifyShowsSign(sign.name);
            QCOMPARE(pictureShown(), sign.pictureNumber);
            QCOMPARE(displayed(control("txtMother")) + displayed(control("txtChild")), sign.record->Mother + sign.record->Child);
            QCOMPARE(displayed(control("txtBirthDates")), sign.record->BirthDates);
            for (const char* name : {"lblMother", "lblFather", "lblChild", "lblZodiacSignName"})
                QVERIFY2(control(name)->width() >= control(name)->sizeHint().width(), name); // labels fit the name
        }
        QCOMPARE(frontPanel(), QString("Frame8")); // the topic stays

        out->pictures.unavailable = {4};
        cboSign()->setCurrentIndex(cboSign()->findText("Capricorn"));
        modCapricorn::Record.ZodiacSymbol = "tampered";
        platform::SetTextOf(control("txtFamous"), "tampered");
        cboSign()->showPopup(); // the user chooses the sign shown again
        QTRY_VERIFY(cboSign()->view()->isVisible());
        QTest::keyClick(cboSign()->view(), Qt::Key_Return);
        verifyShowsSign("Capricorn");
        QCOMPARE(pictureShown(), 2); // Aries' picture stays

        cboSign()->setCurrentIndex(-1);
        QCOMPARE(mod_All::SelectedSign, QString());
        QCOMPARE(caption("lblZodiacSignName") + title("Frame21"), QString("CapricornDaily Capricorn Horoscope"));
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
            control<QAction>(how)->trigger();
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
        control<QAction>("mnuShow")->trigger();
        QVERIFY(window->isVisible() && !(window->windowState() & Qt::WindowMinimized));
        control<QAction>("mnuExit")->trigger();
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
        QPointer<frmAbout> looked; // each opening is looked at once, while it is open
        connect(&whileOpen, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeWindow());
            if (!box || !box->isVisible() || box == looked)
                return;
            looked = box;
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

    // Twelve distinct pictures of one size, numbered in the alphabetical order of the signs (as
    // their "Title" texts tell), each a dark figure above a dark name on an orange ground that
    // reaches the corners.
    void eachSignHasItsPicture()
    {
        QCOMPARE(platform::ImageList::real().Count(), 12);
        QList<QImage> seen;
        for (const ZodiacSign& sign : Zodiac) {
            const QByteArray name = sign.name.toUtf8();
            QCOMPARE(QImageReader(QString(":/pictures/%1").arg(sign.pictureNumber)).text("Title"), sign.name);
            const QImage image = Opaque(platform::ImageList::real().ListImage(sign.pictureNumber));
            QCOMPARE(image.size(), QSize(150, 244));
            QVERIFY2(!seen.contains(image), name);
            seen.append(image);
            QVERIFY2(ShareOf(image, IsOrange) > 0.6, name);
            QVERIFY2(ShareOf(image, IsDark, QRect(10, 12, 130, 178)) > 0.08, name);
            QVERIFY2(ShareOf(image, IsDark, QRect(10, 203, 130, 22)) > 0.04, name);
            for (QPoint corner : {QPoint(0, 0), QPoint(149, 0), QPoint(0, 243), QPoint(149, 243)})
                QVERIFY2(IsOrange(image.pixelColor(corner)), name);
        }
        for (int outside : {0, 13, -1})
            QVERIFY(platform::ImageList::real().ListImage(outside).isNull());
    }

    // What the main window's picture box draws inside its sunken border is the whole picture.
    void thePictureFillsItsSunkenBoxExactly()
    {
        if (!qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0))
            QSKIP("the box is measured for a 96 DPI screen");
        auto* picZodiac = control<QLabel>("picZodiac");
        QCOMPARE(picZodiac->contentsRect(), QRect(2, 2, 150, 244));
        const QImage drawn = Opaque(picZodiac->grab());
        QCOMPARE(drawn.copy(2, 2, 150, 244), Opaque(platform::ImageList::real().ListImage(2)));
        QVERIFY(!IsOrange(drawn.pixelColor(0, 0)));
    }

    // The icon holds the sizes desktops ask for, and comes at any size asked for, one it was
    // rendered at or not; the main window carries it.
    void everyWindowCarriesTheApplicationIcon()
    {
        for (int size : {16, 32, 48, 64, 128, 256})
            QVERIFY(platform::ApplicationIcon().availableSizes().contains(QSize(size, size)));
        for (int size : {16, 24, 32, 100, 256}) {
            const QImage drawn = platform::ApplicationIconPixmap(size).toImage();
            QCOMPARE(drawn.size(), QSize(size, size));
            QVERIFY2(ShareOf(drawn, IsOrange) > 0.15 && ShareOf(drawn, IsDark) > 0.03, qPrintable(QString::number(size)));
        }
        QCOMPARE(window->windowIcon().pixmap(QSize(32, 32)).toImage(), platform::ApplicationIconPixmap().toImage());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
