// The sign pictures and the application icon built into the program: what the picture list
// gives, what the main window shows of it, and the icon every window carries.

#include "main_window/frmMain.h"
#include "platform/Icons.h"
#include "platform/ImageList.h"
#include "signs/zodiac.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The signs by their picture numbers 1 to 12.
const QStringList AlphabeticalSigns = {
    "Aquarius", "Aries", "Cancer", "Capricorn", "Gemini", "Leo",
    "Libra", "Pisces", "Sagittarius", "Scorpio", "Taurus", "Virgo"};

QString PicturePath(int number)
{
    return QStringLiteral(":/pictures/%1").arg(number);
}

// The name a vector picture gives itself in its <title>.
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

// The program's orange (255, 128, 0) and the lighter and darker shades of its gradient.
bool IsOrange(const QColor& colour)
{
    const int hue = colour.hsvHue();
    return hue >= 20 && hue <= 40 && colour.hsvSaturationF() >= 0.5 && colour.valueF() >= 0.75;
}

bool IsDark(const QColor& colour)
{
    return colour.valueF() < 0.4;
}

// The share of the pixels of `area`, sampled every other pixel, that `test` accepts.
double ShareOf(const QImage& image, const QRect& area, bool (*test)(const QColor&))
{
    int sampled = 0;
    int accepted = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            ++sampled;
            if (test(image.pixelColor(x, y)))
                ++accepted;
        }
    }
    return sampled ? double(accepted) / sampled : 0.0;
}

QImage Opaque(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private:
    platform::ImageList& pictures = platform::ImageList::real();

private slots:
    void theListHoldsTwelvePicturesOfOneSize()
    {
        QCOMPARE(pictures.Count(), 12);
        QCOMPARE(pictures.ImageSize(), QSize(150, 244));
        QList<QImage> seen;
        for (int number = 1; number <= 12; ++number) {
            const QPixmap picture = pictures.ListImage(number);
            QVERIFY2(!picture.isNull(), qPrintable(AlphabeticalSigns[number - 1]));
            QCOMPARE(picture.size(), QSize(150, 244));
            const QImage image = Opaque(picture);
            QVERIFY2(!seen.contains(image), "two numbers give the same picture");
            seen.append(image);
        }

        for (int outside : {0, 13, -1})
            QVERIFY(pictures.ListImage(outside).isNull());
    }

    void eachNumberIsItsSignInAlphabeticalOrder()
    {
        for (int number = 1; number <= 12; ++number)
            QCOMPARE(TitleOf(PicturePath(number)), AlphabeticalSigns[number - 1]);
        // The sign table's numbers lead to the same pictures.
        for (const ZodiacSign& sign : Zodiac)
            QCOMPARE(TitleOf(PicturePath(sign.pictureNumber)), sign.name);
    }

    void eachPictureIsAFigureAndANameOnOrange()
    {
        const QRect whole(0, 0, 150, 244);
        const QRect figure(10, 12, 130, 178);
        const QRect name(10, 203, 130, 22);
        for (int number = 1; number <= 12; ++number) {
            const QImage image = pictures.ListImage(number).toImage();
            const QByteArray sign = AlphabeticalSigns[number - 1].toUtf8();
            QVERIFY2(ShareOf(image, whole, IsOrange) > 0.6, sign);
            QVERIFY2(ShareOf(image, figure, IsDark) > 0.08, sign);
            QVERIFY2(ShareOf(image, name, IsDark) > 0.04, sign);
            // The ground fills the picture to its corners.
            for (QPoint corner : {whole.topLeft(), whole.topRight(), whole.bottomLeft(), whole.bottomRight()})
                QVERIFY2(IsOrange(image.pixelColor(corner)), sign);
        }
    }

    void aPictureThatCannotBeDrawnIsNull()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString broken = folder.filePath("broken.svg");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect width=");
        file.close();
        QVERIFY(platform::RenderedSvg(broken, QSize(150, 244)).isNull());
        QVERIFY(platform::RenderedSvg(folder.filePath("missing.svg"), QSize(150, 244)).isNull());
        QCOMPARE(platform::RenderedSvg(PicturePath(1), QSize(300, 488)).size(), QSize(300, 488));
    }

    void theMainWindowShowsTheChosenSignsPicture()
    {
        frmMain window;
        window.Load();
        auto* picZodiac = window.findChild<QLabel*>("picZodiac");
        auto* cboSign = window.findChild<QComboBox*>("cboSign");
        QVERIFY(picZodiac && cboSign);

        QCOMPARE(Opaque(picZodiac->pixmap()), Opaque(pictures.ListImage(2)));
        const QList<QPair<QString, int>> choices = {{"Aquarius", 1}, {"Scorpio", 10}, {"Virgo", 12}};
        for (const auto& [sign, number] : choices) {
            cboSign->setCurrentIndex(cboSign->findText(sign));
            QVERIFY2(Opaque(picZodiac->pixmap()) == Opaque(pictures.ListImage(number)),
                     qPrintable(sign));
        }
    }

    void thePictureFillsItsSunkenBoxExactly()
    {
        if (!qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0))
            QSKIP("the box is measured for a 96 DPI screen");
        frmMain window;
        window.Load();
        auto* picZodiac = window.findChild<QLabel*>("picZodiac");
        QVERIFY(picZodiac);
        QCOMPARE(picZodiac->size(), QSize(154, 248));
        QCOMPARE(picZodiac->contentsRect(), QRect(2, 2, 150, 244));
        // What the box draws inside its border is the whole picture, pixel for pixel.
        const QImage drawn = picZodiac->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.copy(2, 2, 150, 244), Opaque(pictures.ListImage(2)));
        QVERIFY(!IsOrange(drawn.pixelColor(0, 0))); // the border is drawn around it
    }

    void everyWindowCarriesTheApplicationIcon()
    {
        const QIcon icon = platform::ApplicationIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48, 64, 128, 256})
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));

        const QPixmap small = platform::ApplicationIconPixmap();
        QCOMPARE(small.size(), QSize(32, 32));
        const QImage image = small.toImage();
        QVERIFY(ShareOf(image, image.rect(), IsOrange) > 0.15);
        QVERIFY(ShareOf(image, image.rect(), IsDark) > 0.1);

        platform::Form plain;
        frmMain mainWindow;
        for (platform::Form* window : {&plain, static_cast<platform::Form*>(&mainWindow)}) {
            QCOMPARE(window->windowIcon().availableSizes(), icon.availableSizes());
            QCOMPARE(window->windowIcon().pixmap(QSize(32, 32)).toImage(), image);
        }
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
