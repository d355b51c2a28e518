#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

// The desktop's default handler for the address (on Linux, xdg-open). Owner, parameters,
// directory and show command have no meaning there. A text without scheme is read as the shell
// reads it: "www.example.com" is a web address, "/home/me/a.rtf" a file.
class DesktopShell : public Shell
{
public:
    void ShellExecute(QWidget*, const QString& verb, const QString& file,
                      const std::optional<QString>&, const std::optional<QString>&, int) override
    {
        if (verb.compare(QLatin1String("Open"), Qt::CaseInsensitive) == 0)
            QDesktopServices::openUrl(QUrl::fromUserInput(file));
    }
};

} // namespace

Shell& Shell::real()
{
    static DesktopShell shell;
    return shell;
}

} // namespace platform
