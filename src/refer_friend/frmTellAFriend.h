#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

#include <QHash>

class QCheckBox;

// The last window of a run, shown when the main window closes and kept above every other
// window: a support text, a link to the maker's site, the refer-a-friend form and the maker's
// other programs. Closing it ends the program.
class frmTellAFriend : public platform::Form
{
    Q_OBJECT

public:
    frmTellAFriend();

    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click();
    void lblGoToHome_Click();

protected:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createReferPanel();
    void createSoftwaresPanel();
    void setTabOrder();
    // The five boxes share one placeholder rule and the two e-mail boxes one key rule.
    void Box_GotFocus(QWidget* box);
    void Box_LostFocus(QWidget* box);
    void EmailBox_RefuseBlank(QWidget* box);

    platform::Label* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QWidget* txtName = nullptr;
    QWidget* txtEmail = nullptr;
    QWidget* txtFriendName = nullptr;
    QWidget* txtFriendEmail = nullptr;
    QWidget* txtMessage = nullptr;
    QHash<QWidget*, QString> m_placeholders;
};
