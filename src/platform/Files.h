#pragma once

#include <QString>

namespace platform {

// Whether a file or folder may not be written: the user lacks the right to, or it is marked
// read-only (its owner may not write it), which holds for every user, the administrator too.
bool IsWriteProtected(const QString& path);
// Whether saving a file at `path` is refused: the file or the folder it goes into is
// write-protected.
bool SaveRefused(const QString& path);

} // namespace platform
