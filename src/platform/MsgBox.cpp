#include "platform/MsgBox.h"

#include "platform/Runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case MsgBox::vbCritical: return QMessageBox::Critical;
    case MsgBox::vbQuestion: return QMessageBox::Question;
    case MsgBox::vbExclamation: return QMessageBox::Warning;
    case MsgBox::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct ButtonAnswer
{
    QMessageBox::StandardButton button;
    int answer;
};

QList<ButtonAnswer> buttonsOf(int style)
{
    switch (style & 0x7) {
    case MsgBox::vbOKCancel:
        return {{QMessageBox::Ok, MsgBox::vbOK}, {QMessageBox::Cancel, MsgBox::vbCancel}};
    case MsgBox::vbYesNoCancel:
        return {{QMessageBox::Yes, MsgBox::vbYes}, {QMessageBox::No, MsgBox::vbNo},
                {QMessageBox::Cancel, MsgBox::vbCancel}};
    case MsgBox::vbYesNo:
        return {{QMessageBox::Yes, MsgBox::vbYes}, {QMessageBox::No, MsgBox::vbNo}};
    default:
        return {{QMessageBox::Ok, MsgBox::vbOK}};
    }
}

class MessageBoxes : public MsgBox
{
public:
    int Ask(const QString& prompt, int style) override
    {
        QString shown = prompt;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        // Parented to the active window, so that it never opens beneath a window that stays
        // on top of the others.
        QMessageBox box(iconOf(style), Runtime::Title(), shown, QMessageBox::NoButton,
                        QApplication::activeWindow());
        const QList<ButtonAnswer> buttons = buttonsOf(style);
        for (const ButtonAnswer& b : buttons)
            box.addButton(b.button);
        const int preferred = (style & vbDefaultButton2) && buttons.size() > 1 ? 1 : 0;
        box.setDefaultButton(buttons[preferred].button);
        if (buttons.size() == 1 || buttons.last().answer == vbCancel)
            box.setEscapeButton(buttons.last().button);
        box.exec();
        for (const ButtonAnswer& b : buttons) {
            if (box.clickedButton() == box.button(b.button))
                return b.answer;
        }
        return buttons.last().answer;
    }
};

} // namespace

MsgBox& MsgBox::real()
{
    static MessageBoxes boxes;
    return boxes;
}

} // namespace platform
