#include "platform/ImageList.h"

#include <QFile>
#include <QImageReader>

namespace platform {

namespace {

// The sign pictures live in the program's resources as ":/pictures/<n>", drawn at any size and
// rendered to the list's size on the way out.
class ResourceImageList : public ImageList
{
public:
    int Count() const override { return 12; }
    QSize ImageSize() const override { return QSize(150, 244); }

    QPixmap ListImage(int index) const override
    {
        if (index < 1 || index > Count())
            return QPixmap();
        const QString path = QStringLiteral(":/pictures/%1").arg(index);
        if (!QFile::exists(path))
            return QPixmap();
        QImageReader reader(path);
        reader.setScaledSize(ImageSize());
        return QPixmap::fromImage(reader.read());
    }
};

} // namespace

ImageList& ImageList::real()
{
    static ResourceImageList pictures;
    return pictures;
}

} // namespace platform
