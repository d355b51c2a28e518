#pragma once

#include <QColor>

namespace platform {

// Colour `index` of the 16-colour palette (0 black to 15 bright white); an invalid colour for
// any other index.
QColor QBColor(int index);

} // namespace platform
