#pragma once

class DrawingSurface;
struct GraphState;

// The weight-training graphs: one three-dimensional bar, or one point of a
// line, per set of each shown entry. The reader stores the entry's group
// index and date in the state and calls these once per set, sets in order.
namespace WeightGraphs {

// One bar of a set on the screen: front face at x + 45 where x is the
// group's left edge + 25 x set, height 40 x reps + 40; the entry's date
// under set 1, the weight over the bar when state.viewValues.
void DrawGraph(DrawingSurface &surface, GraphState &state, int reps, int weight, int setNo);

// The same bar on paper, with its own hatching, side face and label colours.
void DrawGraphPrint(DrawingSurface &surface, GraphState &state, int reps, int weight, int setNo);

// One point of a set's line at the group's left edge + 95, height
// 40 x reps + 90, with the band from the set's previous point; the date
// under the group on its last set.
void DrawLineGraph(DrawingSurface &surface, GraphState &state, int reps, int setNo, int setCount);

// The same on paper: the point at the group's left edge + 75, the date at
// + 55, in black.
void DrawLineGraphPrint(DrawingSurface &surface, GraphState &state, int reps, int setNo, int setCount);

} // namespace WeightGraphs
