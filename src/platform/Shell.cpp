#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

// The address a text names: a text that starts with a scheme is the address it is, and a text
// that starts "www." a web page. Nothing is ever rebuilt into another address: a text that does
// not parse names none.
QUrl AddressOf(const QString& text)
{
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
    const QUrl address(text, QUrl::TolerantMode);
    return address.scheme().isEmpty() ? QUrl() : address;
}

// The desktop's default handler for the address (on Linux, xdg-open). Owner, parameters,
// directory and show command have no meaning there. A text that is no valid address opens
// nothing.
class DesktopShell : public Shell
{
public:
    void ShellExecute(QWidget*, const QString& verb, const QString& file,
                      const std::optional<QString>&, const std::optional<QString>&, int) override
    {
        const QUrl address = AddressOf(file);
        if (verb.compare(QLatin1String("Open"), Qt::CaseInsensitive) == 0 && address.isValid())
            QDesktopServices::openUrl(address);
    }
};

} // namespace

Shell& Shell::real()
{
    static DesktopShell shell;
    return shell;
}

} // namespace platform
