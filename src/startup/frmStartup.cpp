#include "startup/frmStartup.h"

#include "app/mod_Help.h"
#include "main_window/frmMain.h"
#include "platform/MsgBox.h"
#include "platform/Runtime.h"

#include <cmath>

using namespace platform;

frmStartup::frmStartup()
{
    setObjectName(QStringLiteral("frmStartup"));
}

void frmStartup::Form_Load()
{
    Runtime& runtime = Runtime::instance();
    if (runtime.PrevInstance()) {
        MsgBox::Show(QStringLiteral("Application is already running"), MsgBox::vbInformation);
        mod_Help::CloseAllAndEnd();
        return;
    }
    runtime.Randomize();
    mod_Help::UpdateReminder();
    form<frmMain>().show();
    hide();
    CoBrand_Randomize();
}

void frmStartup::Form_Unload(int& Cancel)
{
    Q_UNUSED(Cancel);
    mod_Help::CloseAllAndEnd();
}

void frmStartup::CoBrand_Randomize()
{
    const float r = Runtime::instance().Rnd();
    // Worked in double precision and rounded half to even: x = 2.5 gives 2, x = 5.5 gives 6.
    const double x = double(r) * 6 + 1;
    const auto n = static_cast<qint16>(std::nearbyint(x));
    frmMain& main = form<frmMain>();
    if (n == 2 || n == 4 || n == 6)
        main.lblFullBrand->raise();
    else if (n == 1 || n == 3 || n == 5)
        main.lblCobrand->raise();
}
