#pragma once

class WindowRegistry;

// Adds the caloric balance and the food pie chart windows to the registry.
void registerBalanceWindows(WindowRegistry &registry);
