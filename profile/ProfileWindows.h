#pragma once

class WindowRegistry;

// Registers every window of the profile subsystem with the shell:
// frmPersonalInformation, frmGoals and the body-weight chart windows.
void registerProfileWindows(WindowRegistry &registry);
