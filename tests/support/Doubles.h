#pragma once

// Test doubles of the platform layer: they record what the program asks of the outside world
// and give scripted answers.

#include "platform/ImageList.h"

#include <QColor>
#include <QImage>
#include <QList>

namespace doubles {

// Puts a double in place of a platform service for the life of the guard.
template <class Service>
class Installed
{
public:
    explicit Installed(Service* stand_in) { Service::replace(stand_in); }
    ~Installed() { Service::replace(nullptr); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;
};

// Twelve pictures, each a plain colour that tells its number; some can be made unavailable.
class ImageList : public platform::ImageList
{
public:
    int Count() const override { return 12; }
    QSize ImageSize() const override { return QSize(150, 244); }
    QPixmap ListImage(int index) const override;

    // The number of the picture a pixmap shows, or 0 when it shows none of them.
    static int NumberShown(const QPixmap& shown);

    mutable QList<int> requested;
    QList<int> unavailable;
};

} // namespace doubles
