#pragma once

// Programs outside ours that read what the program writes: LibreOffice for RTF files, pdftotext
// for printed pages.

#include <QString>
#include <QStringList>

class QTextDocument;

namespace readers {

// The RTF file as LibreOffice reads it, converted to HTML or to plain text (one line per
// paragraph); empty when the conversion failed. Each call runs LibreOffice with a profile of its
// own, so that tests may run side by side.
QString HtmlOfRtf(const QString& rtfPath);
QString TextOfRtf(const QString& rtfPath);
// The text of a PDF file.
QString PdfText(const QString& pdfPath);

// Each word of the document with how it is shown: "Aries bold #800080", "Ram #000000"; "auto"
// stands for the colour of plain text. Blanks and line breaks only separate the words.
QStringList StyledWords(const QTextDocument& document);

} // namespace readers
