#include "ShellWindows.h"

#include "WindowRegistry.h"

void registerShellWindows(WindowRegistry &registry)
{
    Q_UNUSED(registry);
}
