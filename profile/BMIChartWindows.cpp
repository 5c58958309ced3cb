#include "BMIChartWindows.h"

#include "frmChartBMI.h"
#include "frmFitnessBMI.h"

#include "shell/WindowRegistry.h"

void registerBMIChartWindows(WindowRegistry &registry)
{
    registry.add(QStringLiteral("frmChartBMI"), [](Shell &shell) { return new frmChartBMI(shell); });
    registry.add(QStringLiteral("frmFitnessBMI"),
                 [](Shell &shell) { return new frmFitnessBMI(shell); });
}
