#include "support/Doubles.h"

namespace doubles {

namespace {

QColor colourOf(int number)
{
    return QColor(number * 20, 255 - number * 20, 128);
}

} // namespace

QPixmap ImageList::ListImage(int index) const
{
    requested.append(index);
    if (index < 1 || index > Count() || unavailable.contains(index))
        return QPixmap();
    QPixmap picture(ImageSize());
    picture.fill(colourOf(index));
    return picture;
}

int ImageList::NumberShown(const QPixmap& shown)
{
    if (shown.isNull())
        return 0;
    const QColor colour = shown.toImage().pixelColor(0, 0);
    for (int number = 1; number <= 12; ++number) {
        if (colour == colourOf(number))
            return number;
    }
    return 0;
}

} // namespace doubles
