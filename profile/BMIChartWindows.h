#pragma once

class WindowRegistry;

// Registers the body-weight chart windows with the shell: the options
// dialog frmChartBMI and the chart window frmFitnessBMI.
void registerBMIChartWindows(WindowRegistry &registry);
