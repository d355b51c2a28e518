#include "refer_friend/frmTellAFriend.h"

#include "app/mod_All.h"
#include "app/mod_Help.h"
#include "app/site.h"
#include "platform/Icons.h"
#include "platform/MsgBox.h"
#include "platform/Runtime.h"
#include "platform/Text.h"
#include "refer_friend/modTellAFriend.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>

using namespace platform;

namespace {

const QColor LinkBlue(0, 0, 192);
const QColor Yellow(255, 255, 0);

// One of them, chosen at random, is shown at each opening; %1 is the maker's site name.
const QString SupportTexts[4] = {
    QStringLiteral("Tessaly Softwares, such as this can be created and maintained only with your "
                   "support. The best way to support Tessaly Board is to visit %1 regularly and take "
                   "part in the discussions and other activities on the board."),
    QStringLiteral("Visit %1 regularly. Support %1 by taking part in the discussions and other "
                   "activities. These softwares cannot be supported and maintained, without you "
                   "regularly visiting %1"),
    QStringLiteral("%1 is a FREE online discussion forum for all things tessaly. To help %1 develop "
                   "and maintain this software visit TessalyBoard regularly."),
    QStringLiteral("%1 needs your help. All you need to do is visit %1 regularly and take part in "
                   "the various discussions and activites to help us maintain and develop more "
                   "Tessaly Softwares."),
};

const QString SoftwaresText =
    QStringLiteral("If you have enjoyed this software you will surely be interested in our other "
                   "Tessaly Softwares. From a single software, we have now grown to become the "
                   "world\u2019s largest resource of tessaly softwares. Be it astrology, psychic, "
                   "tarot, numerology or occult, we have programs in all fields thus giving our "
                   "users a wide choice depending on their interests.")
    + QString(61, QLatin1Char(' '))
    + QStringLiteral("All the programs in the Tessaly Softwares suite are simple and easy to use. "
                     "They are not only fun to use but also very informative. Try them out today "
                     "and share your experience with your friends and family. ");

// The two panels: white captions on navy.
void PaintPanel(QGroupBox* panel)
{
    panel->setFont(Verdana(9.75, true));
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Navy);
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
}

// Focus that moves between this program's controls. Another window coming to the front (a
// message box, another program) or a pop-up menu takes the focus only for a while: the box
// keeps what it holds.
bool MovedWithinTheWindow(const QEvent* event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

frmTellAFriend::frmTellAFriend()
{
    setObjectName(QStringLiteral("frmTellAFriend"));
    setWindowTitle(mod_All::ProgramCaption);
    setFont(MSSansSerif(8.25));
    setClientSize(11115, 4725);
    SetBackColor(client(), Qt::white);
    createControls();
    setTabOrder();

    connect(cmdClose, &QPushButton::clicked, this, &frmTellAFriend::cmdClose_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmTellAFriend::cmdSubmit_Click);
    connect(Check1, &QCheckBox::toggled, this, &frmTellAFriend::Check1_Click);
    connect(findChild<LinkLabel*>(QStringLiteral("lblGoToHome")), &LinkLabel::Click, this,
            &frmTellAFriend::lblGoToHome_Click);
}

void frmTellAFriend::createControls()
{
    QWidget* form = client();

    QLabel* Picture1 = PictureBox(form, QStringLiteral("Picture1"));
    Picture1->setPixmap(ApplicationIconPixmap(32));
    Place(Picture1, 360, 120, 540, 540);

    auto* Label1 = new Label(form, QStringLiteral("Label1"), Label::FixedSize);
    Label1->setFont(MSSansSerif(18));
    Label1->setCaption(mod_All::ProgramCaption);
    Label1->placeAt(1080, 240, 4245, 435);

    Label2 = new Label(form, QStringLiteral("Label2"), Label::FixedSize);
    Label2->setFont(Verdana(9.75, true));
    Label2->placeAt(120, 840, 6975, 1095);

    Check1 = new QCheckBox(QStringLiteral("Click Here To Visit ") + site::WebHost + QStringLiteral(" Now"), form);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(Verdana(14.25));
    Check1->setCursor(Qt::PointingHandCursor);
    SetForeColor(Check1, LinkBlue);
    Place(Check1, 30, 2040, 7185, 555);

    cmdClose = Button(form, QStringLiteral("cmdClose"), QStringLiteral("E&xit"));
    Place(cmdClose, 6000, 2760, 1245, 375);

    createReferPanel();
    createSoftwaresPanel();

    // Three buttons below the client area that are never shown and do nothing.
    const int lefts[] = {30, 2955, 5880};
    for (int index = 0; index < 3; ++index) {
        QPushButton* cmdExit = Button(form, QStringLiteral("cmdExit"), QStringLiteral("Exit"));
        cmdExit->setProperty("Index", index);
        Place(cmdExit, lefts[index], 6540, 1335, 315);
        cmdExit->hide();
    }
}

void frmTellAFriend::createReferPanel()
{
    QGroupBox* Frame2 = Panel(client(), QStringLiteral("Frame2"), QStringLiteral("Refer A Friend"));
    PaintPanel(Frame2);
    Place(Frame2, 120, 3240, 7065, 1455);

    const struct
    {
        QWidget** box;
        const char* name;
        const QString& placeholder;
        int left, top, width, height;
        TextBoxKind kind;
    } boxes[] = {
        {&txtName, "txtName", modTellAFriend::Placeholder::YourName, 85, 360, 3375, 285, TextBoxKind::SingleLine},
        {&txtEmail, "txtEmail", modTellAFriend::Placeholder::YourEmail, 3600, 360, 3375, 285, TextBoxKind::SingleLine},
        {&txtFriendName, "txtFriendName", modTellAFriend::Placeholder::FriendName, 85, 720, 3375, 285, TextBoxKind::SingleLine},
        {&txtFriendEmail, "txtFriendEmail", modTellAFriend::Placeholder::FriendEmail, 3600, 720, 3375, 285, TextBoxKind::SingleLine},
        // Below the panel's lower edge, so the panel hides it; Tab still reaches it.
        {&txtMessage, "txtMessage", modTellAFriend::Placeholder::YourMessage, 4800, 3600, 1815, 495, TextBoxKind::MultiLine},
    };
    for (const auto& row : boxes) {
        QWidget* box = TextBox(Frame2, QLatin1String(row.name), row.kind, false, false);
        box->setFont(font());
        Place(box, row.left, row.top, row.width, row.height);
        m_placeholders.insert(box, row.placeholder);
        box->installEventFilter(this);
        *row.box = box;
    }
    for (QWidget* box : {txtName, txtEmail, txtFriendName, txtFriendEmail})
        SetTextOf(box, m_placeholders.value(box));
    SetTextOf(txtMessage, m_placeholders.value(txtMessage) + CrLf);

    cmdSubmit = Button(Frame2, QStringLiteral("cmdSubmit"), QStringLiteral("Refer A Friend &Now"));
    cmdSubmit->setFont(Verdana(8.25, true));
    Place(cmdSubmit, 1920, 1080, 3375, 285);
}

void frmTellAFriend::createSoftwaresPanel()
{
    QGroupBox* Frame6 = Panel(client(), QStringLiteral("Frame6"), QStringLiteral("Download Tessaly Softwares"));
    PaintPanel(Frame6);
    Place(Frame6, 7320, 120, 3735, 4575);

    auto* Label3 = new Label(Frame6, QStringLiteral("Label3"), Label::FixedSize);
    Label3->setFont(Verdana(9));
    SetForeColor(Label3, Qt::white);
    Label3->setCaption(SoftwaresText);
    Label3->placeAt(120, 360, 3495, 3855);

    // On one line, as wide as its text, so that the link is never cut in two.
    auto* lblGoToHome = new LinkLabel(Frame6, QStringLiteral("lblGoToHome"), Label::AutoSize);
    lblGoToHome->setFont(Verdana(9, true, true));
    SetForeColor(lblGoToHome, Yellow);
    lblGoToHome->setCaption(QStringLiteral("Click Here To Visit Tessaly Softwares"));
    lblGoToHome->placeAt(75, 4250);
}

void frmTellAFriend::setTabOrder()
{
    // The controls that can take the focus, by their tab index; Exit comes first and has the
    // focus when the window opens, so every placeholder stays in place.
    const QList<QWidget*> order = {cmdClose, Check1, findChild<QWidget*>(QStringLiteral("Picture1")),
                                   txtName, cmdSubmit, txtEmail, txtFriendEmail, txtFriendName, txtMessage};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    cmdClose->setFocus();
}

void frmTellAFriend::Form_Load()
{
    Runtime& runtime = Runtime::instance();
    runtime.Randomize();
    const int n = static_cast<int>(double(runtime.Rnd()) * 4);
    Label2->setCaption(SupportTexts[qBound(0, n, 3)].arg(site::SiteName));
    // Above every other window for as long as it is open.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void frmTellAFriend::Form_Unload(int& Cancel)
{
    Q_UNUSED(Cancel);
    mod_Help::CloseAllAndEnd();
}

void frmTellAFriend::cmdClose_Click()
{
    mod_Help::CloseAllAndEnd();
}

void frmTellAFriend::Check1_Click()
{
    // Unticking runs this again, and finds nothing to do: every click opens the page once.
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    mod_Help::GoToHomePage();
}

void frmTellAFriend::lblGoToHome_Click()
{
    mod_Help::GoToSoftwaresPage();
}

void frmTellAFriend::cmdSubmit_Click()
{
    using namespace modTellAFriend;
    YourName = Trim(TextOf(txtName));
    YourEmail = Trim(TextOf(txtEmail));
    YourMessage = Trim(TextOf(txtMessage));
    FriendName = Trim(TextOf(txtFriendName));
    FriendEmail = Trim(TextOf(txtFriendEmail));

    if (YourEmail == FriendEmail) {
        MsgBox::Show(QStringLiteral("Please Enter Distinct Email Addresses"), MsgBox::vbCritical);
        return;
    }
    for (const QString& address : {YourEmail, FriendEmail}) {
        if (!address.contains(QLatin1Char('@')) || !address.contains(QLatin1Char('.'))) {
            MsgBox::Show(QStringLiteral("Please Enter Proper Email Address"), MsgBox::vbCritical);
            return;
        }
    }
    TellAFriend_Submit();
}

void frmTellAFriend::Box_GotFocus(QWidget* box)
{
    if (Trim(TextOf(box)) == m_placeholders.value(box))
        SetTextOf(box, QString());
}

void frmTellAFriend::Box_LostFocus(QWidget* box)
{
    if (Trim(TextOf(box)).isEmpty())
        SetTextOf(box, m_placeholders.value(box));
}

void frmTellAFriend::EmailBox_RefuseBlank(QWidget* box)
{
    MsgBox::Show(QStringLiteral("Email Address Cannot Contain Space"), MsgBox::vbCritical);
    box->setFocus();
}

bool frmTellAFriend::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (MovedWithinTheWindow(event))
            Box_GotFocus(box);
        break;
    case QEvent::FocusOut:
        if (MovedWithinTheWindow(event))
            Box_LostFocus(box);
        break;
    case QEvent::KeyPress:
        // A typed blank is refused; pasted text is not looked at.
        if ((box == txtEmail || box == txtFriendEmail)
            && static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ")) {
            EmailBox_RefuseBlank(box);
            return true;
        }
        break;
    default:
        break;
    }
    return Form::eventFilter(watched, event);
}
