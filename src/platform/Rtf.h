#pragma once

#include <QByteArray>

class QTextDocument;

namespace platform {

// The document as an RTF file that word processors read back with the same text, fonts, sizes,
// bold, italic, underline and colours: code page 1252, a font table and a colour table, one
// paragraph per block. Every character is written: the tab, line and page breaks as their control
// words; other control characters, and characters outside ASCII, as Unicode escapes with a
// code-page character for readers that lack them.
QByteArray RtfDocument(const QTextDocument& document);

} // namespace platform
