#pragma once

class WindowRegistry;

// Registers the profile windows with the shell: frmPersonalInformation and
// frmGoals.
void registerProfileWindows(WindowRegistry &registry);
