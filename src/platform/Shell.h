#pragma once

#include "platform/Replaceable.h"

#include <QString>
#include <optional>

class QWidget;

namespace platform {

// The desktop shell: hands a file or address to the program the desktop opens it with, and
// returns without waiting. Its result is not reported: callers never look at it.
class Shell : public Replaceable<Shell>
{
public:
    enum ShowCommand { SW_SHOWNORMAL = 1, SW_SHOW = 5 };

    virtual ~Shell() = default;
    // `parameters` and `directory` may be absent (no text at all, not an empty one).
    virtual void ShellExecute(QWidget* owner, const QString& verb, const QString& file,
                              const std::optional<QString>& parameters,
                              const std::optional<QString>& directory, int showCommand) = 0;

    static Shell& real();
};

} // namespace platform
