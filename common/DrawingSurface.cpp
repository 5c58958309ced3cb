#include "DrawingSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <QtMath>

#include <cmath>
#include <numbers>

DrawingSurface::DrawingSurface() = default;
DrawingSurface::~DrawingSurface() = default;

void DrawingSurface::scale(double left, double top, double right, double bottom)
{
    m_scale = QRectF(QPointF(left, top), QPointF(right, bottom));
    m_defaultScale = false;
}

QRectF DrawingSurface::scaleRect() const
{
    if (m_defaultScale)
        return QRectF(QPointF(0, 0), areaPixels());
    return m_scale;
}

void DrawingSurface::clear()
{
    paintClear(drawnColour(m_back));
    m_current = QPointF(0, 0);
}

void DrawingSurface::setDrawWidth(int pixels)
{
    m_width = qMax(1, pixels);
}

void DrawingSurface::line(QPointF from, QPointF to)
{
    line(from, to, m_fore);
}

void DrawingSurface::line(QPointF from, QPointF to, const QColor &colour)
{
    paintLine(from, to, drawnColour(colour), m_width);
    m_current = to;
}

void DrawingSurface::lineTo(QPointF to)
{
    line(m_current, to, m_fore);
}

void DrawingSurface::lineTo(QPointF to, const QColor &colour)
{
    line(m_current, to, colour);
}

void DrawingSurface::filledBox(QPointF corner, QPointF opposite, const QColor &colour)
{
    paintBox(corner, opposite, drawnColour(colour), m_width);
    m_current = opposite;
}

void DrawingSurface::picture(QPointF corner, QPointF opposite, const QImage &image)
{
    if (image.isNull())
        return;
    paintPicture(corner, opposite,
                 m_mode == ColourMode::Colour ? image : image.convertToFormat(QImage::Format_Grayscale8));
}

void DrawingSurface::paintPicture(QPointF, QPointF, const QImage &) {}

void DrawingSurface::circle(QPointF centre, double radius, const QColor &colour)
{
    paintArc(centre, radius, 0, 2 * std::numbers::pi, false, drawnColour(colour), m_width);
    m_current = centre;
}

void DrawingSurface::arc(QPointF centre, double radius, double start, double end, const QColor &colour)
{
    paintArc(centre, radius, start, end, false, drawnColour(colour), m_width);
    m_current = centre;
}

void DrawingSurface::wedge(QPointF centre, double radius, double start, double end, const QColor &colour)
{
    paintArc(centre, radius, start, end, true, drawnColour(colour), m_width);
    m_current = centre;
}

void DrawingSurface::print(const QString &text, TextEnd end)
{
    paintText(m_current, text, drawnColour(m_fore));
    if (end == TextEnd::AfterText) {
        const QRectF s = scaleRect();
        const double direction = s.width() < 0 ? -1 : 1;
        m_current.rx() += direction * textWidth(text);
        return;
    }
    const QRectF s = scaleRect();
    const double down = s.height() < 0 ? -1 : 1; // the direction of "down" as seen
    m_current = QPointF(s.left(), m_current.y() + down * textHeight());
}

double DrawingSurface::textWidth(const QString &text) const
{
    const QSizeF area = areaPixels();
    if (area.width() <= 0)
        return 0;
    return textPixels(text).width() * qAbs(scaleRect().width()) / area.width();
}

double DrawingSurface::textHeight() const
{
    const QSizeF area = areaPixels();
    if (area.height() <= 0)
        return 0;
    return textPixels(QString()).height() * qAbs(scaleRect().height()) / area.height();
}

QColor DrawingSurface::drawnColour(const QColor &colour) const
{
    if (m_mode == ColourMode::Colour)
        return colour;
    const int grey = qGray(colour.rgb());
    return QColor(grey, grey, grey);
}

QPointF DrawingSurface::toPixels(QPointF logical) const
{
    const QRectF s = scaleRect();
    const QSizeF area = areaPixels();
    const double x = s.width() == 0 ? 0 : (logical.x() - s.left()) * area.width() / s.width();
    const double y = s.height() == 0 ? 0 : (logical.y() - s.top()) * area.height() / s.height();
    return QPointF(x, y);
}

QPointF DrawingSurface::toLogical(QPointF pixels) const
{
    const QRectF s = scaleRect();
    const QSizeF area = areaPixels();
    const double x = area.width() == 0 ? s.left() : s.left() + pixels.x() * s.width() / area.width();
    const double y = area.height() == 0 ? s.top() : s.top() + pixels.y() * s.height() / area.height();
    return QPointF(x, y);
}

double DrawingSurface::toPixelsAlongX(double length) const
{
    const QRectF s = scaleRect();
    return s.width() == 0 ? 0 : length * areaPixels().width() / qAbs(s.width());
}

// ---------------------------------------------------------------------------

PainterSurface::PainterSurface(QPainter *painter, const QRectF &area, double pixelSize)
    : m_painter(painter), m_device(painter ? painter->device() : nullptr), m_area(area),
      m_pixelSize(pixelSize > 0 ? pixelSize : 1.0)
{
}

PainterSurface::PainterSurface(QPaintDevice *device, const QRectF &area, double pixelSize)
    : m_device(device), m_area(area), m_pixelSize(pixelSize > 0 ? pixelSize : 1.0)
{
}

// The painter of one call: the caller's, or one opened on the device for it.
class PainterSurface::Active
{
public:
    explicit Active(const PainterSurface &surface) : m_painter(surface.m_painter)
    {
        if (!m_painter && surface.m_device && m_own.begin(surface.m_device))
            m_painter = &m_own;
    }
    QPainter *operator->() const { return m_painter; }
    QPainter &operator*() const { return *m_painter; }
    explicit operator bool() const { return m_painter != nullptr; }

private:
    QPainter m_own;
    QPainter *m_painter;
};

QPointF PainterSurface::device(QPointF logical) const
{
    return toPixels(logical) + m_area.topLeft();
}

double PainterSurface::penPixels(const QPainter &painter, int width) const
{
    // A cosmetic pen's width counts the device's own pixels, of which a
    // high-density screen image has several to each of the painter's.
    const QPaintDevice *target = painter.device();
    const double ratio = target ? target->devicePixelRatioF() : 1.0;
    return width * m_pixelSize * (ratio > 0 ? ratio : 1.0);
}

namespace {

// A cosmetic pen: its width is in device pixels, whatever the painter's scale.
QPen cosmeticPen(const QColor &colour, double width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

void PainterSurface::paintClear(const QColor &colour)
{
    if (Active p{*this})
        p->fillRect(m_area, colour);
}

void PainterSurface::paintLine(QPointF from, QPointF to, const QColor &colour, int width)
{
    Active p(*this);
    if (!p)
        return;
    p->setPen(cosmeticPen(colour, penPixels(*p, width)));
    p->drawLine(device(from), device(to));
}

void PainterSurface::paintBox(QPointF corner, QPointF opposite, const QColor &colour, int width)
{
    Active p(*this);
    if (!p)
        return;
    QRectF box = QRectF(device(corner), device(opposite)).normalized();
    // However small, a box covers at least the drawing pixel it starts in.
    if (box.width() < m_pixelSize) {
        box.setLeft(std::floor(box.left() / m_pixelSize) * m_pixelSize);
        box.setWidth(m_pixelSize);
    }
    if (box.height() < m_pixelSize) {
        box.setTop(std::floor(box.top() / m_pixelSize) * m_pixelSize);
        box.setHeight(m_pixelSize);
    }
    p->fillRect(box, colour);
    if (width > 1) {
        // The edge is drawn like a line of the draw width, half of it
        // outside the box.
        p->setPen(cosmeticPen(colour, penPixels(*p, width)));
        p->setBrush(Qt::NoBrush);
        p->drawRect(box);
    }
}

void PainterSurface::paintArc(QPointF centre, double radius, double start, double end, bool radiusLines,
                              const QColor &colour, int width)
{
    Active p(*this);
    if (!p)
        return;
    const QPointF c = device(centre);
    const double r = qAbs(toPixelsAlongX(radius));
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const double startDegrees = qRadiansToDegrees(start);
    const double sweepDegrees = qRadiansToDegrees(end - start);
    // The path takes its angles in real degrees, counter-clockwise as seen
    // on a device whose y grows downwards. A wedge is one closed outline,
    // sharp at its corners; an arc ends square at its ends.
    QPainterPath path;
    QPen pen = cosmeticPen(colour, penPixels(*p, width));
    if (radiusLines) {
        path.moveTo(c);
        path.arcTo(box, startDegrees, sweepDegrees);
        path.closeSubpath();
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        path.arcMoveTo(box, startDegrees);
        path.arcTo(box, startDegrees, sweepDegrees);
        pen.setCapStyle(Qt::FlatCap);
    }
    p->setPen(pen);
    p->setBrush(Qt::NoBrush);
    p->drawPath(path);
}

void PainterSurface::paintText(QPointF topLeft, const QString &text, const QColor &colour)
{
    Active p(*this);
    if (!p)
        return;
    p->setFont(font());
    p->setPen(colour);
    const QFontMetricsF metrics(font(), m_device);
    // The base line lies one ascent below the mapped point, in the painter's
    // own unflipped coordinates.
    p->drawText(device(topLeft) + QPointF(0, metrics.ascent()), text);
}

void PainterSurface::paintPicture(QPointF corner, QPointF opposite, const QImage &image)
{
    Active p(*this);
    if (!p)
        return;
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    p->drawImage(QRectF(device(corner), device(opposite)).normalized(), image);
}

QSizeF PainterSurface::areaPixels() const
{
    return m_area.size();
}

QSizeF PainterSurface::textPixels(const QString &text) const
{
    const QFontMetricsF metrics = m_device ? QFontMetricsF(font(), m_device)
                                           : QFontMetricsF(font());
    return QSizeF(metrics.horizontalAdvance(text), metrics.height());
}
