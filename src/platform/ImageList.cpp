#include "platform/ImageList.h"

#include "platform/Icons.h"

namespace platform {

namespace {

// The sign pictures live in the program's resources as ":/pictures/<n>", drawn as vectors and
// rendered at the list's size on the way out.
class ResourceImageList : public ImageList
{
public:
    int Count() const override { return 12; }
    QSize ImageSize() const override { return QSize(150, 244); }

    QPixmap ListImage(int index) const override
    {
        if (index < 1 || index > Count())
            return QPixmap();
        const QImage picture = RenderedSvg(QStringLiteral(":/pictures/%1").arg(index), ImageSize());
        return picture.isNull() ? QPixmap() : QPixmap::fromImage(picture);
    }
};

} // namespace

ImageList& ImageList::real()
{
    static ResourceImageList pictures;
    return pictures;
}

} // namespace platform
