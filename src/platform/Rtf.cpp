#include "platform/Rtf.h"

#include "platform/Text.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace platform {

namespace {

// The ASCII characters that go into the file as they are: the printable ones other than the
// backslash and the braces, which RTF keeps for itself. Looked up, it is one test a character.
constexpr std::array<bool, 128> PlainAscii = [] {
    std::array<bool, 128> plain{};
    for (int code = 0x20; code < 0x7F; ++code)
        plain[code] = code != '\\' && code != '{' && code != '}';
    return plain;
}();

bool IsPlain(QChar character)
{
    return character.unicode() < PlainAscii.size() && PlainAscii[character.unicode()];
}

// Appends characters that are all plain, one byte each, in one go: most of a document is such
// runs, and growing the bytes once per run rather than once per character is what keeps saving
// quick.
void AppendPlain(QByteArray& out, QStringView plain)
{
    const qsizetype start = out.size();
    out.resize(start + plain.size());
    char* byte = out.data() + start;
    for (const QChar character : plain)
        *byte++ = char(character.unicode());
}

void AppendNumber(QByteArray& out, int number)
{
    char digits[12];
    const char* const end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end - digits);
}

// A character that is not plain: the backslash and braces escaped, the breaks and the tab by their
// control words, any other control character or character outside ASCII as a Unicode escape.
void AppendSpecial(QByteArray& out, QChar character)
{
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
    } else if (code == QChar::ObjectReplacementCharacter || code == 0xFDD0 || code == 0xFDD1) {
        // The markers of embedded objects and frames are no text.
    } else {
        // As a signed 16-bit number, each half of a surrogate pair on its own, followed by what
        // readers without Unicode show instead.
        out += "\\u";
        AppendNumber(out, qint16(code));
        const int ansi = character.isSurrogate() || code < 0x20 || code == 0x7F ? '?' : AnsiCode(character);
        if (ansi < 0x80) {
            out += char(ansi);
        } else {
            const char hexDigits[] = "0123456789abcdef";
            out += "\\'";
            out += hexDigits[ansi >> 4];
            out += hexDigits[ansi & 0xF];
        }
    }
}

// Text, escaped for RTF: every character the box holds.
void AppendEscaped(QByteArray& out, QStringView text)
{
    const QChar* next = text.begin();
    while (next != text.end()) {
        const QChar* const special = std::find_if_not(next, text.end(), IsPlain);
        AppendPlain(out, QStringView(next, special));
        if (special == text.end())
            break;
        AppendSpecial(out, *special);
        next = special + 1;
    }
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

void AppendControlWord(QByteArray& out, const char* word, int number)
{
    out += word;
    AppendNumber(out, number);
}

// The entry's position in the list, where it is added at the end when it is not there yet.
template <typename Entry>
int NumberOf(QList<Entry>& list, const Entry& entry)
{
    qsizetype number = list.indexOf(entry);
    if (number < 0) {
        number = list.size();
        list.append(entry);
    }
    return int(number);
}

class Writer
{
public:
    explicit Writer(const QTextDocument& document)
        : m_documentFont(document.defaultFont())
    {
        // Mostly plain text, a byte a character; the control words add a little.
        m_body.reserve(document.characterCount() + document.characterCount() / 8);
        NumberOf(m_fonts, m_documentFont.family());
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                switchTo(runFormatOf(fragment));
                AppendEscaped(m_body, fragment.text());
            }
            // Every paragraph ends with its mark, the last one too: readers take the text after
            // the last mark as one more paragraph only when it is not empty.
            m_body += "\\par\r\n";
        }
    }

    QByteArray file() const
    {
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i) {
            AppendControlWord(rtf, "{\\f", i);
            rtf += "\\fnil\\fcharset0 ";
            AppendEscaped(rtf, m_fonts[i]);
            rtf += ";}";
        }
        rtf += "}\r\n{\\colortbl ;";
        for (const QColor& colour : m_colours) {
            AppendControlWord(rtf, "\\red", colour.red());
            AppendControlWord(rtf, "\\green", colour.green());
            AppendControlWord(rtf, "\\blue", colour.blue());
            rtf += ';';
        }
        const char bodyStart[] = "}\r\n\\viewkind4\\uc1\\pard ";
        const char end[] = "}\r\n";
        rtf.reserve(rtf.size() + sizeof bodyStart + m_body.size() + sizeof end);
        rtf += bodyStart;
        rtf += m_body;
        rtf += end;
        return rtf;
    }

private:
    // The document keeps each format once, under a number that its fragments share: each is read
    // once, however many fragments use it.
    const RunFormat& runFormatOf(const QTextFragment& fragment)
    {
        const auto index = std::size_t(fragment.charFormatIndex());
        if (index >= m_runFormats.size())
            m_runFormats.resize(index + 1);
        RunFormat& run = m_runFormats[index];
        if (run.font < 0)
            run = formatOf(fragment.charFormat());
        return run;
    }

    RunFormat formatOf(const QTextCharFormat& format)
    {
        RunFormat run;
        run.font = NumberOf(m_fonts, FamilyOf(format, m_documentFont));
        run.halfPoints = HalfPointsOf(format, m_documentFont);
        const QBrush foreground = format.foreground();
        run.colour = foreground.style() == Qt::NoBrush ? 0 : NumberOf(m_colours, foreground.color().toRgb()) + 1;
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
        const qsizetype start = m_body.size();
        if (next.font != m_current.font)
            AppendControlWord(m_body, "\\f", next.font);
        if (next.halfPoints != m_current.halfPoints)
            AppendControlWord(m_body, "\\fs", next.halfPoints);
        if (next.colour != m_current.colour)
            AppendControlWord(m_body, "\\cf", next.colour);
        if (next.bold != m_current.bold)
            m_body += next.bold ? "\\b" : "\\b0";
        if (next.italic != m_current.italic)
            m_body += next.italic ? "\\i" : "\\i0";
        if (next.underline != m_current.underline)
            m_body += next.underline ? "\\ul" : "\\ulnone";
        // The blank ends the last control word, so that the text after it is not read as part of it.
        if (m_body.size() > start)
            m_body += ' ';
        m_current = next;
    }

    QFont m_documentFont;
    QStringList m_fonts;
    QList<QColor> m_colours; // as RGB
    // By the document's number of the format; not read yet where the font is -1.
    std::vector<RunFormat> m_runFormats;
    RunFormat m_current;
    QByteArray m_body;
};

} // namespace

QByteArray RtfDocument(const QTextDocument& document)
{
    return Writer(document).file();
}

} // namespace platform
