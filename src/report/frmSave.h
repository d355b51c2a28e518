#pragma once

#include "platform/CommonDialog.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/RichTextBox.h"

struct ZodiacSign;

// The report window: the chosen sign's whole profile as one formatted document, which the user
// can save as an RTF file and print.
class frmSave : public platform::Form
{
    Q_OBJECT

public:
    frmSave();

    void cmdSave_Click();
    void cmdPrint_Click();
    void Label14_Click();
    void Label3_Click();
    void Label7_Click();

protected:
    void Form_Load() override;

private:
    void createControls();
    void compose(const ZodiacSign& sign);

    platform::LinkLabel* Label14 = nullptr;
    platform::LinkLabel* Label3 = nullptr;
    platform::RichTextBox* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    platform::LinkLabel* Label7 = nullptr;
    platform::CommonDialog::Properties CD;
};
