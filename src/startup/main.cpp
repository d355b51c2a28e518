// Zelphine: a desktop reference of the twelve sun signs.

#include "main_window/frmMain.h"
#include "platform/Display.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (!platform::DisplayAvailable()) {
        platform::ReportNoDisplay();
        return 1;
    }
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Zelphine"));

    platform::form<frmMain>().show();
    return application.exec();
}
