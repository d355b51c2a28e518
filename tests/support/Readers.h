#pragma once

// Programs outside ours that read what the program writes: LibreOffice for RTF files, poppler's
// tools (pdftotext, pdffonts) for printed pages.

#include <QString>
#include <QStringList>

class QTextDocument;

namespace readers {

// What the program writes on its standard output, once it has ended.
QString Output(const QString& program, const QStringList& arguments);

// The RTF file as LibreOffice reads it, converted to "html" or "txt" (one line per paragraph),
// with a profile of the test program's own so that tests may run side by side; empty when that
// failed.
QString LibreOffice(const QString& rtfPath, const QString& format);

// Each word of the document with how it is shown: "Leo DejaVu Sans 10pt bold #800080"; "on"
// stands for a background, and a word of a list or a table says so.
QStringList StyledWords(const QTextDocument& document);

} // namespace readers
