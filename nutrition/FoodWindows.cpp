#include "FoodWindows.h"

#include "frmFood.h"
#include "frmFoodDelete.h"
#include "frmFoodEntry.h"

#include "shell/WindowRegistry.h"

void registerFoodWindows(WindowRegistry &registry)
{
    registry.add(frmFood::kName, [](Shell &shell) { return new frmFood(shell); });
    registry.add(frmFoodEntry::kName, [](Shell &shell) { return new frmFoodEntry(shell); });
    registry.add(frmFoodDelete::kName, [](Shell &shell) { return new frmFoodDelete(shell); });
}
