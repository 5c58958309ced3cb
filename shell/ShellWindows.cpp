#include "ShellWindows.h"

#include "WindowRegistry.h"
#include "frmAbout.h"
#include "frmIntroPage.h"
#include "frmWebBrowser.h"

void registerShellWindows(WindowRegistry &registry)
{
    registry.add(frmIntroPage::kName, [](Shell &shell) { return new frmIntroPage(shell); });
    registry.add(QStringLiteral("frmAbout"), [](Shell &shell) { return new frmAbout(shell); });
    registry.add(QStringLiteral("frmWebBrowser"), [](Shell &shell) { return new frmWebBrowser(shell); });
}
