#include "WeightGraphs.h"

#include "GraphShapes.h"
#include "GraphState.h"
#include "ProgressSampling.h"

#include "common/DrawingSurface.h"

using namespace GraphShapes;

namespace WeightGraphs {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// The slot of a set's line in the state; sets outside 1 to 5 share the
// unused slot 0.
size_t series(int setNo)
{
    return setNo >= 1 && setNo <= 5 ? size_t(setNo) : 0;
}

struct Band
{
    int strokes;
    std::function<QColor(int)> ramp;
};

// Each set's band is thinner than the one before and fades towards its
// dark end.
Band bandOf(int setNo)
{
    switch (setNo) {
    case 1:
        return {12, [](int i) { return QColor(0, 250 - 10 * i, 0); }};
    case 2:
        return {11, [](int i) { return QColor(0, 0, 255 - 10 * i); }};
    case 3:
        return {10, [](int i) { return QColor(255 - 10 * i, 0, 0); }};
    case 4:
        return {9, [](int i) { return QColor(255 - 10 * i, 0, 255 - 10 * i); }};
    case 5:
        return {8, [](int i) { return QColor(0, 255 - 10 * i, 255 - 10 * i); }};
    default:
        return {8, [setNo](int) { return setColours(setNo).main; }};
    }
}

void bar(DrawingSurface &s, GraphState &state, int reps, int weight, int setNo, BarFinish finish)
{
    const SetColours c = setColours(setNo);
    const double x = groupLeft(groupBase(state.step), state.groupIndex) + 25 * setNo;
    const double h = 40.0 * reps + 40;
    const bool paper = finish != BarFinish::Screen;
    if (!paper)
        state.legend.show(setNo, c.main);
    if (!state.dateShown) {
        label(s, {x + 40, 40}, ProgressSampling::dateLabel(state.dateText), paper ? kBlack : kWhite);
        state.dateShown = true;
    }
    drawBar(s, x, h, c.main, c.shade, finish);
    s.setForeColour(paper ? QColor(0, 30, 100) : kWhite);
    s.setCurrent({x + 45, h + 100});
    if (state.viewValues)
        s.print(numberText(weight));
}

void linePoint(DrawingSurface &s, GraphState &state, int reps, int setNo, int setCount, bool paper)
{
    const int x0 = groupLeft(groupBase(state.step), state.groupIndex);
    const int X = x0 + (paper ? 75 : 95);
    const int Y = 40 * reps + 90;
    if (++state.setCounter == setCount) {
        label(s, {double(paper ? x0 + 55 : x0 + 95), 40}, ProgressSampling::dateLabel(state.dateText),
              paper ? kBlack : kWhite);
        state.setCounter = 0;
    }
    s.setDrawWidth(2);
    const SetColours c = setColours(setNo);
    state.legend.show(setNo, c.main);
    const size_t k = series(setNo);
    if (state.previousX[k] == 0) {
        state.previousX[k] = X;
        state.previousY[k] = Y;
    }
    const QPointF previous(state.previousX[k], state.previousY[k]);
    const Band band = bandOf(setNo);
    drawBand(s, previous, QPointF(X, Y), band.strokes, c.main, band.ramp);
    s.setDrawWidth(1);
    s.line(previous, previous + QPointF(band.strokes, band.strokes), kBlack);
    state.previousX[k] = X;
    state.previousY[k] = Y;
}

} // namespace

void DrawGraph(DrawingSurface &s, GraphState &state, int reps, int weight, int setNo)
{
    bar(s, state, reps, weight, setNo, BarFinish::Screen);
}

void DrawGraphPrint(DrawingSurface &s, GraphState &state, int reps, int weight, int setNo)
{
    bar(s, state, reps, weight, setNo, BarFinish::PrintedWeight);
}

void DrawLineGraph(DrawingSurface &s, GraphState &state, int reps, int setNo, int setCount)
{
    linePoint(s, state, reps, setNo, setCount, false);
}

void DrawLineGraphPrint(DrawingSurface &s, GraphState &state, int reps, int setNo, int setCount)
{
    linePoint(s, state, reps, setNo, setCount, true);
}

} // namespace WeightGraphs
