#pragma once

#include <QString>

namespace mod_All {

// The sign chosen in the main window, trimmed of blanks: "Aries" from start-up on. Only the
// main window's sign list writes it; the per-sign links and the report read it.
extern QString SelectedSign;

// The caption of every window, and the program's name and version where a window shows them.
extern const QString ProgramCaption;

// The offer of a copy branded for one's own site, on the main window and under the report.
extern const QString FullBrandOffer;

} // namespace mod_All
