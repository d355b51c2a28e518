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

    // Prints the document; false when there is no default printer or printing failed.
    virtual bool Print(const QTextDocument& document) = 0;

    static Printer& real();
};

// Lays the document out on the device's pages, with margins of 2 cm, and prints it there: the
// text alone, with no page number or other addition. False when the device could not print.
bool PrintPages(const QTextDocument& document, QPagedPaintDevice& pages);

} // namespace platform
