#include "BalanceWindows.h"

#include "frmCalDate.h"
#include "frmFoodPieChart.h"

#include "shell/WindowRegistry.h"

void registerBalanceWindows(WindowRegistry &registry)
{
    registry.add(frmCalDate::kName, [](Shell &shell) { return new frmCalDate(shell); });
    registry.add(frmFoodPieChart::kName, [](Shell &shell) { return new frmFoodPieChart(shell); });
}
