#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace platform {

// A picture built into the program (a resource path such as ":/pictures/1"), as it was
// rendered at build time; a null image when there is no such picture.
QImage BuiltInPicture(const QString& path);

// The program's icon, the zodiac wheel around the sun, in the sizes desktops ask for: 16, 32,
// 48, 64, 128 and 256 pixels. Every window carries it.
QIcon ApplicationIcon();

// The icon drawn at exactly `size` x `size` pixels, as a picture box shows it.
QPixmap ApplicationIconPixmap(int size = 32);

} // namespace platform
