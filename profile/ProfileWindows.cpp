#include "ProfileWindows.h"

#include "frmGoals.h"
#include "frmPersonalInformation.h"

#include "shell/WindowRegistry.h"

void registerProfileWindows(WindowRegistry &registry)
{
    registry.add(QStringLiteral("frmPersonalInformation"),
                 [](Shell &shell) { return new frmPersonalInformation(shell); });
    registry.add(QStringLiteral("frmGoals"), [](Shell &shell) { return new frmGoals(shell); });
}
