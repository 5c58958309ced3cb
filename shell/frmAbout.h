#pragma once

#include "shell/WorkingWindow.h"

#include <QString>
#include <functional>

class LabelButton;
class QLabel;
class Shape;

// The About box (Help > About Kestrava Pulsar): the program's title, version,
// description and legal warning, a round button that returns to the program
// and one that starts the system's information tool.
class frmAbout : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmAbout(Shell &shell);

    // "Version 3.0.14" for the version "3.0.14" (or "3.00.0014"): major,
    // minor and revision joined by ".", without leading zeros.
    static QString versionCaption(const QString &version);

    // Starts the system's information tool; false when it cannot. Tests put
    // their own in; an empty function restores the real one.
    using Launcher = std::function<bool()>;
    static void setLauncher(Launcher launcher);

    void Form_Load() override;
    void Form_Unload() override;

    // Starts the information tool, or says that it is unavailable.
    void StartSysInfo();

    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QLabel *lblDisclaimer;
    Shape *shpBackPrint;
    Shape *shpFrontPrint;
    QLabel *lblPrint;
    Shape *shpSysInfoB;
    Shape *shpSysInf;
    QLabel *lblSysInfo;
    LabelButton *printButton;
    LabelButton *sysInfoButton;

private:
    void lblPrint_Click();
    void lblSysInfo_Click();
};
