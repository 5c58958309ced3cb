#include "GraphShapes.h"

#include "common/DrawingSurface.h"
#include "common/NumberText.h"

namespace GraphShapes {

int groupLeft(int base, int k)
{
    return base - 130 * k;
}

int groupBase(int step)
{
    return step == 1 ? 910 : step == 2 ? 837 : 817;
}

int aerobicBarBase(int step)
{
    return step == 1 ? 960 : step == 2 ? 887 : 867;
}

SetColours setColours(int set)
{
    switch (set) {
    case 1:
        return {QColor(0, 255, 0), QColor(0, 85, 0)};
    case 2:
        return {QColor(0, 0, 255), QColor(0, 0, 85)};
    case 3:
        return {QColor(255, 0, 0), QColor(85, 0, 0)};
    case 4:
        return {QColor(255, 0, 255), QColor(85, 0, 85)};
    case 5:
        return {QColor(0, 255, 255), QColor(0, 85, 85)};
    default:
        return {QColor(250, 250, 100), QColor(0, 0, 0)};
    }
}

namespace {

// The top face: parallel strokes from the front face's top edge back to
// the rear edge.
void drawTop(DrawingSurface &s, double x, double h, const QColor &shade, BarFinish finish)
{
    switch (finish) {
    case BarFinish::Screen:
        s.setDrawWidth(2);
        for (int i = 5; i <= 21; i += 4)
            s.line({x + i + 45, h + 35}, {x + i + 54, h + 65}, shade);
        break;
    case BarFinish::PrintedWeight:
        s.setDrawWidth(8);
        for (int i = 5; i <= 19; i += 2)
            s.line({x + 42 + i, h + 30}, {x + 54 + i, h + 65}, shade);
        break;
    case BarFinish::PrintedAerobic:
        s.setDrawWidth(8);
        for (int i = 5; i <= 19; i += 2)
            s.line({x + i + 45, h + 33}, {x + i + 54, h + 65}, shade);
        break;
    }
}

// The side face beside the front face.
void drawSide(DrawingSurface &s, double x, double h, const QColor &shade, BarFinish finish)
{
    switch (finish) {
    case BarFinish::Screen:
        s.setDrawWidth(10);
        s.line({x + 68, 96}, {x + 68, h + 41}, shade);
        break;
    case BarFinish::PrintedWeight:
        // The draw width stays that of the top face.
        for (int i = 5; i <= 15; i += 2) {
            if (i <= 10)
                s.line({x + 57 + i, 6.0 * i + 50}, {x + 57 + i, h + 6.0 * i - 14}, shade);
            else
                s.line({x + 57 + i, 4.0 * i + 55}, {x + 57 + i, h + 4.0 * i}, shade);
            s.line({x + 60, i + 62.0}, {x + 75, i + 92.0}, shade);
        }
        break;
    case BarFinish::PrintedAerobic:
        s.setDrawWidth(10);
        for (int j = 5; j <= 15; j += 2) {
            if (j <= 10)
                s.line({x + j + 57, j + 80.0}, {x + j + 57, h + j + 16}, shade);
            else
                s.line({x + j + 57, j + 85.0}, {x + j + 57, h + j + 30}, shade);
            s.line({x + 57, j + 62.0}, {x + 72, j + 92.0}, shade);
        }
        break;
    }
}

} // namespace

void drawBar(DrawingSurface &s, double x, double h, const QColor &main, const QColor &shade, BarFinish finish)
{
    const QColor black(0, 0, 0);
    // Front face, with whatever draw width the surface has.
    s.filledBox({x + 45, h + 30}, {x + 60, 60}, main);
    drawTop(s, x, h, shade, finish);
    drawSide(s, x, h, shade, finish);
    // The edges of the front face, the side and the top.
    s.setDrawWidth(2);
    s.line({x + 45, h + 30}, {x + 60, h + 30}, black);
    s.lineTo({x + 60, 60}, black);
    s.lineTo({x + 45, 60}, black);
    s.lineTo({x + 45, h + 30}, black);
    s.line({x + 60, 60}, {x + 75, 90}, black);
    s.lineTo({x + 75, h + 65}, black);
    s.lineTo({x + 60, h + 30}, black);
    s.line({x + 57, h + 65}, {x + 75, h + 65}, black);
    s.line({x + 57, h + 60}, {x + 45, h + 30}, black);
}

void drawBand(DrawingSurface &s, QPointF previous, QPointF point, int strokes, const QColor &first,
              const std::function<QColor(int)> &ramp)
{
    QColor colour = first;
    for (int i = 1; i <= strokes; ++i) {
        s.line(previous + QPointF(i, i), point + QPointF(i, i), colour);
        colour = ramp(i);
    }
}

void label(DrawingSurface &s, QPointF at, const QString &text, const QColor &colour)
{
    s.setForeColour(colour);
    s.setCurrent(at);
    s.print(text);
}

QString numberText(double value)
{
    const QString text = NumberText::dbl(value);
    return value < 0 ? text : u' ' + text;
}

QString barValueText(float value)
{
    QString text = NumberText::single(value);
    const qsizetype point = text.indexOf(u'.');
    const qsizetype whole = point < 0 ? text.size() : point;
    text = text.left(qMax<qsizetype>(whole, 5));
    if (text.endsWith(u'.'))
        text.chop(1);
    return numberText(NumberText::parse(text).value_or(0));
}

QString lineValueText(float value)
{
    const double exact = NumberText::parse(NumberText::single(value)).value_or(0);
    QString text = QString::number(NumberText::roundHalfEven(exact, 2), 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.startsWith(QStringLiteral("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QStringLiteral("-0.")))
        text.remove(1, 1);
    return text;
}

} // namespace GraphShapes
