#pragma once

class WindowRegistry;

// Adds the food windows to the registry.
void registerFoodWindows(WindowRegistry &registry);
