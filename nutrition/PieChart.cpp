#include "PieChart.h"

#include "common/DrawingSurface.h"
#include "common/NumberText.h"

#include <algorithm>

namespace PieChart {

namespace {

int component(double value)
{
    return int(std::clamp(NumberText::roundHalfEven(value), 0.0, 255.0));
}

} // namespace

int ringComponent(int p, int radius, int q)
{
    if (radius == 0)
        return 255;
    return component(double(p) / double(radius) * double(q));
}

int Component::at(int radius) const
{
    return p == 0 ? constant : ringComponent(p, radius, q);
}

QColor TopColour::at(int radius) const
{
    return QColor(red.at(radius), green.at(radius), blue.at(radius));
}

QColor backgroundColour(int i)
{
    return QColor(0, 0, component(55 + i / 2.0));
}

int outlineWidth(qsizetype index)
{
    return index == 0 ? 2 : index == 1 ? 3 : 4;
}

QList<Angles> angles(const QList<double> &values, double total)
{
    QList<Angles> out;
    out.reserve(values.size());
    float a = kFirstStart;
    for (const double value : values) {
        const float share = float(value / total);
        const float sweep = float(double(share + share) * kHalfTurn);
        float b = a - sweep;
        if (b < kLastEnd)
            b = kLastEnd;
        out.append({a, b});
        a = b;
    }
    return out;
}

double total(const QList<Part> &parts)
{
    double sum = 0;
    for (const Part &p : parts)
        sum += p.value;
    return NumberText::roundHalfEven(sum);
}

void drawBackground(DrawingSurface &surface)
{
    surface.scale(0, 0, kScale, kScale);
    surface.setDrawWidth(1);
    for (int i = 0; i < kBackgroundLines; ++i)
        surface.line(QPointF(i, 0), QPointF(i, kScale), backgroundColour(i));
}

void drawTop(DrawingSurface &surface, const Part &part, const Angles &wedge)
{
    const QPointF centre(kTopCentre, kTopCentre);
    surface.setDrawWidth(2);
    for (int j = kRim; j >= part.innermost; --j)
        surface.wedge(centre, j, -wedge.start, -wedge.end, part.top.at(j));
}

void drawPie(DrawingSurface &surface, const QList<Part> &parts, double total)
{
    QList<double> values;
    values.reserve(parts.size());
    for (const Part &part : parts)
        values.append(part.value);
    const QList<Angles> wedges = angles(values, total);

    // The side: each layer's rims two units further down and right.
    surface.setDrawWidth(2);
    for (int layer = 0; layer < kSideLayers; ++layer) {
        const double k = layer * kSideStep;
        const QPointF centre(kSideCentre + k, kSideCentre + k);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            for (int j = kRim; j > kRim - kSideRims; --j)
                surface.wedge(centre, j, -wedges[i].start, -wedges[i].end, parts[i].side);
        }
    }

    // The top over it, wedge by wedge: the rings, then the black outline.
    const QPointF centre(kTopCentre, kTopCentre);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        drawTop(surface, parts[i], wedges[i]);
        surface.setDrawWidth(outlineWidth(i));
        surface.wedge(centre, kRim, -wedges[i].start, -wedges[i].end, Qt::black);
        surface.setDrawWidth(2);
    }
}

void drawSentence(DrawingSurface &surface, const QString &text)
{
    surface.setForeColour(Qt::white);
    surface.setCurrent(QPointF(50, 250));
    surface.print(text);
}

} // namespace PieChart
