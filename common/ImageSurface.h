#pragma once

#include "DrawingSurface.h"

#include <QImage>

// A drawing surface that keeps what is drawn on it in an image, for a window
// to show whenever it repaints. The area is `size` logical pixels (the image
// holds that times the screen's pixel ratio) and starts filled with the back
// colour.
class ImageSurface : public PainterSurface
{
public:
    explicit ImageSurface(const QSize &size, const QColor &backColour = Qt::white,
                          qreal devicePixelRatio = 1.0);

    // What is drawn so far; shown, saved or compared between drawing calls.
    const QImage &image() const { return m_image; }
    QSize size() const { return m_size; }

private:
    QSize m_size;
    QImage m_image;
};
