// Renders a vector picture into a PNG of the size given, at build time, so that the program
// only has to decode a small bitmap when it shows one. The picture's <title> goes along as the
// PNG's "Title" text.
//
//   render_svg <picture.svg> <picture.png> <width> <height>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

QString TitleOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("title"))
            return xml.readElementText();
    }
    return QString();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QSize size = arguments.size() == 5 ? QSize(arguments[3].toInt(), arguments[4].toInt()) : QSize();
    if (size.isEmpty()) {
        std::fprintf(stderr, "usage: render_svg <picture.svg> <picture.png> <width> <height>\n");
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_svg: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();

    QImageWriter writer(arguments[2], "png");
    const QString title = TitleOf(arguments[1]);
    if (!title.isEmpty())
        writer.setText(QStringLiteral("Title"), title);
    if (!writer.write(image)) {
        std::fprintf(stderr, "render_svg: cannot write %s: %s\n", qPrintable(arguments[2]),
                     qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
