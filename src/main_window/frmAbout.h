#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

// The About box: the product, what it does, the fully-branded offer and the home page. It is
// shown modally from the Help menu and its content never changes.
class frmAbout : public platform::Form
{
    Q_OBJECT

public:
    frmAbout();

    void cmdOK_Click();
    void lblCobrand_Click();
    void lblHomePage_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* cmdOK = nullptr;
    platform::LinkLabel* lblCobrand = nullptr;
    platform::LinkLabel* lblHomePage = nullptr;
};
