#include "GraphWindows.h"

#include "frmChartInfo.h"
#include "frmFitnessGraph.h"

#include "shell/WindowRegistry.h"

void registerGraphWindows(WindowRegistry &registry)
{
    registry.add(QStringLiteral("frmChartInfo"), [](Shell &shell) { return new frmChartInfo(shell); });
    registry.add(QStringLiteral("frmFitnessGraph"), [](Shell &shell) { return new frmFitnessGraph(shell); });
}
