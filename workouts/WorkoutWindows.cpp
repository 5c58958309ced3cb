#include "WorkoutWindows.h"

#include "frmDelete.h"
#include "frmEnterAero.h"
#include "frmEnterData.h"
#include "frmMakeOwn.h"
#include "frmMakeOwnAero.h"
#include "frmPickAero.h"
#include "frmPickOwn.h"

#include "shell/WindowRegistry.h"

void registerWorkoutWindows(WindowRegistry &registry)
{
    registry.add(frmPickOwn::kName, [](Shell &shell) { return new frmPickOwn(shell); });
    registry.add(frmMakeOwn::kName, [](Shell &shell) { return new frmMakeOwn(shell); });
    registry.add(frmEnterData::kName, [](Shell &shell) { return new frmEnterData(shell); });
    registry.add(frmPickAero::kName, [](Shell &shell) { return new frmPickAero(shell); });
    registry.add(frmMakeOwnAero::kName, [](Shell &shell) { return new frmMakeOwnAero(shell); });
    registry.add(frmEnterAero::kName, [](Shell &shell) { return new frmEnterAero(shell); });
    registry.add(frmDelete::kName, [](Shell &shell) { return new frmDelete(shell); });
}
