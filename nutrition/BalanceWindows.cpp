#include "BalanceWindows.h"

#include "frmCalDate.h"

#include "shell/WindowRegistry.h"

void registerBalanceWindows(WindowRegistry &registry)
{
    registry.add(frmCalDate::kName, [](Shell &shell) { return new frmCalDate(shell); });
}
