#pragma once

class DrawingSurface;
struct GraphState;

// The abdominal graph: three values side by side per shown entry, the
// series 2 (upper), 3 (lower) and 4 (oblique abdominal exercises), as
// bars or as three lines. The reader stores the group index and date in the
// state and calls these for the series 2, 3 and 4 of each entry in turn.
namespace AbdominalGraphs {

// The bar of a series at the group's left edge + 25 x series, height
// 3 x value - 15; the date after the entry's third bar; the value over the
// bar when state.viewValues.
void DrawAbGraph(DrawingSurface &surface, GraphState &state, int value, int series);

// The point of a series at the group's left edge + 75, height
// 2 x value + 70, with its band from the series' previous point.
void DrawAbLineGraph(DrawingSurface &surface, GraphState &state, int value, int series);

} // namespace AbdominalGraphs
