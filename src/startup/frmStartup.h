#pragma once

#include "platform/Form.h"

// The program's first window, never shown: its load runs the start-up, and it stays loaded,
// hidden, for as long as the program runs. Unloading it ends the program.
class frmStartup : public platform::Form
{
    Q_OBJECT

public:
    frmStartup();

    // Brings one of the main window's two offers to the front at random; about one start in
    // twelve leaves them as they are.
    void CoBrand_Randomize();

protected:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};
