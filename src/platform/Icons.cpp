#include "platform/Icons.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace platform {

namespace {

const QString IconPath = QStringLiteral(":/icons/zelphine");
const int IconSizes[] = {16, 32, 48, 64, 128, 256};

} // namespace

QImage RenderedSvg(const QString& path, QSize size)
{
    // Checked first so that a missing picture is a quiet null image, not a parser warning.
    if (!QFile::exists(path) || size.isEmpty())
        return QImage();
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QIcon ApplicationIcon()
{
    // Drawn at each size rather than scaled from one bitmap, so the small sizes stay sharp.
    QIcon icon;
    for (int size : IconSizes)
        icon.addPixmap(ApplicationIconPixmap(size));
    return icon;
}

QPixmap ApplicationIconPixmap(int size)
{
    return QPixmap::fromImage(RenderedSvg(IconPath, QSize(size, size)));
}

} // namespace platform
