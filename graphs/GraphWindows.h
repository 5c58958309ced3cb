#pragma once

class WindowRegistry;

// Registers the progress-graph windows with the shell: frmChartInfo and
// frmFitnessGraph.
void registerGraphWindows(WindowRegistry &registry);
