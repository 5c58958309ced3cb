#pragma once

#include "shell/WorkingWindow.h"

class LabelButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class Shape;

// The options dialog before the body-weight or BMI chart (Results > Body
// Weight) and before the abdominal chart (the hidden Results > Abdomen): the
// viewing period, the comparison type, bars or a line, and in abdominal mode
// "View Reps". View Chart hides the dialog, which stays loaded: the chart
// windows read its controls while they draw and print.
class frmChartBMI : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmChartBMI(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;

    // The choices as the chart windows read them.
    QString periodText() const;  // the text of Combo1(2), untrimmed
    QString kindText() const;    // the text of Combo2, untrimmed
    bool barsChosen() const;     // Option2(0) is selected
    bool viewRepsChecked() const;

    bool abdominalMode() const { return m_abdominal; }

    static const QString kCaption;          // "Chart Information for BMI Graph"
    static const QString kAbdominalCaption; // "Abdonomal Excercises Chart"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lblEnter_Click();
    void Combo2_Click();

    QLabel *Label1, *Label2, *Label3, *Label4, *Label8, *lblViewWeight, *lblNotes, *lblEnter;
    QComboBox *Combo1_2, *Combo2;
    QRadioButton *Option2_0, *Option2_1;
    QCheckBox *chkViewWeight;
    Shape *Shape1, *Shape2;
    LabelButton *m_enter;
    bool m_abdominal = false;
    // The choices View Chart passes on.
    QString m_periodText, m_chartKind;
    qint16 m_chartType = 1;
};
