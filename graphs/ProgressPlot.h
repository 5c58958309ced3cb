#pragma once

#include "ProgressSampling.h"
#include "mInitialGraph.h"

class DrawingSurface;
struct GraphState;

enum class ChartType { None, Column, Line };

// Draws a sampled graph: the frame, then each shown entry through the
// drawing procedures, group after group, with the state they share. The
// state comes fresh for every graph and holds the step; the legend and the
// caption under the graph are left in it for the window.
namespace ProgressPlot {

// On the screen: the frame of scale code 2 and one bar or line point per
// set.
void drawWeight(DrawingSurface &surface, GraphState &state, const ProgressSampling::WeightGraph &graph,
                ChartType type);
// The frame of the graph's scale code with its first point, then one bar or
// line point per workout; nothing at all without a point.
void drawAerobic(DrawingSurface &surface, GraphState &state, const ProgressSampling::AerobicGraph &graph,
                 ChartType type, bool aquatic);
// The frame of scale code 5 and three bars or line points per entry.
void drawAbdominal(DrawingSurface &surface, GraphState &state, const ProgressSampling::AbdominalGraph &graph,
                   ChartType type);

// On paper: the page heading and frame, then the bars or line points. An
// aerobic graph without a point prints nothing at all (no page); the
// caller asks pagePrinted first.
void printWeight(DrawingSurface &surface, GraphState &state, const ProgressSampling::WeightGraph &graph,
                 ChartType type, const mInitialGraph::PageHeading &heading);
void printAerobic(DrawingSurface &surface, GraphState &state, const ProgressSampling::AerobicGraph &graph,
                  bool aquatic, const mInitialGraph::PageHeading &heading);
bool printsPage(const ProgressSampling::AerobicGraph &graph);

} // namespace ProgressPlot
