#include "ProgressPlot.h"

#include "AbdominalGraphs.h"
#include "AerobicGraphs.h"
#include "GraphState.h"
#include "WeightGraphs.h"

#include "common/DrawingSurface.h"

using namespace ProgressSampling;

namespace ProgressPlot {

namespace {

constexpr int kWeightScale = 2;
constexpr int kAbdominalScale = 5;

void beginGroup(GraphState &state, int index, const QString &dateText)
{
    state.groupIndex = index;
    state.dateText = dateText;
}

// The weight-training groups on either surface; `paper` picks the twins.
void weightGroups(DrawingSurface &s, GraphState &state, const WeightGraph &graph, ChartType type, bool paper)
{
    state.setCounter = 0;
    for (const WeightGroup &g : graph.groups) {
        beginGroup(state, g.index, g.dateText);
        for (int set = 1; set <= g.sets.size(); ++set) {
            const SetResult &r = g.sets[set - 1];
            if (type == ChartType::Column) {
                if (paper)
                    WeightGraphs::DrawGraphPrint(s, state, r.reps, r.weight, set);
                else
                    WeightGraphs::DrawGraph(s, state, r.reps, r.weight, set);
            } else if (paper) {
                WeightGraphs::DrawLineGraphPrint(s, state, r.reps, set, graph.sets);
            } else {
                WeightGraphs::DrawLineGraph(s, state, r.reps, set, graph.sets);
            }
        }
        state.dateShown = false;
    }
}

} // namespace

void drawWeight(DrawingSurface &s, GraphState &state, const WeightGraph &graph, ChartType type)
{
    if (type == ChartType::None)
        return;
    mInitialGraph::DrawInitialGraph(s, kWeightScale);
    weightGroups(s, state, graph, type, false);
}

void drawAerobic(DrawingSurface &s, GraphState &state, const AerobicGraph &graph, ChartType type, bool aquatic)
{
    if (type == ChartType::None || graph.points.isEmpty())
        return;
    mInitialGraph::DrawInitialGraph(s, graph.scaleCode);
    for (const AerobicPoint &p : graph.points) {
        beginGroup(state, p.index, p.dateText);
        if (type == ChartType::Column)
            AerobicGraphs::DrawAeroGraph(s, state, p.value, p.terrain, graph.scaleCode, aquatic);
        else
            AerobicGraphs::DrawAeroLineGraph(s, state, p.value, graph.scaleCode);
        state.dateShown = false;
    }
}

void drawAbdominal(DrawingSurface &s, GraphState &state, const AbdominalGraph &graph, ChartType type)
{
    if (type == ChartType::None)
        return;
    mInitialGraph::DrawInitialGraph(s, kAbdominalScale);
    for (const AbdominalGroup &g : graph.groups) {
        beginGroup(state, g.index, g.entry.dateText);
        const int values[] = {g.entry.upper, g.entry.lower, g.entry.oblique};
        for (int series = 2; series <= 4; ++series) {
            if (type == ChartType::Column)
                AbdominalGraphs::DrawAbGraph(s, state, values[series - 2], series);
            else
                AbdominalGraphs::DrawAbLineGraph(s, state, values[series - 2], series);
        }
    }
}

void printWeight(DrawingSurface &s, GraphState &state, const WeightGraph &graph, ChartType type,
                 const mInitialGraph::PageHeading &heading)
{
    if (type == ChartType::None)
        return;
    mInitialGraph::PrintInitialGraph(s, kWeightScale, heading);
    weightGroups(s, state, graph, type, true);
}

bool printsPage(const AerobicGraph &graph)
{
    return !graph.points.isEmpty();
}

void printAerobic(DrawingSurface &s, GraphState &state, const AerobicGraph &graph, bool aquatic,
                  const mInitialGraph::PageHeading &heading)
{
    if (!printsPage(graph))
        return;
    mInitialGraph::PrintInitialGraph(s, graph.scaleCode, heading);
    for (const AerobicPoint &p : graph.points) {
        beginGroup(state, p.index, p.dateText);
        AerobicGraphs::DrawAeroGraphPrint(s, state, p.value, p.terrain, graph.scaleCode, aquatic);
        state.dateShown = false;
    }
}

} // namespace ProgressPlot
