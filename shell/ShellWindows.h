#pragma once

class WindowRegistry;

// Registers the shell's own working windows: the start-up quotation page
// (and the Help menu's windows).
void registerShellWindows(WindowRegistry &registry);
