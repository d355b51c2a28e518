// Zelphine: a desktop reference of the twelve sun signs.

#include "platform/Display.h"
#include "platform/Form.h"
#include "startup/frmStartup.h"

#include <QApplication>
#include <optional>

int main(int argc, char* argv[])
{
    if (!platform::DisplayAvailable()) {
        platform::ReportNoDisplay();
        return 1;
    }
    std::optional<platform::DisplayGuard> guard(std::in_place);
    QApplication application(argc, argv);
    guard.reset();
    // The program ends only when it is ended, never because no window is visible: the hidden
    // start-up window keeps it running.
    application.setQuitOnLastWindowClosed(false);

    platform::form<frmStartup>();
    return application.exec();
}
