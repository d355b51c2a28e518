#include "platform/Files.h"

#include <QFileInfo>

namespace platform {

bool IsWriteProtected(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
}

bool SaveRefused(const QString& path)
{
    const QFileInfo info(path);
    return IsWriteProtected(info.absoluteFilePath()) || IsWriteProtected(info.absolutePath());
}

} // namespace platform
