#include "platform/Icons.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace platform {

namespace {

const QString IconPath = QStringLiteral(":/icons/zelphine");
const QList<QSize> IconSizes = {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};

// Draws the icon at a size only when someone asks for that size, and once: a window that is
// never given an icon by its desktop costs nothing.
class ApplicationIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        QPixmap& drawn = m_drawn[size.width() << 16 | size.height()];
        if (drawn.isNull())
            drawn = QPixmap::fromImage(RenderedSvg(IconPath, size));
        return drawn;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return IconSizes; }
    QIconEngine* clone() const override { return new ApplicationIconEngine(*this); }

private:
    QHash<int, QPixmap> m_drawn;
};

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
    static const QIcon icon(new ApplicationIconEngine);
    return icon;
}

QPixmap ApplicationIconPixmap(int size)
{
    return ApplicationIcon().pixmap(QSize(size, size));
}

} // namespace platform
