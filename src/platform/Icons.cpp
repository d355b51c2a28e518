#include "platform/Icons.h"

#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

namespace platform {

namespace {

const QList<int> IconSizes = {16, 32, 48, 64, 128, 256};

// The icon's picture drawn for `size`: the smallest of the rendered sizes that is at least as
// large, scaled down when it is not exactly that size.
QPixmap IconPicture(const QSize& size)
{
    const int wanted = qMax(size.width(), size.height());
    int source = IconSizes.last();
    for (int available : IconSizes) {
        if (available >= wanted) {
            source = available;
            break;
        }
    }
    const QImage picture = BuiltInPicture(QStringLiteral(":/icons/zelphine-%1").arg(source));
    if (picture.isNull() || picture.size() == size)
        return QPixmap::fromImage(picture);
    return QPixmap::fromImage(picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// Loads the icon at a size only when someone asks for that size, and once: a window that is
// never given an icon by its desktop costs nothing.
class ApplicationIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        if (size.isEmpty())
            return QPixmap();
        QPixmap& drawn = m_drawn[size.width() << 16 | size.height()];
        if (drawn.isNull())
            drawn = IconPicture(size);
        return drawn;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : IconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine* clone() const override { return new ApplicationIconEngine(*this); }

private:
    QHash<int, QPixmap> m_drawn;
};

} // namespace

QImage BuiltInPicture(const QString& path)
{
    // The built-in pictures are all PNG: read them as such, without first asking every image
    // plugin whether it knows the format.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon ApplicationIcon()
{
    static const QIcon icon(new ApplicationIconEngine);
    return icon;
}

QPixmap ApplicationIconPixmap(int size)
{
    return ApplicationIcon().pixmap(QSize(size, size));
}

} // namespace platform
