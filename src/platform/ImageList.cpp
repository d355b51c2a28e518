#include "platform/ImageList.h"

#include "platform/Icons.h"

#include <QHash>

namespace platform {

namespace {

// The sign pictures live in the program's resources as ":/pictures/<n>", rendered at the
// list's size when the program was built.
class ResourceImageList : public ImageList
{
public:
    int Count() const override { return 12; }
    QSize ImageSize() const override { return QSize(150, 244); }

    QPixmap ListImage(int index) const override
    {
        if (index < 1 || index > Count())
            return QPixmap();
        // Each picture is decoded once, the first time it is asked for.
        QPixmap& picture = m_decoded[index];
        if (picture.isNull())
            picture = QPixmap::fromImage(BuiltInPicture(QStringLiteral(":/pictures/%1").arg(index)));
        return picture;
    }

private:
    mutable QHash<int, QPixmap> m_decoded;
};

} // namespace

ImageList& ImageList::real()
{
    static ResourceImageList pictures;
    return pictures;
}

} // namespace platform
