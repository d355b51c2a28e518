#include "platform/Controls.h"

#include "platform/Text.h"
#include "platform/Twips.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcutEvent>
#include <QSignalBlocker>

#include <optional>
#include <utility>

namespace platform {

namespace {

// The text a caption shows: "&&" stands for "&", and a single "&" only marks the access key.
QString shownCaption(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown.append(caption[i]);
    }
    return shown;
}

// A single-line box with a flat one-pixel border instead of the style's sunken frame. Drawn by
// hand: a style sheet would do the same at a noticeable cost in start-up time.
class FlatLineEdit : public QLineEdit
{
public:
    explicit FlatLineEdit(QWidget* parent)
        : QLineEdit(parent)
    {
        setFrame(false);
        setTextMargins(2, 0, 2, 0);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLineEdit::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// Whether the widget lies wholly behind a later sibling of itself or of one of its ancestors
// that paints its own background, as the main window's topic panels lie behind the one in front.
bool IsCovered(const QWidget* widget)
{
    for (const QWidget* w = widget; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        const QObjectList& siblings = w->parentWidget()->children(); // in stacking order
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings[i]);
            if (above && !above->isWindow() && !above->isHidden() && above->autoFillBackground()
                && above->geometry().contains(w->geometry()))
                return true;
        }
    }
    return false;
}

// A multi-line box lays its text out for its width, a noticeable cost for a long text. A box
// that cannot be seen yet (its window not shown, or its panel behind another) keeps a text it
// is given aside, and gives that back, until it can be seen: when shown uncovered, brought to
// the front, focused or painted.
class MultiLineBox : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

    void setText(const QString& text)
    {
        m_waiting = text;
        if (isVisible() && !IsCovered(this))
            takeWaitingText();
    }
    QString text() const { return m_waiting ? *m_waiting : toPlainText(); }
    void takeWaitingText()
    {
        if (m_waiting)
            setPlainText(*std::exchange(m_waiting, std::nullopt));
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        if (!IsCovered(this))
            takeWaitingText();
        QPlainTextEdit::showEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override
    {
        takeWaitingText();
        QPlainTextEdit::focusInEvent(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        takeWaitingText(); // uncovered some other way than brought to the front
        QPlainTextEdit::paintEvent(event);
    }

private:
    std::optional<QString> m_waiting;
};

// A list that repaints only the entry whose text changed when the change moves nothing. Qt's own
// lays every entry out again and repaints them all.
class ListWidget : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) override
    {
        if (topLeft == bottomRight && StillFits(topLeft))
            QAbstractItemView::dataChanged(topLeft, bottomRight, roles); // repaints the entry
        else
            QListWidget::dataChanged(topLeft, bottomRight, roles);
    }

private:
    // Whether the entry keeps its height and stays within the width, which no entry overflows:
    // then no entry moves and the scroll bars stay as they are.
    bool StillFits(const QModelIndex& entry) const
    {
        const QSize wanted = sizeHintForIndex(entry);
        return horizontalScrollBar()->maximum() == 0 && wanted.height() == visualRect(entry).height()
            && wanted.width() <= viewport()->width();
    }
};

// A push button whose access key takes the focus and clicks it at once, as a click of the mouse
// does. Qt's own button shows itself pressed for a moment before it acts, and ignores its key
// pressed again meanwhile.
class PushButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Shortcut) {
            const auto* shortcut = static_cast<const QShortcutEvent*>(event);
            // An ambiguous key (two controls share it) only moves the focus, as Qt does.
            if (!shortcut->isAmbiguous() && shortcut->key() == QKeySequence::mnemonic(text())) {
                setFocus(Qt::ShortcutFocusReason); // as Qt's own button does: the box left ends its input
                click();
                return true;
            }
        }
        return QPushButton::event(event);
    }
};

QFont FontOf(const QString& family, double points, bool bold, bool underline)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

QFont Verdana(double points, bool bold, bool underline)
{
    return FontOf(QStringLiteral("Verdana"), points, bold, underline);
}

QFont MSSansSerif(double points, bool bold)
{
    return FontOf(QStringLiteral("MS Sans Serif"), points, bold, false);
}

void SetForeColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    control->setPalette(palette);
}

void SetBackColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void Place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(twipsRect(left, top, width, height));
}

Label::Label(QWidget* parent, const QString& name, Sizing sizing)
    : QLabel(parent)
    , m_sizing(sizing)
{
    setObjectName(name);
    setWordWrap(sizing != AutoSize);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setCaption(const QString& caption)
{
    m_caption = caption;
    setText(shownCaption(caption));
    fit();
}

void Label::placeAt(int left, int top, int width, int height)
{
    if (width > 0)
        Place(this, left, top, width, height);
    else
        move(twips(left), twips(top));
    fit();
}

void Label::fit()
{
    if (m_sizing == AutoSize)
        adjustSize();
    else if (m_sizing == GrowsDown)
        resize(width(), heightForWidth(width()));
}

LinkLabel::LinkLabel(QWidget* parent, const QString& name, Sizing sizing)
    : Label(parent, name, sizing)
{
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    Label::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    Label::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

ComboBox::ComboBox(QWidget* parent, const QString& name)
    : QComboBox(parent)
{
    setObjectName(name);
    setEditable(false);
    // A change of the selected entry, from code or by the user, runs Click once. The user's
    // choice is also signalled by activated, after the change: that one must not run Click
    // again, but a choice of the entry already shown changes nothing and runs Click only there.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_changedTo = index;
        emit Click();
    });
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (m_changedTo == index) {
            m_changedTo = -1;
            return;
        }
        emit Click();
    });
}

void ComboBox::AddItem(const QString& text)
{
    const int selected = currentIndex();
    const QSignalBlocker quiet(this);
    addItem(text);
    setCurrentIndex(selected);
}

void ComboBox::SetColors(const QColor& back, const QColor& fore)
{
    setStyleSheet(QStringLiteral("QComboBox { background-color: %1; color: %2; border: 1px solid palette(dark);"
                                 " padding-left: 3px; }"
                                 " QComboBox QAbstractItemView { background-color: %1; color: %2; }")
                      .arg(back.name(), fore.name()));
}

void ComboBox::showPopup()
{
    // Whatever the list changed to before, a choice made in this popup is a new one.
    m_changedTo = -1;
    QComboBox::showPopup();
}

QWidget* TextBox(QWidget* parent, const QString& name, TextBoxKind kind, bool readOnly, bool flat)
{
    QWidget* box = nullptr;
    if (kind == TextBoxKind::SingleLine) {
        auto* line = flat ? new FlatLineEdit(parent) : new QLineEdit(parent);
        line->setReadOnly(readOnly);
        box = line;
    } else {
        auto* edit = new MultiLineBox(parent);
        edit->setReadOnly(readOnly);
        if (readOnly)
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        edit->setTabChangesFocus(true);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        if (flat)
            edit->setFrameStyle(QFrame::Box | QFrame::Plain);
        box = edit;
    }
    box->setObjectName(name);
    return box;
}

QString TextOf(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* edit = dynamic_cast<const MultiLineBox*>(box))
        return edit->text().replace(QLatin1Char('\n'), CrLf);
    return QString();
}

void SetTextOf(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* edit = dynamic_cast<MultiLineBox*>(box)) {
        edit->setText(QString(text).replace(CrLf, QStringLiteral("\n")));
    }
}

void BringToFront(QWidget* panel)
{
    panel->raise();
    for (QPlainTextEdit* box : panel->findChildren<QPlainTextEdit*>()) {
        if (auto* waiting = dynamic_cast<MultiLineBox*>(box); waiting && waiting->isVisible() && !IsCovered(waiting))
            waiting->takeWaitingText();
    }
}

QGroupBox* Panel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* panel = new QGroupBox(caption, parent);
    panel->setObjectName(name);
    panel->setAutoFillBackground(true); // a panel covers whatever lies behind it
    return panel;
}

QFrame* FlatPanel(QWidget* parent, const QString& name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    return panel;
}

QFrame* PlainPanel(QWidget* parent, const QString& name, const QColor& background)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::NoFrame);
    SetBackColor(panel, background);
    return panel;
}

QLabel* PictureBox(QWidget* parent, const QString& name)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFocusPolicy(Qt::StrongFocus);
    return picture;
}

QListWidget* ListBox(QWidget* parent, const QString& name, bool flat)
{
    auto* list = new ListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    if (flat)
        list->setFrameStyle(QFrame::Box | QFrame::Plain);
    return list;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new PushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace platform
