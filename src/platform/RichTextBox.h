#pragma once

#include <QColor>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QTextBlock>
#include <QTextEdit>
#include <optional>

namespace platform {

class Printer;

// A notification that a control sends to the window it lies on. Event filters on that window
// see it before the window's own handling, which gets it afterwards.
class NotifyEvent : public QEvent
{
public:
    static QEvent::Type WM_NOTIFY();

    NotifyEvent(QWidget* from, int code) : QEvent(WM_NOTIFY()), m_from(from), m_code(code) {}

    QWidget* hwndFrom() const { return m_from; }
    int code() const { return m_code; }

private:
    QPointer<QWidget> m_from;
    int m_code;
};

// A range of character positions: cpMin is the first character, cpMax the one after the last.
struct CharRange
{
    int cpMin = 0;
    int cpMax = 0;
    bool operator==(const CharRange& other) const { return cpMin == other.cpMin && cpMax == other.cpMax; }
};

// A mouse message on a detected link of a rich-text box.
class LinkNotifyEvent : public NotifyEvent
{
public:
    enum { EN_LINK = 0x70B };

    LinkNotifyEvent(QWidget* from, int msg, CharRange chrg) : NotifyEvent(from, EN_LINK), m_msg(msg), m_chrg(chrg) {}

    int msg() const { return m_msg; }
    CharRange chrg() const { return m_chrg; }

private:
    int m_msg;
    CharRange m_chrg;
};

// The mouse messages that link notifications carry.
enum MouseMessage {
    WM_LBUTTONDOWN = 0x201, WM_LBUTTONUP = 0x202, WM_LBUTTONDBLCLK = 0x203,
    WM_RBUTTONDOWN = 0x204, WM_RBUTTONUP = 0x205, WM_RBUTTONDBLCLK = 0x206,
    WM_MBUTTONDOWN = 0x207, WM_MBUTTONUP = 0x208, WM_MBUTTONDBLCLK = 0x209,
};

// A box of formatted text. Text is inserted at the caret with the insertion formatting
// (SelBold, SelColor); the document can be saved as an RTF file and printed. With automatic
// URL detection on, web addresses in the text show as links, and with ENM_LINK in the event
// mask, mouse presses, releases and double clicks on a link are notified to the window the box
// lies on. Character positions count a line break as one character.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    enum FileType { rtfRTF = 0 };
    enum EventMask { ENM_LINK = 0x04000000 };

    RichTextBox(QWidget* parent, const QString& name);

    bool SelBold() const;
    void setSelBold(bool bold);
    QColor SelColor() const;
    // An invalid colour is refused and changes nothing.
    void setSelColor(const QColor& color);
    // The selected text; setting it replaces the selection (or inserts at the caret) with plain
    // text in the insertion formatting, CR LF as a line break, and leaves the caret after it.
    QString SelText() const;
    void setSelText(const QString& text);
    int SelStart() const;
    // Moves the caret, which empties the selection.
    void setSelStart(int start);
    int SelLength() const;
    // Selects `length` characters from SelStart on; 0 empties the selection.
    void setSelLength(int length);

    // Writes the whole document to `path`, whole or not at all: a write-protected file or folder,
    // or a failed write, leaves what was there untouched and returns false.
    bool SaveFile(const QString& path, FileType type = rtfRTF) const;
    // Prints the selection, or the whole document when nothing is selected.
    void SelPrint(Printer& printer) const;

    int GetEventMask() const { return m_eventMask; }
    void SetEventMask(int mask) { m_eventMask = mask; }
    void AutoUrlDetect(bool on);
    // The detected links, in the order of the text.
    QList<CharRange> Links() const { return m_links; }
    // The text of a range of characters, whatever its length; positions outside the text are
    // taken as its ends.
    QString TextRange(int cpMin, int cpMax) const;

protected:
    // A paste, or a drop, brings only what the box can save: text with its font, size, bold,
    // italic, underline and colour, in paragraphs. A table's cells come as paragraphs; lists,
    // pictures, strike-through and backgrounds are left behind.
    void insertFromMimeData(const QMimeData* source) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void detectLinks();
    void redetectLinks(int position, int removed, int added);
    void findLinks(QTextBlock from, const QTextBlock& to, QList<CharRange>& links) const;
    void showLinks();
    // The position of the character under a point of the viewport; -1 over no character.
    int characterAt(const QPoint& point) const;
    std::optional<CharRange> linkAt(const QPoint& point) const;
    void notifyLink(QMouseEvent* event, int leftMessage, int rightMessage, int middleMessage);

    int m_eventMask = 0;
    bool m_detectUrls = false;
    QList<CharRange> m_links;
};

} // namespace platform
