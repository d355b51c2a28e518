#pragma once

#include "platform/Replaceable.h"

#include <QPixmap>
#include <QSize>

namespace platform {

// A numbered list of pictures of one size, as the sign pictures are kept: picture 1 to Count().
class ImageList : public Replaceable<ImageList>
{
public:
    virtual ~ImageList() = default;

    virtual int Count() const = 0;
    virtual QSize ImageSize() const = 0;
    // Picture `index`; a null pixmap when the list has no such picture.
    virtual QPixmap ListImage(int index) const = 0;

    // The sign pictures built into the program.
    static ImageList& real();
};

} // namespace platform
