#pragma once

#include "platform/Replaceable.h"

#include <QString>

namespace platform {

// Message boxes. The style value adds the buttons, the icon and the default button; the answer
// tells which button closed the box. Every box carries the application's title as caption.
class MsgBox : public Replaceable<MsgBox>
{
public:
    enum Style {
        vbOKOnly = 0, vbOKCancel = 1, vbYesNoCancel = 3, vbYesNo = 4,
        vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
        vbDefaultButton2 = 256,
    };
    enum Answer { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

    virtual ~MsgBox() = default;
    // Shows the box modally and returns the answer. A carriage return in the prompt starts a
    // new line.
    virtual int Ask(const QString& prompt, int style) = 0;

    static int Show(const QString& prompt, int style = vbOKOnly) { return instance().Ask(prompt, style); }
    static MsgBox& real();
};

} // namespace platform
