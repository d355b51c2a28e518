#include "platform/Display.h"

#include <QtGlobal>
#include <cstdio>

namespace platform {

bool DisplayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A platform chosen by hand (offscreen, vnc, eglfs...) needs no X or Wayland display.
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

void ReportNoDisplay()
{
    std::fputs("Zelphine is a desktop program and needs a graphical display, but none was found "
               "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
               "Start it from a desktop session, or over ssh with X forwarding (ssh -X).\n",
               stderr);
}

} // namespace platform
