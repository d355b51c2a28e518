#include "platform/RichTextBox.h"

#include "platform/Files.h"
#include "platform/Printer.h"
#include "platform/Rtf.h"
#include "platform/Text.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace platform {

namespace {

// A web address: one of the schemes a rich-text box knows, or "www.", starting a word, with at
// least one character after it, up to the first blank or line break.
const QRegularExpression& WebAddress()
{
    static const QRegularExpression address(
        QStringLiteral("(?<!\\w)(?:(?:https?|ftp|mailto|file|news|telnet|gopher|wais|prospero):|www\\.)\\S+"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return address;
}

// The part of a character format that a saved file keeps.
QTextCharFormat SavedPart(const QTextCharFormat& format)
{
    QTextCharFormat saved;
    if (format.hasProperty(QTextFormat::FontFamilies) || format.hasProperty(QTextFormat::FontFamily))
        saved.setFontFamilies({format.font().family()});
    if (format.hasProperty(QTextFormat::FontPointSize))
        saved.setFontPointSize(format.fontPointSize());
    if (format.hasProperty(QTextFormat::FontWeight))
        saved.setFontWeight(format.fontWeight() > QFont::Medium ? QFont::Bold : QFont::Normal);
    if (format.hasProperty(QTextFormat::FontItalic))
        saved.setFontItalic(format.fontItalic());
    if (format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline))
        saved.setFontUnderline(format.fontUnderline());
    if (format.foreground().style() != Qt::NoBrush)
        saved.setForeground(format.foreground().color());
    return saved;
}

} // namespace

QEvent::Type NotifyEvent::WM_NOTIFY()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

RichTextBox::RichTextBox(QWidget* parent, const QString& name)
    : QTextEdit(parent)
{
    setObjectName(name);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    viewport()->setMouseTracking(true); // the pointer turns to a hand over a link
    connect(document(), &QTextDocument::contentsChange, this, &RichTextBox::redetectLinks);
}

bool RichTextBox::SelBold() const
{
    return currentCharFormat().fontWeight() > QFont::Medium;
}

void RichTextBox::setSelBold(bool bold)
{
    setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

QColor RichTextBox::SelColor() const
{
    const QBrush foreground = currentCharFormat().foreground();
    return foreground.style() == Qt::NoBrush ? palette().color(QPalette::Text) : foreground.color();
}

void RichTextBox::setSelColor(const QColor& color)
{
    if (color.isValid())
        setTextColor(color);
}

QString RichTextBox::SelText() const
{
    return textCursor().selectedText().replace(QChar::ParagraphSeparator, CrLf);
}

void RichTextBox::setSelText(const QString& text)
{
    QString plain = text;
    plain.replace(CrLf, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor cursor = textCursor();
    cursor.insertText(plain);
    setTextCursor(cursor);
}

int RichTextBox::SelStart() const
{
    return textCursor().selectionStart();
}

void RichTextBox::setSelStart(int start)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, start, document()->characterCount() - 1));
    setTextCursor(cursor);
}

int RichTextBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(qBound(start, start + length, document()->characterCount() - 1), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

bool RichTextBox::SaveFile(const QString& path, FileType) const
{
    if (path.isEmpty() || SaveRefused(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray rtf = RtfDocument(*document());
    // Flushed before the commit: QSaveFile would commit, and so replace the file, even when the
    // bytes it still held could not be written out.
    if (file.write(rtf) != rtf.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void RichTextBox::SelPrint(Printer& printer) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return printer.Print(*document());
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    printer.Print(selection);
}

void RichTextBox::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasHtml())
        return QTextEdit::insertFromMimeData(source);
    QTextDocument pasted;
    pasted.setHtml(source->html());
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    for (QTextBlock block = pasted.begin(); block.isValid(); block = block.next()) {
        if (block != pasted.begin())
            cursor.insertBlock();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().isImageFormat())
                cursor.insertText(it.fragment().text(), SavedPart(it.fragment().charFormat()));
        }
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void RichTextBox::AutoUrlDetect(bool on)
{
    m_detectUrls = on;
    detectLinks();
}

QString RichTextBox::TextRange(int cpMin, int cpMax) const
{
    const int end = document()->characterCount() - 1;
    QTextCursor range(document());
    range.setPosition(qBound(0, cpMin, end));
    range.setPosition(qBound(0, cpMax, end), QTextCursor::KeepAnchor);
    return range.selectedText().replace(QChar::ParagraphSeparator, CrLf);
}

void RichTextBox::detectLinks()
{
    m_links.clear();
    if (m_detectUrls)
        findLinks(document()->begin(), document()->end(), m_links);
    showLinks();
}

void RichTextBox::findLinks(QTextBlock from, const QTextBlock& to, QList<CharRange>& links) const
{
    for (; from.isValid() && from != to; from = from.next()) {
        QRegularExpressionMatchIterator found = WebAddress().globalMatch(from.text());
        while (found.hasNext()) {
            const QRegularExpressionMatch address = found.next();
            const int start = from.position() + int(address.capturedStart());
            links.append({start, start + int(address.capturedLength())});
        }
    }
}

// A change looks again only at the paragraphs it touched; the links after it move with the text,
// so typing costs the same however long the document is.
void RichTextBox::redetectLinks(int position, int removed, int added)
{
    if (!m_detectUrls)
        return;
    const QTextBlock first = document()->findBlock(position);
    const QTextBlock afterLast = document()->findBlock(position + added).next();
    const int changedFrom = first.position();
    const int changedTo = afterLast.isValid() ? afterLast.position() : document()->characterCount();
    QList<CharRange> before, after;
    for (CharRange link : std::as_const(m_links)) {
        if (link.cpMax <= changedFrom) {
            before.append(link);
        } else if (link.cpMin >= position + removed) {
            link.cpMin += added - removed;
            link.cpMax += added - removed;
            if (link.cpMin >= changedTo)
                after.append(link);
        }
    }
    findLinks(first, afterLast, before);
    // Drawn anew even when the ranges stay: the drawn ones grow with text typed at their end.
    m_links = before + after;
    showLinks();
}

// Links are drawn over the text, underlined in the link colour, and are no part of the
// document: they are neither saved nor printed.
void RichTextBox::showLinks()
{
    QList<ExtraSelection> shown;
    for (const CharRange& link : m_links) {
        ExtraSelection selection;
        selection.cursor = QTextCursor(document());
        selection.cursor.setPosition(link.cpMin);
        selection.cursor.setPosition(link.cpMax, QTextCursor::KeepAnchor);
        selection.format.setFontUnderline(true);
        selection.format.setForeground(palette().color(QPalette::Link));
        shown.append(selection);
    }
    setExtraSelections(shown);
}

int RichTextBox::characterAt(const QPoint& point) const
{
    const int nearest = cursorForPosition(point).position();
    for (const int candidate : {nearest - 1, nearest}) {
        if (candidate < 0)
            continue;
        QTextCursor at(document());
        at.setPosition(candidate);
        if (at.atBlockEnd())
            continue; // the end of a paragraph is no character one can point at
        const QRect left = cursorRect(at);
        at.movePosition(QTextCursor::NextCharacter);
        const QRect right = cursorRect(at);
        // The last character of a wrapped line reaches to the box's right edge.
        const int rightEdge = right.top() == left.top() ? right.left() : viewport()->width();
        if (point.y() >= left.top() && point.y() <= left.bottom() && point.x() >= left.left()
            && point.x() < rightEdge)
            return candidate;
    }
    return -1;
}

std::optional<CharRange> RichTextBox::linkAt(const QPoint& point) const
{
    const int character = characterAt(point);
    for (const CharRange& link : m_links) {
        if (character >= link.cpMin && character < link.cpMax)
            return link;
    }
    return std::nullopt;
}

void RichTextBox::notifyLink(QMouseEvent* event, int leftMessage, int rightMessage, int middleMessage)
{
    if (!(m_eventMask & ENM_LINK))
        return;
    int message = 0;
    switch (event->button()) {
    case Qt::LeftButton: message = leftMessage; break;
    case Qt::RightButton: message = rightMessage; break;
    case Qt::MiddleButton: message = middleMessage; break;
    default: return;
    }
    if (const std::optional<CharRange> link = linkAt(event->position().toPoint())) {
        LinkNotifyEvent notification(this, message, *link);
        QCoreApplication::sendEvent(window(), &notification);
    }
}

// Each mouse message on a link is notified first; the box then handles it as any other (the
// caret moves, text is selected), unless the notification closed the box's window.
void RichTextBox::mousePressEvent(QMouseEvent* event)
{
    const QPointer<RichTextBox> alive(this);
    notifyLink(event, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
    if (alive)
        QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointer<RichTextBox> alive(this);
    notifyLink(event, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP);
    if (alive)
        QTextEdit::mouseReleaseEvent(event);
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPointer<RichTextBox> alive(this);
    notifyLink(event, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK);
    if (alive)
        QTextEdit::mouseDoubleClickEvent(event);
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    const bool overLink = (m_eventMask & ENM_LINK) && linkAt(event->position().toPoint());
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

} // namespace platform
