#include "platform/Display.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cstring>
#include <xcb/xcb.h>
#endif

namespace platform {

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

// Opens and closes a connection to the X display named by DISPLAY: an unset or empty name, a
// name that does not parse, a server that is not there or that refuses us all fail here.
bool XDisplayOpens()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
}

// Whether a Wayland compositor listens on the socket that WAYLAND_DISPLAY names.
bool WaylandDisplayOpens()
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return false;
    const QByteArray path = name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + '/' + name;
    sockaddr_un address {};
    if (path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool opened = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return opened;
}

// Whether Qt can show windows on the platform it will choose: the first of the platforms named
// in QT_QPA_PLATFORM that works, or the desktop's X or Wayland display.
bool DisplayOpens()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM").trimmed();
    if (chosen.isEmpty())
        return XDisplayOpens() || WaylandDisplayOpens();
    for (const QByteArray& entry : chosen.split(';')) {
        const QByteArray name = entry.split(':').constFirst().trimmed();
        if (name == "xcb" ? XDisplayOpens() : name.startsWith("wayland") ? WaylandDisplayOpens() : !name.isEmpty())
            return true; // offscreen, vnc, eglfs and the like need no desktop display
    }
    return false;
}

#else

bool DisplayOpens() { return true; }

#endif

void failedPlatform(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type == QtFatalMsg) {
        ReportNoDisplay();
        std::_Exit(1);
    }
}

} // namespace

bool DisplayAvailable()
{
    return DisplayOpens();
}

void ReportNoDisplay()
{
    std::fputs("Zelphine is a desktop program and needs a graphical display, but none could be "
               "opened.\n"
               "Start it from a desktop session, or over ssh with X forwarding (ssh -X).\n",
               stderr);
}

DisplayGuard::DisplayGuard()
    : m_previous(qInstallMessageHandler(failedPlatform))
{
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(m_previous);
}

} // namespace platform
