#pragma once

#include "platform/Replaceable.h"

#include <QString>

class QWidget;

namespace platform {

// The Save As dialog. Its properties are set before it is shown; FileName then receives the path
// the user chose.
class CommonDialog : public Replaceable<CommonDialog>
{
public:
    enum Flag {
        cdlOFNOverwritePrompt = 0x2,   // choosing an existing file asks before it is replaced
        cdlOFNHideReadOnly = 0x4,      // no read-only check box (the dialog never has one)
        cdlOFNPathMustExist = 0x800,   // a name in a folder that does not exist is refused
        cdlOFNNoReadOnlyReturn = 0x8000, // a write-protected file, or one in such a folder, is refused
    };

    struct Properties
    {
        QString Filter;      // pairs of description and pattern, all separated by "|"
        int FilterIndex = 0; // the pair selected at first, from 1; the first when there is no such pair
        QString DefaultExt;  // added to a name given without extension
        int Flags = 0;
        QString DialogTitle;
        QString FileName;    // the name shown at first; then the path chosen
    };

    virtual ~CommonDialog() = default;

    // Shows the dialog modally over `owner` until the user chooses a name the dialog accepts, or
    // cancels. Returns false on cancel, leaving FileName as it was.
    virtual bool ShowSave(QWidget* owner, Properties& dialog) = 0;

    static CommonDialog& real();
};

} // namespace platform
