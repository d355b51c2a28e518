#pragma once

namespace platform {

// Whether a graphical display is there to show windows on. Without one, Qt would end the
// program with a trace that tells the user little.
bool DisplayAvailable();
void ReportNoDisplay();

} // namespace platform
