#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Window geometry is given in twips: 15 twips are one logical pixel. A
// control placed through these helpers remembers its position and size in
// twips, so code that moves it by whole twips (the label-buttons) gets back
// exactly what it set, even where a twip value is not a whole pixel.
namespace Twips {

constexpr int kPerPixel = 15;

// Twips to pixels, to the nearest pixel (a half going to the even pixel).
int toPixels(int twips);
// Pixels to twips.
constexpr int fromPixels(int pixels) { return pixels * kPerPixel; }

QPoint point(int left, int top);
QSize size(int width, int height);
QRect rect(int left, int top, int width, int height);

// Sets the control's geometry from twips and remembers the twip values.
void place(QWidget *control, int left, int top, int width, int height);
// Moves the control to a position given in twips; its size stays.
void move(QWidget *control, int left, int top);
// Resizes the control; its position stays.
void resize(QWidget *control, int width, int height);

// The control's geometry in twips: the remembered values while the control
// still stands where they put it, else its pixel geometry times 15.
int left(const QWidget *control);
int top(const QWidget *control);
int width(const QWidget *control);
int height(const QWidget *control);

} // namespace Twips
