#include "report/frmSave.h"

#include "app/mod_All.h"
#include "app/mod_Help.h"
#include "app/site.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "platform/QBColor.h"
#include "platform/Text.h"
#include "platform/Twips.h"
#include "report/mod_RTB.h"
#include "signs/zodiac.h"

#include <QDir>
#include <optional>

using namespace platform;

namespace {

// Entries of the 16-colour palette that the report uses.
enum ReportColour { Black = 0, Cyan = 3, Red = 4, Magenta = 5, SameColour = -1 };

// One piece of the report, inserted with one bold state and one colour: the sign's name, a
// text, a field of the sign's record (each where given, in this order), then line breaks.
struct Run
{
    bool bold;
    ReportColour colour; // SameColour: the colour of the run before goes on
    bool startsWithSign;
    const char* text;
    QString SignData::*field;
    int breaks;
};

Run Label(const char* text) { return {false, Red, false, text, nullptr, 0}; }
Run Value(QString SignData::*field, int breaks) { return {false, Black, false, nullptr, field, breaks}; }
Run Heading(const char* text) { return {true, Cyan, false, text, nullptr, 1}; }

// The report, from the title to the famous people.
const Run Runs[] = {
    {true, Magenta, true, nullptr, nullptr, 2},
    Label("Birth Dates: "), Value(&SignData::BirthDates, 1),
    Label("Zodiac Symbol: "), Value(&SignData::ZodiacSymbol, 1),
    Label("Zodiac Element: "), Value(&SignData::ZodiacElement, 1),
    Label("Zodiac Quality: "), Value(&SignData::ZodiacQuality, 2),
    Heading("Planets Associated"),
    Label("Domicile Planet: "), Value(&SignData::DomicilePlanet, 1),
    Label("Detriment Planet: "), Value(&SignData::DetrimentPlanet, 1),
    Label("Exaltation Planet: "), Value(&SignData::ExaltationPlanet, 2),
    Heading("Lucky Charm"),
    Label("Birth Stone: "), Value(&SignData::Birthstone, 1),
    Label("Lucky Colors: "), Value(&SignData::LuckyColors, 1),
    Label("Lucky Numbers: "), Value(&SignData::LuckyNumbers, 1),
    Label("Lucky Day: "), Value(&SignData::LuckyDay, 1),
    Label("Lucky Gemstones: "), Value(&SignData::LuckyGemstones, 1),
    Label("Lucky Metals: "), Value(&SignData::LuckyMetals, 2),
    Heading("General Traits"), Value(&SignData::GeneralTraits, 3),
    Heading("Positive Traits"), Value(&SignData::PositiveTraits, 3),
    Heading("Negative Traits"), Value(&SignData::NegativeTraits, 3),
    Heading("Friendship Traits"), Value(&SignData::FriendshipTraits, 3),
    Heading("Compatibility Traits"), Value(&SignData::CompatibilityTraits, 2),
    {true, Cyan, true, " As Family", nullptr, 1},
    {false, Black, true, " As Mother: ", &SignData::Mother, 1},
    {false, SameColour, true, " As Father: ", &SignData::Father, 1},
    {false, SameColour, true, " As Child: ", &SignData::Child, 2},
    Heading("Common Profession"), Value(&SignData::CommonProfessions, 2),
    Heading("Health Concern"), Value(&SignData::HealthConcerns, 2),
    Heading("Financial Habits"), Value(&SignData::FinancialHabits, 2),
    Heading("Fashion Style"), Value(&SignData::FashionStyle, 2),
    Heading("Travel Habits"), Value(&SignData::Travel, 2),
    Heading("Love And Romance"), Value(&SignData::LoveAndRomance, 2),
    Heading("Famous Personalities"), Value(&SignData::Famous, 2),
};

// A link label sized to its caption and centred where the layout puts it, whatever width the
// caption takes in the font the system has.
LinkLabel* CentredLink(QWidget* form, const QString& name, const QString& caption, int left, int top, int width)
{
    auto* link = new LinkLabel(form, name, Label::AutoSize);
    link->setFont(Verdana(8.25, false, true));
    SetForeColor(link, Blue);
    link->setCaption(caption);
    link->placeAt(left, top);
    link->move(twips(left + width / 2) - link->width() / 2, link->y());
    return link;
}

} // namespace

frmSave::frmSave()
{
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(mod_All::ProgramCaption);
    setFont(Verdana(8.25));
    setClientSize(7725, 7635);
    createControls();
}

void frmSave::createControls()
{
    QWidget* form = client();
    Label14 = CentredLink(form, QStringLiteral("Label14"),
                          QStringLiteral("The Most Popular Online Tessaly Discussion Board"), 1755, 0, 4200);
    Label3 = CentredLink(form, QStringLiteral("Label3"),
                         QStringLiteral("Click Here To Visit ") + site::WebHost + QStringLiteral(" Now"), 1867, 240, 3990);

    RTB = new RichTextBox(form, QStringLiteral("RTB"));
    RTB->setFont(Verdana(9.75));
    Place(RTB, 30, 480, 7665, 6135);

    cmdSave = Button(form, QStringLiteral("cmdSave"), QStringLiteral("&Save"));
    cmdSave->setFont(MSSansSerif(8.25));
    Place(cmdSave, 5400, 6660, 1125, 345);
    cmdPrint = Button(form, QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    Place(cmdPrint, 6555, 6660, 1125, 345);

    Label7 = new LinkLabel(form, QStringLiteral("Label7"), Label::FixedSize);
    Label7->setFont(Verdana(8.25, true, true));
    SetForeColor(Label7, Blue);
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label7->setCaption(mod_All::FullBrandOffer);
    Label7->placeAt(30, 7000, 7665, 675);

    setTabOrder(RTB, cmdPrint);
    setTabOrder(cmdPrint, cmdSave);
    RTB->setFocus();

    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(Label14, &LinkLabel::Click, this, &frmSave::Label14_Click);
    connect(Label3, &LinkLabel::Click, this, &frmSave::Label3_Click);
    connect(Label7, &LinkLabel::Click, this, &frmSave::Label7_Click);
}

void frmSave::Form_Load()
{
    // Links are on before the report is written, so that addresses in it become links.
    mod_RTB::EnableRichTextLinks(RTB, this);
    // No sign of that exact name: the report stays empty.
    if (const ZodiacSign* sign = FindSign(mod_All::SelectedSign))
        compose(*sign);
}

// Inserts the runs one after the other at the caret, which ends after the last of them. Bold is
// set only where it changes.
void frmSave::compose(const ZodiacSign& sign)
{
    std::optional<bool> bold;
    for (const Run& run : Runs) {
        if (bold != run.bold) {
            RTB->setSelBold(run.bold);
            bold = run.bold;
        }
        if (run.colour != SameColour)
            RTB->setSelColor(QBColor(run.colour));
        QString text = run.startsWithSign ? sign.name : QString();
        if (run.text)
            text += QLatin1String(run.text);
        if (run.field)
            text += sign.record->*run.field;
        RTB->setSelText(text + CrLf.repeated(run.breaks));
    }
}

void frmSave::cmdSave_Click()
{
    CD.Filter = QStringLiteral("Rich Text Format | *.rtf ");
    CD.FilterIndex = 2;
    // A name typed without extension gets the one of the file it is.
    CD.DefaultExt = QStringLiteral("rtf");
    CD.Flags = CommonDialog::cdlOFNOverwritePrompt | CommonDialog::cdlOFNHideReadOnly
        | CommonDialog::cdlOFNPathMustExist | CommonDialog::cdlOFNNoReadOnlyReturn;
    CD.DialogTitle = QStringLiteral("Save Your Rashi Details");
    CD.FileName.clear();
    if (!CommonDialog::instance().ShowSave(this, CD))
        return; // cancelled: nothing is written, nothing said
    // The file keeps whatever was there before when it cannot be written; the user is told.
    if (!RTB->SaveFile(CD.FileName, RichTextBox::rtfRTF)) {
        MsgBox::Show(QStringLiteral("The report could not be saved to ") + QDir::toNativeSeparators(CD.FileName)
                         + QLatin1Char('.'),
                     MsgBox::vbCritical);
    }
}

// Prints the whole report, with no dialog and no message, whatever is selected.
void frmSave::cmdPrint_Click()
{
    RTB->setSelLength(0);
    RTB->SelPrint(Printer::instance());
}

void frmSave::Label14_Click() { mod_Help::GoToHomePage(); }
void frmSave::Label3_Click() { mod_Help::GoToHomePage(); }
void frmSave::Label7_Click() { mod_Help::GoToFullBrandPage(); }
