#include "PlainFirstScreen.h"

#include "app/mod_All.h"
#include "app/site.h"
#include "platform/Twips.h"
#include "signs/zodiac.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Positions are given in twips, as in the main window's layout; only the arithmetic is shared.
void Place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(platform::twipsRect(left, top, width, height));
}

QFont Verdana(double points, bool bold = false, bool underline = false)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void SetTextColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    control->setPalette(palette);
}

QLabel* AutoSizedLabel(const QString& text, QWidget* parent, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->move(platform::twips(left), platform::twips(top));
    label->adjustSize();
    return label;
}

// A link strip's label: centred, wrapped, bold and underlined.
QLabel* LinkLabel(const QString& text, QWidget* parent, const QColor& color)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFont(Verdana(8.25, true, true));
    SetTextColor(label, color);
    return label;
}

QLineEdit* LineBox(QWidget* parent, int left, int top, int width)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    Place(box, left, top, width, 285);
    return box;
}

QPlainTextEdit* TextBox(QWidget* parent, int left, int top, int width, int height)
{
    auto* box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Place(box, left, top, width, height);
    return box;
}

const char* const Topics[16] = {
    "Planets Associated", "Lucky Charm", "General Traits", "Positive Traits", "Negative Traits",
    "Friendship Traits", "Compatibility Traits", "Aries As Family", "Common Profession", "Health Concern",
    "Financial Habits", "Fashion Style", "Travel Habits", "Love And Romance", "Famous Personalities", "Update",
};
const int FamilyTopic = 7;

} // namespace

PlainFirstScreen::PlainFirstScreen(Front front)
{
    setWindowTitle(mod_All::ProgramCaption);
    setFont(Verdana(8.25));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("Check for Software &Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    menuBar()->addAction(QStringLiteral("&Donate"));

    auto* client = new QWidget(this);
    client->setFixedSize(platform::twips(8565), platform::twips(8040));
    setCentralWidget(client);
    addAttributes(client);

    m_picture = new QLabel(client);
    m_picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture->setLineWidth(2);
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(m_picture, 120, 600, 2310, 3720);
    m_topics = new QListWidget(client);
    m_topics->setFrameStyle(QFrame::Box | QFrame::Plain);
    for (const char* topic : Topics)
        m_topics->addItem(QString::fromLatin1(topic));
    m_topics->setCurrentRow(front == Front::PlanetsAssociated ? 0 : 6);
    Place(m_topics, 120, 4425, 2295, 2955);
    Place(new QPushButton(QStringLiteral("&Save"), client), 120, 7410, 2295, 375);

    addStrips(client);
    addFrontPanel(client, front);
}

void PlainFirstScreen::addAttributes(QWidget* client)
{
    AutoSizedLabel(QStringLiteral("Zodiac Quality"), client, 2880, 2070);
    AutoSizedLabel(QStringLiteral("Zodiac Element"), client, 5640, 2070);
    AutoSizedLabel(QStringLiteral("Zodiac Symbol"), client, 2880, 2580);
    AutoSizedLabel(QStringLiteral("Birth Dates"), client, 5640, 2580);
    m_lines = {LineBox(client, 2910, 2280, 2310), LineBox(client, 5670, 2280, 2310), LineBox(client, 2910, 2775, 2310)};
    m_lineFields = {&SignData::ZodiacQuality, &SignData::ZodiacElement, &SignData::ZodiacSymbol};
    m_texts = {TextBox(client, 5670, 2775, 2310, 285)};
    m_textFields = {&SignData::BirthDates};
}

void PlainFirstScreen::addStrips(QWidget* client)
{
    auto* siteStrip = new QFrame(client);
    siteStrip->setAutoFillBackground(true);
    QPalette orange = siteStrip->palette();
    orange.setColor(QPalette::Window, QColor(255, 128, 0));
    siteStrip->setPalette(orange);
    Place(siteStrip, 2520, 615, 6000, 585);
    Place(LinkLabel(QStringLiteral("Online Tessaly Discussion Board. Best Resource For Everything Tessaly. Visit ")
                        + site::SiteName,
                    siteStrip, QColor(0, 0, 64)),
          0, 90, 6000, 390);

    auto* chooser = new QFrame(client);
    chooser->setFrameStyle(QFrame::Box | QFrame::Plain);
    Place(chooser, 2520, 1320, 6000, 615);
    QLabel* prompt = AutoSizedLabel(QStringLiteral("Select Your Zodiac Sign"), chooser, 360, 210);
    prompt->setFont(Verdana(9.75, true));
    SetTextColor(prompt, QColor(0, 0, 128));
    prompt->adjustSize();
    m_signs = new QComboBox(chooser);
    m_signs->setFont(Verdana(9.75, true));
    // Navy on white, closed and open: the style's own look would shade the field.
    m_signs->setStyleSheet(QStringLiteral("QComboBox { background-color: #ffffff; color: #000080; border: 1px solid palette(dark);"
                                          " padding-left: 3px; } QComboBox QAbstractItemView { background-color: #ffffff; color: #000080; }"));
    for (const ZodiacSign& sign : Zodiac)
        m_signs->addItem(sign.name);
    Place(m_signs, 3120, 150, 2310, 360);

    auto* offerStrip = new QGroupBox(client);
    offerStrip->setAutoFillBackground(true);
    Place(offerStrip, 2520, 6885, 6000, 1095);
    QLabel* offer = LinkLabel(mod_All::FullBrandOffer, offerStrip, QColor(0, 0, 255));
    offer->setAutoFillBackground(true);
    Place(offer, 120, 165, 5745, 855);
}

void PlainFirstScreen::addFrontPanel(QWidget* client, Front front)
{
    auto* panel = new QGroupBox(QString::fromLatin1(Topics[front == Front::PlanetsAssociated ? 0 : 6]), client);
    panel->setAutoFillBackground(true);
    panel->setFont(Verdana(8.25, true));
    Place(panel, 2520, 3180, 6000, 3705);
    if (front == Front::CompatibilityTraits) {
        m_texts.push_back(TextBox(panel, 240, 360, 5500, 3105));
        m_texts.back()->setFont(font());
        m_textFields.push_back(&SignData::CompatibilityTraits);
        return;
    }
    const struct
    {
        const char* label;
        int top;
        QString SignData::*field;
    } planets[] = {{"Domicile Planet", 1200, &SignData::DomicilePlanet},
                   {"Detriment Planet", 1680, &SignData::DetrimentPlanet},
                   {"Exaltation Planet", 2160, &SignData::ExaltationPlanet}};
    for (const auto& planet : planets) {
        AutoSizedLabel(QString::fromLatin1(planet.label), panel, 240, planet.top + 45)->setFont(font());
        m_lines.push_back(LineBox(panel, 1920, planet.top, 3855));
        m_lines.back()->setFont(font());
        m_lineFields.push_back(planet.field);
    }
    m_lines.back()->setFocus(); // the first control of the window's Tab order
}

void PlainFirstScreen::showSign(const ZodiacSign& sign)
{
    sign.load();
    m_signs->setCurrentIndex(int(&sign - Zodiac.data()));
    m_topics->item(FamilyTopic)->setText(sign.name + QStringLiteral(" As Family"));
    QPixmap& picture = m_decoded[sign.pictureNumber];
    if (picture.isNull())
        picture = QPixmap(QStringLiteral(":/pictures/%1").arg(sign.pictureNumber), "png");
    m_picture->setPixmap(picture);
    for (size_t i = 0; i < m_lines.size(); ++i) {
        m_lines[i]->setText(sign.record->*m_lineFields[i]);
        m_lines[i]->setCursorPosition(0);
    }
    for (size_t i = 0; i < m_texts.size(); ++i)
        m_texts[i]->setPlainText(QString(sign.record->*m_textFields[i]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}
