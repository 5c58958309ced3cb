#pragma once

#include "shell/WorkingWindow.h"

class LabelButton;
class PictureBox;
class QLabel;
class Shape;

// The body-weight or BMI chart: the picture box the chart is drawn on, the
// goal-progress sentences under it and a Print button that puts the same
// chart on paper. It closes itself as soon as another working window becomes
// active, so every View Chart draws into a fresh window.
class frmFitnessBMI : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmFitnessBMI(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Deactivate() override;

    // Draws the chart on pctGraph (the options dialog's View Chart).
    void showChart(const QString &periodText, const QString &chartKind, int chartType);

    static const QString kCaption; // "BMI Progress Chart"

private:
    void lblPrint_Click();
    void PrintBMIChart(const QString &periodText, const QString &chartKind, int chartType);
    void closeIfAnotherIsActive();

    PictureBox *pctGraph;
    QLabel *lblPrint, *lblGoalSetting, *Label1_0;
    Shape *shpFrontPrint, *shpBackPrint;
    LabelButton *m_print;
    // The choices the chart was drawn with, printed when the dialog is gone.
    QString m_periodText, m_chartKind;
    int m_chartType = 1;
};
