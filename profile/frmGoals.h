#pragma once

#include "shell/WorkingWindow.h"

class DatePicker;
class HoverHint;
class LabelButton;
class QLabel;
class QScrollBar;
class Spinner;
class TextBox;

// The goal window: a goal weight with the date by which to reach it, which
// its Enter button accepts only when it is plausible, and the metabolic
// adjustment, stored when the window closes.
class frmGoals : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmGoals(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;

private:
    void lblEnter_Click();
    void showPointers(QWidget *control);
    void clearPointers();

    QLabel *Label1, *Label2, *Label3, *lblCurWeight, *lblGoalSetting, *lblMetabolic;
    QLabel *lblPointer1, *lblPointer2, *lblNotes, *lblEnter;
    TextBox *txtGoalWeight, *txtMetabolic;
    QScrollBar *vsGoalWeight, *vsMetabolic;
    Spinner *m_goalWeight, *m_metabolic;
    DatePicker *DTPicker1;
    LabelButton *m_enter;
    HoverHint *m_hints;
    qint16 m_currentWeight = 0;
};
