#pragma once

#include <QtGlobal>

namespace platform {

// Whether a graphical display can be opened to show windows on. Without one, Qt would end the
// program with a trace that tells the user little.
bool DisplayAvailable();
void ReportNoDisplay();

// While it lives (around the making of the application object), a display that fails all the
// same is reported as missing and ends the program with status 1 instead of a crash.
class DisplayGuard
{
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

private:
    QtMessageHandler m_previous;
};

} // namespace platform
