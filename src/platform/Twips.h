#pragma once

#include <QRect>

namespace platform {

// Layouts are given in twips, 1440 to the inch. At the usual 96 dots per inch a pixel is 15
// twips; other screens scale with their logical resolution.
int twips(int value);
QRect twipsRect(int left, int top, int width, int height);

} // namespace platform
