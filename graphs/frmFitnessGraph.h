#pragma once

#include "ChartChoice.h"
#include "GraphState.h"

#include "shell/WorkingWindow.h"

#include <QList>

class ImageSurface;
class LabelButton;
class PictureBox;
class QLabel;
class QRadioButton;
class Shape;

// The progress graph of one weight-training exercise or aerobic activity,
// as the chart options chose it, or of the abdominal results: drawn once
// into the picture box when the window opens, with its Y caption, legend,
// a Print button for the weight-training and aerobic bar graphs and a Back
// button to the chart options.
class frmFitnessGraph : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmFitnessGraph(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Deactivate() override;

    // The graph of the chart options' choices, drawn afresh.
    void Info();
    // The abdominal graph of Abdominal.txt, by the abdominal chart options.
    void AbdInfo();
    // Prints the graph of the chart options' choices, read afresh.
    void PrintInfo();

    static const QString kCaption; // "Fitness Graph"
    static constexpr int kFinalHeight = 7585;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ChartChoice chartChoice() const;
    bool checkChoice(const ChartChoice &choice, int &step) const;
    // The picture's surface, ready for a graph: its font, white text, the
    // black below the floor.
    ImageSurface &picture();
    GraphState freshState(int step, bool viewValues) const;
    void showCaption(const ProgressSampling::AxisCaption &caption);
    void showLegend(const GraphState &state);
    void lblSysInfo_Click();
    void lblPrint_Click();
    void lblEnter_Click();

    PictureBox *pctGraph;
    QLabel *lblDis, *Label7, *lblTime, *Label5;
    QList<QLabel *> Label2, Label3; // legend swatches and captions 1 to 6 (0 unused)
    QLabel *lblSysInfo, *lblPrint, *lblEnter;
    Shape *shpSysInfo, *shpSysInfoB, *shpFrontPrint, *shpBackPrint, *Shape1, *Shape2;
    QList<QRadioButton *> Option1; // Color, Black and White
    QList<QLabel *> Label1;
    LabelButton *m_back, *m_print, *m_options;
    // The chart options showed their Distance frame ("Chart Info").
    bool m_distanceChecked = false;
};
