#include "WorkoutWindows.h"

#include "frmEnterData.h"
#include "frmMakeOwn.h"
#include "frmPickOwn.h"

#include "shell/WindowRegistry.h"

void registerWorkoutWindows(WindowRegistry &registry)
{
    registry.add(frmPickOwn::kName, [](Shell &shell) { return new frmPickOwn(shell); });
    registry.add(frmMakeOwn::kName, [](Shell &shell) { return new frmMakeOwn(shell); });
    registry.add(frmEnterData::kName, [](Shell &shell) { return new frmEnterData(shell); });
}
