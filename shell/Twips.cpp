#include "Twips.h"

#include <QVariant>
#include <QWidget>

namespace {

const char *const kLeft = "pulsarLeftTwips";
const char *const kTop = "pulsarTopTwips";
const char *const kWidth = "pulsarWidthTwips";
const char *const kHeight = "pulsarHeightTwips";

// Each remembered value is a pair: the twips that were set and the pixels
// the control had right after (the window system may have limited them).
// The twips count while the control still has those pixels.
int remembered(const QWidget *control, const char *property, int pixels)
{
    const QPoint v = control->property(property).toPoint();
    if (control->property(property).isValid() && v.y() == pixels)
        return v.x();
    return Twips::fromPixels(pixels);
}

void remember(QWidget *control, const char *property, int twips, int pixels)
{
    control->setProperty(property, QPoint(twips, pixels));
}

} // namespace

namespace Twips {

int toPixels(int twips)
{
    // Integer half-to-even division, so a value is exact on every platform.
    const int sign = twips < 0 ? -1 : 1;
    const int magnitude = twips < 0 ? -twips : twips;
    int whole = magnitude / kPerPixel;
    const int rest = magnitude % kPerPixel;
    if (rest * 2 > kPerPixel)
        ++whole;
    return sign * whole;
}

QPoint point(int left, int top)
{
    return QPoint(toPixels(left), toPixels(top));
}

QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

QRect rect(int left, int top, int width, int height)
{
    return QRect(point(left, top), size(width, height));
}

void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(rect(left, top, width, height));
    remember(control, kLeft, left, control->x());
    remember(control, kTop, top, control->y());
    remember(control, kWidth, width, control->width());
    remember(control, kHeight, height, control->height());
}

void move(QWidget *control, int left, int top)
{
    control->move(point(left, top));
    remember(control, kLeft, left, control->x());
    remember(control, kTop, top, control->y());
}

void resize(QWidget *control, int width, int height)
{
    control->resize(size(width, height));
    remember(control, kWidth, width, control->width());
    remember(control, kHeight, height, control->height());
}

int left(const QWidget *control)
{
    return remembered(control, kLeft, control->x());
}

int top(const QWidget *control)
{
    return remembered(control, kTop, control->y());
}

int width(const QWidget *control)
{
    return remembered(control, kWidth, control->width());
}

int height(const QWidget *control)
{
    return remembered(control, kHeight, control->height());
}

} // namespace Twips
