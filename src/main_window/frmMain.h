#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ImageList.h"
#include "signs/zodiac.h"

#include <QList>

// The main window: the sign chooser, the sign's picture and attributes, sixteen topic panels
// stacked on one rectangle with the list that brings one to the front, and the link strips.
class frmMain : public platform::Form
{
    Q_OBJECT

public:
    frmMain();

    void cboSign_Click();
    void lstOptions_Click();
    void cmdSave_Click();

    // The link labels.
    void Label61_Click();
    void lblAstrology_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void lblDaily_Click();
    void lblForum_Click();

    // The menu commands. "PopUp" with its three commands and "Make Money Online" are never
    // shown, so only code can run their handlers.
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void mnuUpd_Click();
    void mnuShow_Click();
    void mnuExit_Click();

    void setVisible(bool visible) override;

    // The two offers, stacked on one rectangle; start-up brings one of them to the front.
    platform::LinkLabel* lblCobrand = nullptr;
    platform::LinkLabel* lblFullBrand = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createControls();
    void createMenus();
    QGroupBox* createTopicPanel(int entry);
    void createUpdatePanel(QWidget* panel);
    void createPanelsBehind();
    QWidget* FieldTextBox(QWidget* parent, const char* name, platform::TextBoxKind kind);
    void setTabOrder();
    void ShowFamilyCaptions(const QString& sign);
    void ShowUpdateCaptions(const QString& sign);
    void ShowPicture(int number);
    void OpenSignPage(QString ZodiacSign::*page);

    platform::ImageList& imgPics;
    const ZodiacSign* m_shownSign = nullptr; // the sign last chosen
    QList<QWidget*> m_fieldBoxes; // the boxes made so far, by the record's field they show

    QLabel* picZodiac = nullptr;
    QListWidget* lstOptions = nullptr;
    QPushButton* cmdSave = nullptr;
    platform::ComboBox* cboSign = nullptr;
    platform::LinkLabel* Label61 = nullptr;
    platform::Label* lblZodiacSignName = nullptr;
    // The topic panels: Frame[i] is the panel of entry i, Frame(i+1). The one in front when the
    // window opens is made with it; the others, and what they hold, once it has been painted.
    QList<QGroupBox*> Frame;
    platform::Label* lblMother = nullptr;
    platform::Label* lblFather = nullptr;
    platform::Label* lblChild = nullptr;
    QGroupBox* Frame21 = nullptr;
    platform::LinkLabel* lblForum = nullptr;
    platform::LinkLabel* lblAstrology = nullptr;
    platform::LinkLabel* lblDaily = nullptr;
};
