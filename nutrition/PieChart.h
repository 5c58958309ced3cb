#pragma once

#include <QColor>
#include <QList>
#include <QString>

class DrawingSurface;

// The raised, shaded pie that the caloric balance and the food pie chart
// draw into their picture boxes: a blue gradient background, a side built of
// eight layers of coloured rims, and a top whose wedges are shaded by dense
// rings from the rim inwards and outlined in black. The picture is given the
// scale (0, 0)-(500, 500), y growing downwards; radii are measured along x,
// so the pie is round whatever the box's shape.
namespace PieChart {

constexpr int kScale = 500;
// The background: one vertical line for each x from 0 to 500.
constexpr int kBackgroundLines = kScale + 1;
// The rim of the top and the outline.
constexpr int kRim = 159;
// The side: rims 159 to 155, eight layers two units apart.
constexpr int kSideRims = 5;
constexpr int kSideLayers = 8;
constexpr int kSideStep = 2;
constexpr double kSideCentre = 235;
constexpr double kTopCentre = 250;
// Where the first wedge starts, and how far the last may end (radians; the
// wedge outline takes them as negative numbers).
constexpr float kFirstStart = -0.001f;
constexpr float kLastEnd = -6.2831f;
// Twice this is the turn the shares are spread over: a little less than a
// full turn, so a sliver stays open between the last wedge and the first.
constexpr double kHalfTurn = 3.14;

// One colour component of a wedge's top: a constant, or P / j x Q for the
// ring of radius j.
struct Component
{
    int constant = 0;
    int p = 0; // 0: the constant
    int q = 0;

    static Component fixed(int value) { return {value, 0, 0}; }
    static Component shaded(int p, int q) { return {0, p, q}; }
    int at(int radius) const;
};

struct TopColour
{
    Component red, green, blue;
    QColor at(int radius) const;
};

struct Part
{
    double value = 0;
    QColor side;
    TopColour top;
    int innermost = 1; // the smallest ring radius of the top: 1 or 10
};

// P / j x Q computed in double precision, to the nearest whole number
// (halves to even), above 255 counting as 255.
int ringComponent(int p, int radius, int q);
// The colour of the background line at x = i: (0, 0, 55 + i / 2), halves
// to even, above 255 counting as 255.
QColor backgroundColour(int i);
// The black outline's width of the part at `index`: 2, 3, then 4.
int outlineWidth(qsizetype index);

// The start and end angles of a wedge as the wedge outline takes them:
// negative, the wedge running from -start to -end counter-clockwise.
struct Angles
{
    float start = 0;
    float end = 0;
};
// The wedges of the values: each part's share (value / total) and its sweep
// (twice the share times 3.14) kept in single precision, each part starting
// where the one before ended, the first at 0.001 radians, none ending beyond
// 6.2831.
QList<Angles> angles(const QList<double> &values, double total);

// The sum of the parts' values, to the nearest whole number (halves to
// even): what the shares of the pie are of.
double total(const QList<Part> &parts);

// Scales the picture to (0, 0)-(500, 500) and draws the background.
void drawBackground(DrawingSurface &surface);
// The side layers, then the shaded and outlined top of each part, over the
// background. `total` is what the shares are of (a positive number).
void drawPie(DrawingSurface &surface, const QList<Part> &parts, double total);
// The shaded rings of one part's top alone.
void drawTop(DrawingSurface &surface, const Part &part, const Angles &wedge);
// A sentence in white over the background, from (50, 250).
void drawSentence(DrawingSurface &surface, const QString &text);

} // namespace PieChart
