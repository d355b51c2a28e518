// The sign pictures and the application icon built into the program.

#include "main_window/frmMain.h"
#include "platform/Icons.h"
#include "platform/ImageList.h"
#include "signs/zodiac.h"

#include <QImageReader>
#include <QtTest>

namespace {

bool IsOrange(const QColor& c) { return c.hsvHue() >= 20 && c.hsvHue() <= 40 && c.hsvSaturationF() >= 0.5 && c.valueF() >= 0.75; }
bool IsDark(const QColor& c) { return c.valueF() < 0.4; }

// The share of the pixels of `area` (the whole picture when empty) that `test` accepts.
double ShareOf(const QImage& image, bool (*test)(const QColor&), QRect area = QRect())
{
    area = area.isEmpty() ? image.rect() : area;
    int accepted = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            accepted += test(image.pixelColor(x, y));
    }
    return double(accepted) / (area.width() * area.height());
}

QImage Opaque(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

    platform::ImageList& pictures = platform::ImageList::real();

private slots:
    // Twelve distinct pictures of one size, numbered in the alphabetical order of the signs (as
    // their "Title" texts tell), each a dark figure above a dark name on an orange ground that
    // reaches the corners.
    void eachSignHasItsPicture()
    {
        QCOMPARE(pictures.Count(), 12);
        QList<QImage> seen;
        for (const ZodiacSign& sign : Zodiac) {
            const QByteArray name = sign.name.toUtf8();
            QCOMPARE(QImageReader(QString(":/pictures/%1").arg(sign.pictureNumber)).text("Title"), sign.name);
            const QImage image = Opaque(pictures.ListImage(sign.pictureNumber));
            QCOMPARE(image.size(), QSize(150, 244));
            QVERIFY2(!seen.contains(image), name);
            seen.append(image);
            QVERIFY2(ShareOf(image, IsOrange) > 0.6, name);
            QVERIFY2(ShareOf(image, IsDark, QRect(10, 12, 130, 178)) > 0.08, name);
            QVERIFY2(ShareOf(image, IsDark, QRect(10, 203, 130, 22)) > 0.04, name);
            for (QPoint corner : {QPoint(0, 0), QPoint(149, 0), QPoint(0, 243), QPoint(149, 243)})
                QVERIFY2(IsOrange(image.pixelColor(corner)), name);
        }
        for (int outside : {0, 13, -1})
            QVERIFY(pictures.ListImage(outside).isNull());
    }

    // What the main window's picture box draws inside its sunken border is the whole picture.
    void thePictureFillsItsSunkenBoxExactly()
    {
        if (!qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0))
            QSKIP("the box is measured for a 96 DPI screen");
        frmMain window;
        window.Load();
        auto* picZodiac = window.findChild<QLabel*>("picZodiac");
        QCOMPARE(picZodiac->contentsRect(), QRect(2, 2, 150, 244));
        const QImage drawn = Opaque(picZodiac->grab());
        QCOMPARE(drawn.copy(2, 2, 150, 244), Opaque(pictures.ListImage(2)));
        QVERIFY(!IsOrange(drawn.pixelColor(0, 0)));
    }

    // The icon holds the sizes desktops ask for, and comes at any size asked for, one it was
    // rendered at or not; the main window carries it.
    void everyWindowCarriesTheApplicationIcon()
    {
        for (int size : {16, 32, 48, 64, 128, 256})
            QVERIFY(platform::ApplicationIcon().availableSizes().contains(QSize(size, size)));
        for (int size : {16, 24, 32, 100, 256}) {
            const QImage drawn = platform::ApplicationIconPixmap(size).toImage();
            QCOMPARE(drawn.size(), QSize(size, size));
            QVERIFY2(ShareOf(drawn, IsOrange) > 0.15 && ShareOf(drawn, IsDark) > 0.03, qPrintable(QString::number(size)));
        }
        QCOMPARE(frmMain().windowIcon().pixmap(QSize(32, 32)).toImage(), platform::ApplicationIconPixmap().toImage());
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
