#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Where a picture has ink, for the tests of what is drawn.
namespace Pixels {

// The bounding box of every pixel of the image that is not `back`.
inline QRect inkBox(const QImage &image, QColor back = Qt::white)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != back)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The bounding box of the pixels of one colour.
inline QRect colourBox(const QImage &image, QColor colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace Pixels
