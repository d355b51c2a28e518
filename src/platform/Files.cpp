#include "platform/Files.h"

#include <QFileInfo>

namespace platform {

bool IsWriteProtected(const QString& path)
{
    const QFileInfo info(path);
    // The owner's right to write comes with the file's status, which tells too whether it exists;
    // asking for all the permissions would ask the system about each of them.
    if (!info.permission(QFileDevice::WriteOwner))
        return info.exists();
    return !info.isWritable();
}

bool SaveRefused(const QString& path)
{
    const QFileInfo info(path);
    return IsWriteProtected(info.absoluteFilePath()) || IsWriteProtected(info.absolutePath());
}

} // namespace platform
