#include "AerobicGraphs.h"

#include "GraphShapes.h"
#include "GraphState.h"
#include "ProgressSampling.h"

#include "common/DrawingSurface.h"
#include "common/NumberText.h"

using namespace GraphShapes;

namespace AerobicGraphs {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QString kGroupCaption = QStringLiteral("Grouped by Date");

void bar(DrawingSurface &s, GraphState &state, float value, const QString &terrain, int scaleCode, bool aquatic,
         bool paper)
{
    const int c = terrainClass(terrain);
    const TerrainLook look = terrainLook(c, aquatic);
    state.legend.show(c, look.main, look.caption);
    const double x = groupLeft(aerobicBarBase(state.step), state.groupIndex);
    const double h = valueHeight(scaleCode, value);
    if (!state.dateShown) {
        label(s, {x + 30, 40}, ProgressSampling::dateLabel(state.dateText), paper ? kBlack : kWhite);
        state.dateShown = true;
    }
    drawBar(s, x, h, look.main, look.shade, paper ? BarFinish::PrintedAerobic : BarFinish::Screen);
    label(s, {x + 45, h + 140}, barValueText(value), paper ? kBlack : kWhite);
}

} // namespace

int terrainClass(const QString &terrain)
{
    if (terrain == QLatin1String("Hilly ") || terrain == QLatin1String("Choppy Waters"))
        return 1;
    if (terrain == QLatin1String("Flat - Indoor") || terrain == QLatin1String("Calm Waters"))
        return 2;
    if (terrain == QLatin1String("Flat - Outdoor") || terrain == QLatin1String("Indoor"))
        return 3;
    return 4;
}

TerrainLook terrainLook(int terrainClass, bool aquatic)
{
    switch (terrainClass) {
    case 1:
        return {QColor(0, 255, 0), QColor(0, 85, 0),
                aquatic ? QStringLiteral("Choppy Waters") : QStringLiteral("Hilly")};
    case 2:
        return {QColor(0, 0, 255), QColor(0, 0, 85),
                aquatic ? QStringLiteral("Calm Waters") : QStringLiteral("Flat - Indoor")};
    case 3:
        return {QColor(255, 0, 0), QColor(85, 0, 0),
                aquatic ? QStringLiteral("Indoor") : QStringLiteral("Flat - Outdoor")};
    default:
        return {QColor(150, 255, 255), QColor(50, 85, 85), QStringLiteral("Other")};
    }
}

double valueHeight(int scaleCode, float value)
{
    const float h = 40.0f * value + 40.0f;
    const float scaled = scaleCode == 3 ? h / 10.0f : scaleCode == 4 ? h / 1300.0f : h;
    // A value far beyond the scale is drawn far above the picture all the
    // same, at a height every painter and 32-bit point can hold.
    return qBound(-1.0e5, double(scaled), 1.0e5);
}

void DrawAeroGraph(DrawingSurface &s, GraphState &state, float value, const QString &terrain, int scaleCode,
                   bool aquatic)
{
    bar(s, state, value, terrain, scaleCode, aquatic, false);
    state.groupCaption = kGroupCaption;
}

void DrawAeroGraphPrint(DrawingSurface &s, GraphState &state, float value, const QString &terrain,
                        int scaleCode, bool aquatic)
{
    bar(s, state, value, terrain, scaleCode, aquatic, true);
}

void DrawAeroLineGraph(DrawingSurface &s, GraphState &state, float value, int scaleCode)
{
    const int x = groupLeft(910, state.groupIndex) + 25;
    const int X = x + 50;
    const int Y = int(NumberText::roundHalfEven(valueHeight(scaleCode, value) + 50));
    label(s, {x + 30.0, 40}, ProgressSampling::dateLabel(state.dateText), kWhite);
    s.setDrawWidth(2);
    const QColor blue(0, 0, 250);
    if (state.previousX[1] < 80) {
        state.previousX[1] = X;
        state.previousY[1] = Y;
    }
    const QPointF previous(state.previousX[1], state.previousY[1]);
    drawBand(s, previous, QPointF(X, Y), 12, blue, [](int i) { return QColor(0, 0, 250 - 10 * i); });
    s.line(previous, previous + QPointF(12, 12), kBlack);
    state.previousX[1] = X;
    state.previousY[1] = Y;
    label(s, {double(X), Y + 60.0}, lineValueText(value), kWhite);
    state.groupCaption = kGroupCaption;
}

} // namespace AerobicGraphs
