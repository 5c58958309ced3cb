#include "AbdominalGraphs.h"

#include "GraphShapes.h"
#include "GraphState.h"
#include "ProgressSampling.h"

#include "common/DrawingSurface.h"

#include <functional>

using namespace GraphShapes;

namespace AbdominalGraphs {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

struct Series
{
    QString caption;
    QColor main;  // bar front and legend
    QColor shade; // bar top and side
    QColor line;
    std::function<QColor(int)> ramp;
    int tick; // the black tick at a line's previous point
};

// Series 2 upper, 3 lower, 4 oblique; anything else draws as the oblique.
Series seriesOf(int s)
{
    switch (s) {
    case 2:
        return {QStringLiteral("Upper Abs"), QColor(0, 250, 0), QColor(0, 85, 0), QColor(0, 250, 0),
                [](int i) { return QColor(0, 250 - 10 * i, 0); }, 12};
    case 3:
        return {QStringLiteral("Lower Abs"), QColor(0, 0, 250), QColor(0, 0, 85), QColor(0, 0, 255),
                [](int i) { return QColor(0, 0, 250 - 10 * i); }, 12};
    default:
        return {QStringLiteral("Oblique Abs"), QColor(255, 0, 0), QColor(85, 0, 0), QColor(255, 0, 0),
                [](int i) { return QColor(250 - 10 * i, 0, 0); }, 20};
    }
}

// The line series (previous point) of an abdominal series: 2 gives 1, 3
// gives 2, 4 gives 3.
size_t lineSeries(int s)
{
    return s >= 2 && s <= 4 ? size_t(s - 1) : 3;
}

} // namespace

void DrawAbGraph(DrawingSurface &s, GraphState &state, int value, int series)
{
    const Series look = seriesOf(series);
    state.legend.show(series, look.main, look.caption);
    const double x = groupLeft(groupBase(state.step), state.groupIndex) + 25 * series;
    const double h = 3.0 * value - 15;
    if (++state.setCounter == 3) {
        label(s, {x + 30, 40}, ProgressSampling::dateLabel(state.dateText), kWhite);
        state.setCounter = 0;
    }
    drawBar(s, x, h, look.main, look.shade, BarFinish::Screen);
    s.setForeColour(kWhite);
    s.setCurrent({x + 30, h + 100});
    if (state.viewValues)
        s.print(numberText(value));
}

void DrawAbLineGraph(DrawingSurface &s, GraphState &state, int value, int series)
{
    const Series look = seriesOf(series);
    const int x0 = groupLeft(groupBase(state.step), state.groupIndex);
    const int X = x0 + 75;
    const int Y = 2 * value + 70;
    if (++state.setCounter == 3) {
        label(s, {x0 + 95.0, 40}, ProgressSampling::dateLabel(state.dateText), kWhite);
        state.setCounter = 0;
    }
    s.setDrawWidth(2);
    state.legend.show(series, look.main, look.caption);
    const size_t k = lineSeries(series);
    if (state.previousX[k] == 0) {
        state.previousX[k] = X;
        state.previousY[k] = Y;
    }
    const QPointF previous(state.previousX[k], state.previousY[k]);
    drawBand(s, previous, QPointF(X, Y), 12, look.line, look.ramp);
    s.setDrawWidth(1);
    s.line(previous, previous + QPointF(look.tick, look.tick), kBlack);
    state.previousX[k] = X;
    state.previousY[k] = Y;
}

} // namespace AbdominalGraphs
