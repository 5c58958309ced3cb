#include "ReportWindows.h"

#include "frmPrintPreview.h"
#include "frmRTF.h"

#include "shell/WindowRegistry.h"

void registerReportWindows(WindowRegistry &registry)
{
    registry.add(frmPrintPreview::kName, [](Shell &shell) { return new frmPrintPreview(shell); });
    registry.add(frmRTF::kName, [](Shell &shell) { return new frmRTF(shell); });
}
