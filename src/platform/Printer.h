#pragma once

#include "platform/Replaceable.h"

class QPagedPaintDevice;
class QTextDocument;

namespace platform {

// The system's default printer. Printing asks nothing: no dialog, no choice of pages or copies.
class Printer : public Replaceable<Printer>
{
public:
    virtual ~Printer() = default;

    // Prints a copy of the document and returns at once: the printer is looked up and the pages
    // printed away from the windows, one document after the other, so that a printer that does
    // not answer holds up nothing. Nothing is said when there is no printer or printing fails.
    virtual void Print(const QTextDocument& document) = 0;

    static Printer& real();
};

// Lays the document out on the device's pages, with margins of 2 cm, and prints it there: the
// text alone, with no page number or other addition. False when the device could not print.
bool PrintPages(const QTextDocument& document, QPagedPaintDevice& pages);

} // namespace platform
