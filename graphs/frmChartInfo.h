#pragma once

#include "ChartChoice.h"

#include "shell/WorkingWindow.h"

#include <QList>

class HoverHint;
class LabelButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;
class Shape;

// The chart options of a progress graph (Results > WeightLifting or
// Cardio): a category, an exercise or activity of it, a viewing period, bars
// or a line, and for aerobic activities the distance and time units. View
// Chart hides the dialog, which stays loaded with every choice, and opens
// the graph window; the graph's Back shows it again.
class frmChartInfo : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmChartInfo(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;

    // The choices as they stand now.
    ChartChoice choice() const;

    static const QString kCaption; // "Chart Information"
    static constexpr int kFinalHeight = 5610;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool weightMode() const;
    void Combo1_Click(int index);
    void List1_Click();
    void optDistance_Click(int index);
    void Label1_Click(int index);
    void lblEnter_Click();

    QList<QLabel *> Label1; // Label1(0) ... Label1(4)
    QLabel *Label2, *Label3, *lblNotes, *lblEnter;
    QComboBox *Combo1_0, *Combo1_2;
    QListWidget *List1;
    QRadioButton *Option2_0, *Option2_1;
    QCheckBox *chkViewWeight;
    QGroupBox *fraDistance, *fraTime;
    QList<QRadioButton *> optDistance; // Yards, Meters, Miles, Kilometers
    QList<QRadioButton *> optTime;     // Minutes, Hours
    Shape *Shape1, *Shape2;
    LabelButton *m_enter;
    HoverHint *m_hints, *m_plainHints;
};
