#pragma once

#include <QDate>
#include <QList>
#include <QString>

class DrawingSurface;

// The empty frame of every progress graph: a background, a corner of two
// walls and a floor in light grey, and a Y axis with ticks, gridlines and
// labels chosen by a scale code. The series are then drawn on the same
// 1000 x 1000 units.
//
// Scale codes: 2 weight training (2 to 20), 3 (20 to 220), 4 (2700 to
// 27000), 5 the abdominal graph (30 to 300), any other 1 to 10.
namespace mInitialGraph {

struct YLabel
{
    int value = 0;
    double y = 0; // the height the label stands for
    bool operator==(const YLabel &) const = default;
};

// The labels of a scale code, in increasing order.
QList<YLabel> yLabels(int scaleCode);

// The frame on the screen's picture: clears it, scales it 1000 x 1000 with
// y upwards, paints the floor band and the gradient, the frame in the draw
// width the surface has, then ticks and labels in the surface's font and
// fore colour. Leaves the draw width 1.
void DrawInitialGraph(DrawingSurface &surface, int scaleCode);

// What the printed page says above the frame.
struct PageHeading
{
    QString exercise; // the exercise or activity chosen
    QDate today;
    bool colour = true; // false prints in black and white
};

// The printed page's heading, date, five-set legend and the same frame in
// the lower left of a page scaled 1500 x 1500 with y upwards. Leaves the
// draw width 5, the font size 10 and the fore colour black.
void PrintInitialGraph(DrawingSurface &surface, int scaleCode, const PageHeading &heading);

} // namespace mInitialGraph
