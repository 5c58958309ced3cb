#pragma once

#include <QColor>
#include <QString>

class DrawingSurface;
struct GraphState;

// The aerobic graphs: one value per shown workout, as a bar coloured by the
// workout's terrain or as a point of one blue line. The reader stores the
// group index and date in the state and calls these once per workout.
namespace AerobicGraphs {

// The terrain classes 1 to 4 of the bars: "Hilly " (with its blank) and
// "Choppy Waters" 1, "Flat - Indoor" and "Calm Waters" 2, "Flat - Outdoor"
// and "Indoor" 3, any other text 4.
int terrainClass(const QString &terrain);
struct TerrainLook
{
    QColor main;
    QColor shade;
    QString caption; // the legend's caption, by the category
};
TerrainLook terrainLook(int terrainClass, bool aquatic);

// The height of a value on a scale code: 40 v + 40 on codes 1 and 2, a
// tenth of that on 3, a 1300th on 4.
double valueHeight(int scaleCode, float value);

// One bar on the screen, front face at x + 45 where x = 960, 887 or 867 by
// the step - 130 k; the value over it. `aquatic` when the category is
// "Aquatic Activities" (legend captions).
void DrawAeroGraph(DrawingSurface &surface, GraphState &state, float value, const QString &terrain,
                   int scaleCode, bool aquatic);

// The same bar on paper.
void DrawAeroGraphPrint(DrawingSurface &surface, GraphState &state, float value, const QString &terrain,
                        int scaleCode, bool aquatic);

// One point of the line on the screen at 910 - 130 k + 75, height + 50,
// with its band from the previous point, its date and value.
void DrawAeroLineGraph(DrawingSurface &surface, GraphState &state, float value, int scaleCode);

} // namespace AerobicGraphs
