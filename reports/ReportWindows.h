#pragma once

class WindowRegistry;

// Registers the report windows with the shell: frmPrintPreview and frmRTF.
void registerReportWindows(WindowRegistry &registry);
