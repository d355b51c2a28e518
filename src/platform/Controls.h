#pragma once

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

// The kinds of control the windows are built from, made to look and behave alike in every
// window. Positions and sizes are twips; each control's objectName is its name in the program.

namespace platform {

QFont Verdana(double points, bool bold = false, bool underline = false);
QFont MSSansSerif(double points, bool bold = false);

// Colours the windows share.
inline const QColor Orange(255, 128, 0);
inline const QColor DarkBlue(0, 0, 64);
inline const QColor Navy(0, 0, 128);
inline const QColor Blue(0, 0, 255);
void SetForeColor(QWidget* control, const QColor& color);
void SetBackColor(QWidget* control, const QColor& color);

// Places a control at a rectangle in twips, relative to its container.
void Place(QWidget* control, int left, int top, int width, int height);

// A label. Its caption marks an access key with "&" as buttons do; "&&" shows one "&".
class Label : public QLabel
{
    Q_OBJECT

public:
    enum Sizing {
        FixedSize,   // keeps its rectangle and wraps its text inside it
        AutoSize,    // takes the width and height of its text
        GrowsDown,   // keeps its width and wraps; its height follows the text
    };

    Label(QWidget* parent, const QString& name, Sizing sizing = AutoSize);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    // Places the label's top-left corner; an auto-sized label then fits its text.
    void placeAt(int left, int top, int width = 0, int height = 0);

private:
    void fit();

    QString m_caption;
    Sizing m_sizing;
};

// A label that works as a link: a pointing hand over it, and a click runs Click.
class LinkLabel : public Label
{
    Q_OBJECT

public:
    LinkLabel(QWidget* parent, const QString& name, Sizing sizing = FixedSize);

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

// A drop-down list from which the user picks (no typing). Click runs whenever an entry is
// chosen: by the user, also when the choice is the entry already shown, and when the selected
// entry is set from code.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    ComboBox(QWidget* parent, const QString& name);
    // Appends an entry. Like any list that is filled, it selects nothing by doing so.
    void AddItem(const QString& text);
    // Colours the field and its open list alike (the style's own look would shade the field).
    void SetColors(const QColor& back, const QColor& fore);
    void showPopup() override;

signals:
    void Click();

private:
    int m_changedTo = -1; // the index whose change has already run Click
};

// Text boxes. A multi-line box has a vertical scroll bar and wraps at its width. Texts use CR LF
// line breaks; the box shows them as line breaks and gives them back as CR LF.
enum class TextBoxKind { SingleLine, MultiLine };
QWidget* TextBox(QWidget* parent, const QString& name, TextBoxKind kind, bool readOnly, bool flat);
QString TextOf(const QWidget* box);
void SetTextOf(QWidget* box, const QString& text);

// Puts the panel in front of the others on its window; its boxes show their texts at once.
void BringToFront(QWidget* panel);

// A panel with a 3-D border and a caption (an empty caption draws the border alone).
QGroupBox* Panel(QWidget* parent, const QString& name, const QString& caption);
// A panel with a flat single-line border and no caption.
QFrame* FlatPanel(QWidget* parent, const QString& name);
// A panel without a border, filled with one colour.
QFrame* PlainPanel(QWidget* parent, const QString& name, const QColor& background);

// A picture box in a sunken 3-D border; it can take the focus.
QLabel* PictureBox(QWidget* parent, const QString& name);
QListWidget* ListBox(QWidget* parent, const QString& name, bool flat);
QPushButton* Button(QWidget* parent, const QString& name, const QString& caption);

} // namespace platform
