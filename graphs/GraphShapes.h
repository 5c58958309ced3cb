#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <functional>

class DrawingSurface;

// The elements every progress graph is built of, in the graph's units
// (1000 x 1000, y upwards): where a group stands, the three-dimensional bar,
// the band of a line, the date and value labels.
namespace GraphShapes {

// Left edge of group k (1 for the newest) when the groups stand 130 units
// apart from `base`: base - 130 k.
int groupLeft(int base, int k);
// The base of the weight-training and abdominal groups, and of the printed
// aerobic line: 910 for step 1, 837 for step 2, 817 for any other.
int groupBase(int step);
// The base of the aerobic bars: 960, 887 or 867 by the step.
int aerobicBarBase(int step);

// Main colour (bar front, legend, line) and shade (bar top and side) of
// the sets 1 to 5; any other set gets a yellow front and a black shade, so
// nothing ever looks past the five.
struct SetColours
{
    QColor main;
    QColor shade;
};
SetColours setColours(int set);

// How a bar's top and side are drawn: the screen hatches them thinly, the
// printed weight-training and aerobic bars each in a manner of their own.
enum class BarFinish { Screen, PrintedWeight, PrintedAerobic };

// A three-dimensional bar whose front face spans x + 45 to x + 60 and from
// 60 up to h + 30: the front face in the main colour, the top and side in
// the shade, black edges. The draw width is left at 2.
void drawBar(DrawingSurface &surface, double x, double h, const QColor &main, const QColor &shade,
             BarFinish finish);

// The band that joins a line's previous point to its new one: `strokes`
// parallel lines one unit apart diagonally, the first in `first`, each
// further one in ramp(i) of the stroke i before it.
void drawBand(DrawingSurface &surface, QPointF previous, QPointF point, int strokes, const QColor &first,
              const std::function<QColor(int)> &ramp);

// Text in a colour with its top left at a point.
void label(DrawingSurface &surface, QPointF at, const QString &text, const QColor &colour);

// A number as a label prints it: a blank in the sign's place before a value
// that is not negative (" 100", "-3").
QString numberText(double value);

// The value over an aerobic bar: the value's text cut to five characters,
// decimals only (12.3456 gives 12.34, 1234.56 gives 1234, 109289.6 gives
// 109289), as a number.
QString barValueText(float value);

// The value beside an aerobic line point: at most two decimals, no leading
// zero, no trailing zeros, the point always shown (12.35, 5., .5).
QString lineValueText(float value);

} // namespace GraphShapes
