#pragma once

#include <QString>

namespace mod_All {

// The sign chosen in the main window, trimmed of blanks: "Aries" from start-up on. Only the
// main window's sign list writes it; the per-sign links and the report read it.
extern QString SelectedSign;

} // namespace mod_All
