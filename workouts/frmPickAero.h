#pragma once

#include "shell/WorkingWindow.h"

#include <QList>

class HoverHint;
class LabelButton;
class QCheckBox;
class QLabel;

// "Pick Aerobic Excercise": the 26 standard aerobic activities in three
// columns (outdoor, indoor, aquatic), each with a check box; the button
// installs the ticked ones into the aerobic catalogue, each with its log.
class frmPickAero : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmPickAero(Shell &shell);

    static const QString kName; // "frmPickAero"

    void Form_Load() override;
    void Form_Unload() override;

    // The button's work: installs the ticked activities.
    void Label1_Click();
    // A click on a name toggles its box.
    void Label3_Click(int index);

    QCheckBox *check(int index) const { return m_check.value(index); } // chkExcercise(index)
    QLabel *name(int index) const { return m_name.value(index); }      // Label3(index)
    QLabel *heading(int column) const { return m_heading.value(column); } // Label2(column)
    QLabel *notes() const { return m_notes; }
    LabelButton *enterButton() const { return m_button; }

private:
    void hovered(QWidget *control);

    QList<QCheckBox *> m_check;
    QList<QLabel *> m_name;
    QList<QLabel *> m_heading;
    QLabel *m_notes = nullptr;
    QLabel *m_enter = nullptr;
    LabelButton *m_button = nullptr;
    HoverHint *m_hints = nullptr;
};
