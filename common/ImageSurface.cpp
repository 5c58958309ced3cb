#include "ImageSurface.h"

namespace {

QSize atLeastOnePixel(const QSize &size)
{
    return size.expandedTo(QSize(1, 1));
}

} // namespace

// The base keeps only the image's address until the first drawing call.
ImageSurface::ImageSurface(const QSize &size, const QColor &backColour, qreal devicePixelRatio)
    : PainterSurface(&m_image, QRectF(QPointF(0, 0), QSizeF(atLeastOnePixel(size)))),
      m_size(atLeastOnePixel(size))
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    m_image = QImage(m_size * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    setBackColour(backColour);
    m_image.fill(backColour);
}
