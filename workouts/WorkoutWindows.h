#pragma once

class WindowRegistry;

// Adds the exercise catalogue and workout windows to the registry.
void registerWorkoutWindows(WindowRegistry &registry);
