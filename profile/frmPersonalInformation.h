#pragma once

#include "shell/WorkingWindow.h"

#include <array>

class DatePicker;
class HoverHint;
class LabelButton;
class QComboBox;
class QLabel;
class QScrollBar;
class Spinner;
class TextBox;

// The personal profile window: name, age, sex, height and weight. Closing it
// stores the profile in the settings; its Enter button adds a dated record
// to the body-weight history. Charting > Body Weight Progression opens it
// and then disables every box but the weight, through the controls' names.
class frmPersonalInformation : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmPersonalInformation(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;

    // The hover hint of caption label lblLabel(index).
    void Notes(qint16 index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lblEnter_Click();

    TextBox *txtFName, *txtLName, *txtAge, *txtWeight, *txtHeight, *txtInches;
    QScrollBar *vsAge, *vsWeight, *vsFeet, *vsInches;
    Spinner *m_age, *m_weight, *m_feet, *m_inches;
    QComboBox *cboSex;
    DatePicker *DTPicker1;
    std::array<QLabel *, 7> lblLabel;
    QLabel *Label3, *Label4, *Label5, *lblEnter;
    LabelButton *m_enter;
    HoverHint *m_hints;
};
