#pragma once

// Programs outside ours that read what the program writes: LibreOffice for RTF files, pdftotext
// for printed pages.

#include <QString>
#include <QStringList>

class QTextDocument;

namespace readers {

// The RTF file as LibreOffice reads it, converted to "html" or "txt" (one line per paragraph),
// with a profile of its own so that tests may run side by side; empty when that failed.
QString LibreOffice(const QString& rtfPath, const QString& format);
QString PdfText(const QString& pdfPath);

// Each word of the document with how it is shown: "Leo bold #800080"; "auto" stands for the
// colour of plain text.
QStringList StyledWords(const QTextDocument& document);

} // namespace readers
