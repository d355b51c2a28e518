#include "main_window/frmMain.h"

#include "app/mod_All.h"
#include "app/mod_Help.h"
#include "app/site.h"
#include "main_window/frmAbout.h"
#include "platform/Text.h"
#include "refer_friend/frmTellAFriend.h"
#include "report/frmSave.h"
#include "signs/zodiac.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace platform;

namespace {

// Until a sign is chosen, the captions that name one name the first sign of the zodiac.
const QString& FirstSign() { return Zodiac.front().name; }

// Texts that name the chosen sign.
QString FamilyCaption(const QString& sign) { return sign + QStringLiteral(" As Family"); }
QString DailyHoroscopeCaption(const QString& sign) { return QStringLiteral("Daily ") + sign + QStringLiteral(" Horoscope"); }
QString ForumCaption(const QString& sign) { return QStringLiteral("Visit ") + sign + QStringLiteral(" Discussion Forum Now"); }
QString DailyLinkCaption(const QString& sign) { return QStringLiteral("Click Here to see Daily ") + sign + QStringLiteral(" Horoscope"); }
QString RoleCaption(const QString& sign, const char* role) { return QStringLiteral("The ") + sign + QLatin1Char(' ') + QLatin1String(role); }

// The topic list: entry i brings the panel Frame(i+1) to the front and is that panel's caption.
// Entry 7 names the chosen sign and is set with it.
const int TopicCount = 16;
const char* const TopicEntries[TopicCount] = {
    "Planets Associated", "Lucky Charm", "General Traits", "Positive Traits", "Negative Traits",
    "Friendship Traits", "Compatibility Traits", nullptr, "Common Profession", "Health Concern",
    "Financial Habits", "Fashion Style", "Travel Habits", "Love And Romance",
    "Famous Personalities", "Update",
};
const int FamilyEntry = 7;
// All sixteen panels lie on one rectangle, below the second row of attributes (which ends at
// 3060) and above the offer strip (which starts at 6885), so that no panel hides the symbol and
// the birth dates, and none shows through behind another.
const int PanelTop = 3180;
const int UpdateEntry = 15;

// Panels that hold one text box: the box of each, by entry.
struct TopicBox
{
    int entry;
    const char* box;
    int height;
};
const TopicBox TopicBoxes[] = {
    {2, "txtGeneralTraits", 3150}, {3, "txtPositiveTraits", 3150},
    {4, "txtNegativeTraits", 3105}, {5, "txtFriendshipTraits", 3105},
    {6, "txtCompatibilityTraits", 3105}, {8, "txtCommonProfessions", 3105},
    {9, "txtHealthConcerns", 3105}, {10, "txtFinancialHabits", 3105},
    {11, "txtFashionStyle", 3105}, {12, "txtTravel", 3105},
    {13, "txtLoveAndRomance", 3105}, {14, "txtFamous", 3105},
};

// Labelled boxes: a label with its tooltip, and the box it names.
struct LabelledBox
{
    int entry; // the panel; -1 for the window itself
    const char* label;
    const char* caption;
    int labelLeft, labelTop;
    const char* tooltip;
    const char* box;
    int left, top, width, height;
    TextBoxKind kind;
};
const LabelledBox LabelledBoxes[] = {
    {-1, "Label5", "Zodiac Quality", 2880, 2070, "This signifies the attitude of the people under this sign.",
     "txtZodiacQuality", 2910, 2280, 2310, 285, TextBoxKind::SingleLine},
    {-1, "Label4", "Zodiac Element", 5640, 2070, "This describes the human characteristics of this sign.",
     "txtZodiacElement", 5670, 2280, 2310, 285, TextBoxKind::SingleLine},
    {-1, "Label3", "Zodiac Symbol", 2880, 2580, "This signifies the symbol that represents this sign.",
     "txtZodiacSymbol", 2910, 2775, 2310, 285, TextBoxKind::SingleLine},
    {-1, "Label2", "Birth Dates", 5640, 2580, "This gives the date period for this sun sign.",
     "txtBirthDates", 5670, 2775, 2310, 285, TextBoxKind::MultiLine},
    {0, "Label6", "Domicile Planet", 240, 1245, "This signifies the planet that exercises a powerful energy on the sign.",
     "txtDomicilePlanet", 1920, 1200, 3855, 285, TextBoxKind::SingleLine},
    {0, "Label7", "Detriment Planet", 240, 1725, "This signifies the planet that is unfavorable for this sign.",
     "txtDetrimentPlanet", 1920, 1680, 3855, 285, TextBoxKind::SingleLine},
    {0, "Label8", "Exaltation Planet", 240, 2205, "This signifies the planet that interacts well with this sign.",
     "txtExaltationPlanet", 1920, 2160, 3855, 285, TextBoxKind::SingleLine},
    {1, "Label9", "Birth Stone", 120, 885, "This signifies the birth gemstones for people born under this sign.",
     "txtBirthstone", 1800, 840, 3975, 285, TextBoxKind::SingleLine},
    {1, "Label10", "Lucky Colors", 120, 1245, "This signifies the lucky colors for people born under this sign.",
     "txtLuckyColors", 1800, 1200, 3975, 285, TextBoxKind::SingleLine},
    {1, "Label11", "Lucky Numbers", 120, 1605, "This signifies the lucky numbers for people born under this sign.",
     "txtLuckyNumbers", 1800, 1560, 3975, 285, TextBoxKind::SingleLine},
    {1, "Label12", "Lucky Day", 120, 1965, "This signifies the lucky days for people born under this sign.",
     "txtLuckyDay", 1800, 1920, 3975, 285, TextBoxKind::SingleLine},
    {1, "Label13", "Lucky Gemstones", 120, 2325, "This signifies the lucky gemstones for people born under this sign.",
     "txtLuckyGemstones", 1800, 2280, 3975, 285, TextBoxKind::SingleLine},
    {1, "Label14", "Lucky Metals", 120, 2685, "This signifies the lucky metals to be used for people born under this sign.",
     "txtLuckyMetals", 1800, 2640, 3975, 285, TextBoxKind::SingleLine},
    {FamilyEntry, "lblMother", "The Aries Mother", 240, 360, "This tells us more about the person as a mother.",
     "txtMother", 240, 600, 5535, 750, TextBoxKind::MultiLine},
    {FamilyEntry, "lblFather", "The Aries Father", 240, 1440, "This tells us more about the person as a father.",
     "txtFather", 240, 1680, 5535, 750, TextBoxKind::MultiLine},
    {FamilyEntry, "lblChild", "The Aries Child", 240, 2520, "This tells us more about the person as a child.",
     "txtChild", 240, 2760, 5535, 750, TextBoxKind::MultiLine},
};

// The boxes that show the chosen sign's record, in the record's field order.
struct FieldBox
{
    QString SignData::*field;
    const char* box;
};
const FieldBox FieldBoxes[] = {
    {&SignData::BirthDates, "txtBirthDates"},
    {&SignData::ZodiacSymbol, "txtZodiacSymbol"},
    {&SignData::ZodiacElement, "txtZodiacElement"},
    {&SignData::ZodiacQuality, "txtZodiacQuality"},
    {&SignData::DomicilePlanet, "txtDomicilePlanet"},
    {&SignData::DetrimentPlanet, "txtDetrimentPlanet"},
    {&SignData::ExaltationPlanet, "txtExaltationPlanet"},
    {&SignData::Birthstone, "txtBirthstone"},
    {&SignData::LuckyColors, "txtLuckyColors"},
    {&SignData::LuckyNumbers, "txtLuckyNumbers"},
    {&SignData::LuckyDay, "txtLuckyDay"},
    {&SignData::LuckyGemstones, "txtLuckyGemstones"},
    {&SignData::LuckyMetals, "txtLuckyMetals"},
    {&SignData::Famous, "txtFamous"},
    {&SignData::GeneralTraits, "txtGeneralTraits"},
    {&SignData::PositiveTraits, "txtPositiveTraits"},
    {&SignData::NegativeTraits, "txtNegativeTraits"},
    {&SignData::FriendshipTraits, "txtFriendshipTraits"},
    {&SignData::CompatibilityTraits, "txtCompatibilityTraits"},
    {&SignData::Mother, "txtMother"},
    {&SignData::Father, "txtFather"},
    {&SignData::Child, "txtChild"},
    {&SignData::CommonProfessions, "txtCommonProfessions"},
    {&SignData::HealthConcerns, "txtHealthConcerns"},
    {&SignData::FinancialHabits, "txtFinancialHabits"},
    {&SignData::FashionStyle, "txtFashionStyle"},
    {&SignData::Travel, "txtTravel"},
    {&SignData::LoveAndRomance, "txtLoveAndRomance"},
};

// The order in which Tab moves the focus, whichever panel is in front.
const char* const TabOrder[] = {
    "txtExaltationPlanet", "txtDetrimentPlanet", "txtDomicilePlanet", "txtLuckyMetals",
    "txtLuckyGemstones", "txtLuckyDay", "txtLuckyNumbers", "txtLuckyColors", "txtBirthstone",
    "txtGeneralTraits", "txtPositiveTraits", "txtNegativeTraits", "txtFriendshipTraits",
    "txtCompatibilityTraits", "txtMother", "txtFather", "txtChild", "txtCommonProfessions",
    "txtHealthConcerns", "txtFinancialHabits", "txtFashionStyle", "txtTravel", "txtFamous",
    "lstOptions", "picZodiac", "txtZodiacQuality", "txtZodiacSymbol", "txtZodiacElement",
    "txtBirthDates", "txtLoveAndRomance", "cmdSave", "cboSign",
};

const QString CobrandCaption = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on co-branding.");
const QString UpdateInfoCaption = QStringLiteral(
    "Get the latest updated news and information on your sun sign. Know more about people's views "
    "and opinions and what they think about your sun sign.");
const QString DailyHoroscopeText = QStringLiteral(
    "Get your daily sun sign horoscope. This is absolutely free and completely true. Start each "
    "new day with a look at your daily horoscope. This not only makes you aware of how good your "
    "day will be but also prepares you for the worst. Take this knowledge in your stride and have "
    "a great day! ");

// A menu of the menu bar; its entry on the bar carries its name too.
QMenu* Menu(QMenuBar* bar, const char* caption, const char* name)
{
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

// A command, in a menu or on the menu bar itself.
QAction* Command(QWidget* menu, const char* caption, const char* name, frmMain* window, void (frmMain::*click)())
{
    auto* action = new QAction(QString::fromLatin1(caption), menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    QObject::connect(action, &QAction::triggered, window, click);
    return action;
}

void Separator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

frmMain::frmMain()
    : imgPics(ImageList::instance())
    , m_fieldBoxes(int(std::size(FieldBoxes)), nullptr)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(mod_All::ProgramCaption);
    setFont(Verdana(8.25));
    setClientSize(8565, 8040);
    createMenus();
    createControls();
    setTabOrder();
    // The first control of the order has the focus when the window is first shown.
    findChild<QWidget*>(QLatin1String(TabOrder[0]))->setFocus();
}

void frmMain::createControls()
{
    QWidget* form = client();

    // Labels first, then the boxes: everything made later is drawn in front, and the panels
    // must cover the labels and boxes that lie within their rectangle.
    for (const LabelledBox& row : LabelledBoxes) {
        if (row.entry != -1)
            continue;
        auto* label = new Label(form, row.label);
        label->setCaption(row.caption);
        label->setToolTip(row.tooltip);
        label->placeAt(row.labelLeft, row.labelTop);
    }
    lblZodiacSignName = new Label(form, QStringLiteral("lblZodiacSignName"));
    lblZodiacSignName->setFont(Verdana(9.75, true));
    lblZodiacSignName->setAlignment(Qt::AlignCenter);
    lblZodiacSignName->placeAt(4440, 4800);
    for (const LabelledBox& row : LabelledBoxes) {
        if (row.entry != -1)
            continue;
        Place(FieldTextBox(form, row.box, row.kind), row.left, row.top, row.width, row.height);
    }

    picZodiac = PictureBox(form, QStringLiteral("picZodiac"));
    Place(picZodiac, 120, 600, 2310, 3720);
    lstOptions = ListBox(form, QStringLiteral("lstOptions"), true);
    Place(lstOptions, 120, 4425, 2295, 2955);
    cmdSave = Button(form, QStringLiteral("cmdSave"), QStringLiteral("&Save"));
    Place(cmdSave, 120, 7410, 2295, 375);

    QFrame* Frame19 = PlainPanel(form, QStringLiteral("Frame19"), Orange);
    Place(Frame19, 2520, 615, 6000, 585);
    Label61 = new LinkLabel(Frame19, QStringLiteral("Label61"));
    Label61->setCaption(QStringLiteral("Online Tessaly Discussion Board. Best Resource For Everything Tessaly. Visit ")
                        + site::SiteName);
    Label61->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label61->setFont(Verdana(8.25, true, true));
    SetForeColor(Label61, DarkBlue);
    Label61->placeAt(0, 90, 6000, 390);

    QFrame* Frame17 = FlatPanel(form, QStringLiteral("Frame17"));
    Place(Frame17, 2520, 1320, 6000, 615);
    auto* Label15 = new Label(Frame17, QStringLiteral("Label15"));
    Label15->setFont(Verdana(9.75, true));
    SetForeColor(Label15, Navy);
    Label15->setCaption(QStringLiteral("Select Your Zodiac Sign"));
    Label15->placeAt(360, 210);
    cboSign = new ComboBox(Frame17, QStringLiteral("cboSign"));
    cboSign->setFont(Verdana(9.75, true));
    cboSign->SetColors(Qt::white, Navy);
    Place(cboSign, 3120, 150, 2310, 360);

    Frame.append(createTopicPanel(0)); // the panel in front when the window opens

    QGroupBox* fraFullBrand = Panel(form, QStringLiteral("fraFullBrand"), QString());
    Place(fraFullBrand, 2520, 6885, 6000, 1095);
    // The two offers share one rectangle and each hides the other (they paint their own
    // background); the one made last, the full-brand offer, is in front.
    lblCobrand = new LinkLabel(fraFullBrand, QStringLiteral("lblCobrand"));
    lblCobrand->setCaption(CobrandCaption);
    lblFullBrand = new LinkLabel(fraFullBrand, QStringLiteral("lblFullBrand"));
    lblFullBrand->setCaption(mod_All::FullBrandOffer);
    for (LinkLabel* offer : {lblCobrand, lblFullBrand}) {
        offer->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        offer->setFont(Verdana(8.25, true, true));
        offer->setAutoFillBackground(true);
        SetForeColor(offer, Blue);
        offer->placeAt(120, 165, 5745, 855);
    }

    connect(cboSign, &ComboBox::Click, this, &frmMain::cboSign_Click);
    connect(lstOptions, &QListWidget::currentRowChanged, this, &frmMain::lstOptions_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(Label61, &LinkLabel::Click, this, &frmMain::Label61_Click);
    connect(lblCobrand, &LinkLabel::Click, this, &frmMain::lblCobrand_Click);
    connect(lblFullBrand, &LinkLabel::Click, this, &frmMain::lblFullBrand_Click);
}

// The menu bar lies above the client area, which keeps its size: the window grows by the bar.
void frmMain::createMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* mnuPopUp = Menu(bar, "PopUp", "mnuPopUp");
    Command(mnuPopUp, "Update", "mnuUpd", this, &frmMain::mnuUpd_Click);
    Command(mnuPopUp, "Show", "mnuShow", this, &frmMain::mnuShow_Click);
    Command(mnuPopUp, "Exit", "mnuExit", this, &frmMain::mnuExit_Click);
    mnuPopUp->menuAction()->setVisible(false);

    QMenu* mnuHelp = Menu(bar, "&Help", "mnuHelp");
    Command(mnuHelp, "&Online Help", "mnuOnline", this, &frmMain::mnuOnline_Click);
    Command(mnuHelp, "&Visit Us Online", "mnuVisit", this, &frmMain::mnuVisit_Click);
    Separator(mnuHelp, "mnuHelp1");
    Command(mnuHelp, "Check for Software &Update", "mnuUpdate", this, &frmMain::mnuUpdate_Click);
    Separator(mnuHelp, "mnuHelp2");
    Command(mnuHelp, "&About Software", "mnuAbout", this, &frmMain::mnuAbout_Click);

    Command(bar, "&Donate", "mnuDonate", this, &frmMain::mnuDonate_Click);
    Command(bar, "Make Money &Online", "mnuMakeMoney", this, &frmMain::mnuMakeMoney_Click)->setVisible(false);
}

// Makes the topic panel of list entry `entry`, with what it holds, on the panels' rectangle.
QGroupBox* frmMain::createTopicPanel(int entry)
{
    const char* caption = TopicEntries[entry]; // none for the family panel: it names the sign
    QGroupBox* panel = Panel(client(), QStringLiteral("Frame%1").arg(entry + 1),
                             caption ? QString::fromLatin1(caption) : QString());
    panel->setFont(Verdana(8.25, true));
    Place(panel, 2520, PanelTop, 6000, 3705);

    for (const TopicBox& topic : TopicBoxes) {
        if (topic.entry != entry)
            continue;
        QWidget* box = FieldTextBox(panel, topic.box, TextBoxKind::MultiLine);
        box->setFont(font());
        Place(box, 240, 360, 5500, topic.height);
    }
    for (const LabelledBox& row : LabelledBoxes) {
        if (row.entry != entry)
            continue;
        auto* label = new Label(panel, row.label);
        label->setFont(font());
        label->setCaption(row.caption);
        label->setToolTip(row.tooltip);
        label->placeAt(row.labelLeft, row.labelTop);
        QWidget* box = FieldTextBox(panel, row.box, row.kind);
        box->setFont(font());
        Place(box, row.left, row.top, row.width, row.height);
    }
    if (entry == FamilyEntry) {
        lblMother = panel->findChild<Label*>(QStringLiteral("lblMother"));
        lblFather = panel->findChild<Label*>(QStringLiteral("lblFather"));
        lblChild = panel->findChild<Label*>(QStringLiteral("lblChild"));
    }
    if (entry == UpdateEntry)
        createUpdatePanel(panel);
    return panel;
}

void frmMain::createUpdatePanel(QWidget* panel)
{
    QGroupBox* Frame18 = Panel(panel, QStringLiteral("Frame18"), QStringLiteral("New Updated Information"));
    Frame18->setFont(font());
    Place(Frame18, 240, 360, 2655, 3135);
    auto* lblUpdateInfo = new Label(Frame18, QStringLiteral("lblUpdateInfo"), Label::GrowsDown);
    lblUpdateInfo->placeAt(120, 240, 2490, 0);
    lblUpdateInfo->setCaption(UpdateInfoCaption);
    lblForum = new LinkLabel(Frame18, QStringLiteral("lblForum"));
    lblForum->placeAt(45, 1920, 2415, 375);
    lblAstrology = new LinkLabel(Frame18, QStringLiteral("lblAstrology"));
    lblAstrology->setCaption(QStringLiteral("Visit Latest Updated Information of Zodiac Sign @ ") + site::SiteName);
    lblAstrology->placeAt(45, 2400, 2550, 615);

    Frame21 = Panel(panel, QStringLiteral("Frame21"), QString());
    Frame21->setFont(font());
    Place(Frame21, 3120, 360, 2655, 3135);
    auto* lblDailyHoroscope = new Label(Frame21, QStringLiteral("lblDailyHoroscope"), Label::GrowsDown);
    lblDailyHoroscope->placeAt(120, 240, 2445, 0);
    lblDailyHoroscope->setCaption(DailyHoroscopeText);
    lblDaily = new LinkLabel(Frame21, QStringLiteral("lblDaily"));
    lblDaily->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDaily->placeAt(240, 2640, 2175, 375);

    for (LinkLabel* link : {lblForum, lblAstrology, lblDaily})
        SetForeColor(link, Blue);
    connect(lblAstrology, &LinkLabel::Click, this, &frmMain::lblAstrology_Click);
    connect(lblDaily, &LinkLabel::Click, this, &frmMain::lblDaily_Click);
    connect(lblForum, &LinkLabel::Click, this, &frmMain::lblForum_Click);
}

// The panels behind the one in front cannot be seen until a topic brings one forward, so they
// are made once the window has first been painted, or before if a topic or the Tab key needs
// them. They go behind the one in front, the only one made before them, and show the sign shown.
void frmMain::createPanelsBehind()
{
    if (Frame.size() == TopicCount)
        return;
    for (int entry = Frame.size(); entry < TopicCount; ++entry) {
        QGroupBox* panel = createTopicPanel(entry);
        panel->stackUnder(Frame[0]);
        panel->show();
        Frame.append(panel);
    }
    const QString& sign = m_shownSign ? m_shownSign->name : FirstSign();
    ShowFamilyCaptions(sign);
    ShowUpdateCaptions(sign);
    setTabOrder();
}

void frmMain::setVisible(bool visible)
{
    Form::setVisible(visible);
    if (visible && Frame.size() < TopicCount)
        AfterFirstPaint(this, [this] { createPanelsBehind(); });
}

// Tab visits the boxes on the panels behind too.
bool frmMain::focusNextPrevChild(bool next)
{
    createPanelsBehind();
    return Form::focusNextPrevChild(next);
}

// Makes the box of one of the record's fields; it shows that field of the sign shown, if any.
QWidget* frmMain::FieldTextBox(QWidget* parent, const char* name, TextBoxKind kind)
{
    QWidget* box = TextBox(parent, QLatin1String(name), kind, true, true);
    for (int i = 0; i < m_fieldBoxes.size(); ++i) {
        if (qstrcmp(FieldBoxes[i].box, name) != 0)
            continue;
        m_fieldBoxes[i] = box;
        if (m_shownSign)
            SetTextOf(box, m_shownSign->record->*FieldBoxes[i].field);
    }
    return box;
}

void frmMain::setTabOrder()
{
    QWidget* previous = nullptr;
    for (const char* name : TabOrder) {
        QWidget* control = findChild<QWidget*>(QLatin1String(name));
        if (!control)
            continue; // on a panel not made yet
        control->setFocusPolicy(control == picZodiac ? Qt::StrongFocus : control->focusPolicy());
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void frmMain::Form_Load()
{
    for (const ZodiacSign& sign : Zodiac)
        cboSign->AddItem(sign.name);
    for (int entry = 0; entry < 16; ++entry) {
        lstOptions->addItem(entry == FamilyEntry ? FamilyCaption(FirstSign())
                                                 : QString::fromLatin1(TopicEntries[entry]));
    }
    BringToFront(Frame[0]);
    ShowUpdateCaptions(FirstSign());
    ShowPicture(2);
    lstOptions->setCurrentRow(0);
    cboSign->setCurrentIndex(0);
}

void frmMain::Form_Unload(int& Cancel)
{
    Q_UNUSED(Cancel);
    // The main window always closes; the program goes on with the refer-a-friend window, and
    // ends when that one is closed.
    frmTellAFriend& last = form<frmTellAFriend>();
    last.show();
    last.activateWindow();
}

void frmMain::lstOptions_Click()
{
    const int index = lstOptions->currentRow();
    if (index < 0 || index >= TopicCount)
        return;
    if (index >= Frame.size())
        createPanelsBehind();
    BringToFront(Frame[index]);
}

void frmMain::cboSign_Click()
{
    mod_All::SelectedSign = Trim(cboSign->currentText());
    const ZodiacSign* sign = FindSign(mod_All::SelectedSign);
    if (!sign)
        return;
    const QString& name = sign->name;

    ShowFamilyCaptions(name);
    if (QListWidgetItem* family = lstOptions->item(FamilyEntry))
        family->setText(FamilyCaption(name));
    ShowUpdateCaptions(name);
    ShowPicture(sign->pictureNumber);
    sign->load();
    m_shownSign = sign;
    lblZodiacSignName->setCaption(name);
    for (int i = 0; i < m_fieldBoxes.size(); ++i) {
        if (QWidget* box = m_fieldBoxes[i])
            SetTextOf(box, sign->record->*FieldBoxes[i].field);
    }
}

// The family panel names the sign in its caption and in its three labels, once it is made.
void frmMain::ShowFamilyCaptions(const QString& sign)
{
    if (!lblMother)
        return;
    Frame[FamilyEntry]->setTitle(FamilyCaption(sign));
    lblMother->setCaption(RoleCaption(sign, "Mother"));
    lblFather->setCaption(RoleCaption(sign, "Father"));
    lblChild->setCaption(RoleCaption(sign, "Child"));
}

// The update panel's daily horoscope and forum name the sign, once the panel is made.
void frmMain::ShowUpdateCaptions(const QString& sign)
{
    if (!Frame21)
        return;
    Frame21->setTitle(DailyHoroscopeCaption(sign));
    lblForum->setCaption(ForumCaption(sign));
    lblDaily->setCaption(DailyLinkCaption(sign));
}

// The report of the chosen sign, composed afresh; returns once the report window has closed.
void frmMain::cmdSave_Click()
{
    form<frmSave>().ShowModal();
}

void frmMain::Label61_Click() { mod_Help::GoToHomePage(); }
void frmMain::lblAstrology_Click() { mod_Help::GoToHelpPage(); }
void frmMain::lblCobrand_Click() { mod_Help::GoToCoBrandPage(); }
void frmMain::lblFullBrand_Click() { mod_Help::GoToFullBrandPage(); }
void frmMain::lblDaily_Click() { OpenSignPage(&ZodiacSign::dailyPage); }
void frmMain::lblForum_Click() { OpenSignPage(&ZodiacSign::forumPage); }

void frmMain::mnuOnline_Click() { mod_Help::GoToHelpPage(); }
void frmMain::mnuVisit_Click() { mod_Help::GoToHomePage(); }
void frmMain::mnuUpdate_Click() { mod_Help::GoToDownloadPage(); }
void frmMain::mnuDonate_Click() { mod_Help::GoToDonatePage(); }
void frmMain::mnuMakeMoney_Click() { mod_Help::GoToFullBrandPage(); }
void frmMain::mnuUpd_Click() { mod_Help::GoToDownloadPage(); }

void frmMain::mnuAbout_Click()
{
    form<frmAbout>().ShowModal();
}

void frmMain::mnuShow_Click()
{
    show();
    setWindowState(Qt::WindowNoState);
}

void frmMain::mnuExit_Click()
{
    Unload();
}

// Opens the chosen sign's page; a chosen name that is none of the twelve opens nothing.
void frmMain::OpenSignPage(QString ZodiacSign::*page)
{
    if (const ZodiacSign* sign = FindSign(mod_All::SelectedSign))
        mod_Help::OpenLink(mod_Help::WebAddress(sign->*page));
}

// Shows picture `number` of the sign pictures; when the list cannot give it, the box keeps the
// picture it had.
void frmMain::ShowPicture(int number)
{
    const QPixmap picture = imgPics.ListImage(number);
    if (!picture.isNull())
        picZodiac->setPixmap(picture);
}
