#include "platform/Rtf.h"

#include "platform/Text.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <cmath>

namespace platform {

namespace {

// Text, escaped for RTF: every character the box holds, the breaks and the tab by their control
// words, any other control character or character outside ASCII as a Unicode escape.
QByteArray Escaped(const QString& text)
{
    QByteArray out;
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code == u'\\' || code == u'{' || code == u'}') {
            out += '\\';
            out += char(code);
        } else if (code == u'\t') {
            out += "\\tab ";
        } else if (code == QChar::LineSeparator) {
            out += "\\line ";
        } else if (code == u'\f') {
            out += "\\page ";
        } else if (code >= 0x20 && code < 0x7F) {
            out += char(code);
        } else if (code == QChar::ObjectReplacementCharacter || code == 0xFDD0 || code == 0xFDD1) {
            // The markers of embedded objects and frames are no text.
        } else {
            // As a signed 16-bit number, each half of a surrogate pair on its own, followed by
            // what readers without Unicode show instead.
            out += "\\u" + QByteArray::number(qint16(code));
            const int ansi = character.isSurrogate() || code < 0x20 || code == 0x7F ? '?' : AnsiCode(character);
            if (ansi < 0x80)
                out += char(ansi);
            else
                out += "\\'" + QByteArray::number(ansi, 16).rightJustified(2, '0');
        }
    }
    return out;
}

QString FamilyOf(const QTextCharFormat& format, const QFont& documentFont)
{
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
        if (!families.isEmpty() && !families.first().isEmpty())
            return families.first();
    }
    if (format.hasProperty(QTextFormat::FontFamily) && !format.stringProperty(QTextFormat::FontFamily).isEmpty())
        return format.stringProperty(QTextFormat::FontFamily);
    return documentFont.family();
}

// Font size in half points, as RTF gives it.
int HalfPointsOf(const QTextCharFormat& format, const QFont& documentFont)
{
    const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                         : documentFont.pointSizeF();
    return points > 0 ? int(std::lround(points * 2)) : 24;
}

// The character formatting that RTF control words carry; -1 where nothing is set yet.
struct RunFormat
{
    int font = -1;
    int halfPoints = -1;
    int colour = -1; // 0 is the automatic colour, then the colour table's entries from 1 on
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class Writer
{
public:
    explicit Writer(const QTextDocument& document)
        : m_documentFont(document.defaultFont())
    {
        fontNumber(m_documentFont.family());
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                switchTo(formatOf(fragment.charFormat()));
                m_body += Escaped(fragment.text());
            }
            // Every paragraph ends with its mark, the last one too: readers take the text after
            // the last mark as one more paragraph only when it is not empty.
            m_body += "\\par\r\n";
        }
    }

    QByteArray file() const
    {
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i)
            rtf += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + Escaped(m_fonts[i]) + ";}";
        rtf += "}\r\n{\\colortbl ;";
        for (const QColor& colour : m_colours) {
            rtf += "\\red" + QByteArray::number(colour.red()) + "\\green" + QByteArray::number(colour.green())
                + "\\blue" + QByteArray::number(colour.blue()) + ';';
        }
        rtf += "}\r\n\\viewkind4\\uc1\\pard " + m_body + "}\r\n";
        return rtf;
    }

private:
    RunFormat formatOf(const QTextCharFormat& format)
    {
        RunFormat run;
        run.font = fontNumber(FamilyOf(format, m_documentFont));
        run.halfPoints = HalfPointsOf(format, m_documentFont);
        run.colour = format.foreground().style() == Qt::NoBrush ? 0 : colourNumber(format.foreground().color());
        run.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() > QFont::Medium
                                                               : m_documentFont.bold();
        run.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : m_documentFont.italic();
        run.underline = format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline)
            ? format.fontUnderline()
            : m_documentFont.underline();
        return run;
    }

    // Writes the control words that change the current formatting to `next`.
    void switchTo(const RunFormat& next)
    {
        QByteArray words;
        if (next.font != m_current.font)
            words += "\\f" + QByteArray::number(next.font);
        if (next.halfPoints != m_current.halfPoints)
            words += "\\fs" + QByteArray::number(next.halfPoints);
        if (next.colour != m_current.colour)
            words += "\\cf" + QByteArray::number(next.colour);
        if (next.bold != m_current.bold)
            words += next.bold ? "\\b" : "\\b0";
        if (next.italic != m_current.italic)
            words += next.italic ? "\\i" : "\\i0";
        if (next.underline != m_current.underline)
            words += next.underline ? "\\ul" : "\\ulnone";
        if (!words.isEmpty())
            m_body += words + ' ';
        m_current = next;
    }

    int fontNumber(const QString& family)
    {
        if (!m_fonts.contains(family))
            m_fonts.append(family);
        return int(m_fonts.indexOf(family));
    }

    int colourNumber(const QColor& colour)
    {
        const QColor rgb = colour.toRgb();
        if (!m_colours.contains(rgb))
            m_colours.append(rgb);
        return int(m_colours.indexOf(rgb)) + 1;
    }

    QFont m_documentFont;
    QStringList m_fonts;
    QList<QColor> m_colours;
    RunFormat m_current;
    QByteArray m_body;
};

} // namespace

QByteArray RtfDocument(const QTextDocument& document)
{
    return Writer(document).file();
}

} // namespace platform
