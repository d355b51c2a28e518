#include "main_window/frmAbout.h"

#include "app/mod_All.h"
#include "app/mod_Help.h"
#include "platform/Icons.h"
#include "platform/Twips.h"

#include <QKeyEvent>

using namespace platform;

namespace {

const QString Description = QStringLiteral(
    "Zelphine is a highly informative and easy to use software that provides a fairly detailed "
    "analysis of your present personality and situation in life, based on your choice of a "
    "particular zodiac sign. This program provides you with a lot of interesting and previously "
    "unknown facts about each of the twelve zodiac signs. This program follows the zodiac sign "
    "analysis as calculated in western astrology. On the whole, it helps you understand your "
    "positive and negative traits, thus helping you improve your overall personality.");
const QString Offer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website.");

} // namespace

frmAbout::frmAbout()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(mod_All::ProgramCaption);
    setFont(Verdana(8.25));
    setClientSize(7080, 3870);
    SetBackColor(client(), Orange);
    QWidget* form = client();

    // Borderless, so that the 32-pixel icon fills its box whole.
    QLabel* Picture1 = PictureBox(form, QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::NoFrame);
    Picture1->setPixmap(ApplicationIconPixmap(32));
    Place(Picture1, 120, 90, 480, 480);

    cmdOK = Button(form, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setFont(MSSansSerif(8.25));
    cmdOK->setAutoDefault(true); // Enter presses it while it has the focus
    Place(cmdOK, 5745, 3480, 1260, 345);

    QFrame* Line1 = PlainPanel(form, QStringLiteral("Line1"), Qt::black);
    Line1->setGeometry(0, twips(3360), twips(7080), 1);

    auto* Label1 = new Label(form, QStringLiteral("Label1"), Label::FixedSize);
    Label1->setCaption(Description);
    Label1->placeAt(1110, 390, 5895, 1785);

    auto* Label2 = new Label(form, QStringLiteral("Label2"));
    Label2->setFont(Verdana(9.75, true));
    Label2->setCaption(mod_All::ProgramCaption);
    Label2->placeAt(1110, 90);

    lblCobrand = new LinkLabel(form, QStringLiteral("lblCobrand"), Label::AutoSize);
    lblCobrand->setFont(Verdana(8.25, false, true));
    lblCobrand->setCaption(QStringLiteral("Click here for more details."));
    lblCobrand->placeAt(4650, 2985);

    auto* Label3 = new Label(form, QStringLiteral("Label3"), Label::FixedSize);
    Label3->setFont(Verdana(8.25, true));
    Label3->setCaption(Offer);
    Label3->placeAt(120, 2550, 6885, 435);

    lblHomePage = new LinkLabel(form, QStringLiteral("lblHomePage"), Label::AutoSize);
    lblHomePage->setFont(Verdana(8.25, false, true));
    lblHomePage->setCaption(QStringLiteral("Click here to visit ") + mod_Help::WebAddress(QString()));
    lblHomePage->placeAt(2955, 2175);

    // White on the orange, which shows through every label.
    for (Label* label : std::initializer_list<Label*>{Label1, Label2, lblCobrand, Label3, lblHomePage})
        SetForeColor(label, Qt::white);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblCobrand, &LinkLabel::Click, this, &frmAbout::lblCobrand_Click);
    connect(lblHomePage, &LinkLabel::Click, this, &frmAbout::lblHomePage_Click);

    QWidget::setTabOrder(cmdOK, Picture1);
    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click()
{
    Unload();
}

// Despite its name, this link offers the fully-branded edition, as the text above it does.
void frmAbout::lblCobrand_Click()
{
    mod_Help::GoToFullBrandPage();
}

void frmAbout::lblHomePage_Click()
{
    mod_Help::GoToHomePage();
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        cmdOK_Click();
    else
        Form::keyPressEvent(event);
}
