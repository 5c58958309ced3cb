#pragma once

#include "shell/WorkingWindow.h"

class HoverHint;
class LabelButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QScrollBar;
class Spinner;
class TextBox;

// "Make Your Own Aerobic Excercise": an aerobic activity of the user's own,
// with its class, what its log records and a sample workout from which its
// calorie factor is derived.
class frmMakeOwnAero : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmMakeOwnAero(Shell &shell);

    static const QString kName; // "frmMakeOwnAero"

    void Form_Load() override;
    void Form_Unload() override;

    // The button's work: checks the inputs and adds the activity.
    void lblEnter_Click();
    // The labels of the two options toggle them; that of the terrain box
    // toggles the box, enabled or not.
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();

    QComboBox *category() const { return m_category; } // Combo1
    TextBox *nameBox() const { return m_name; }          // Text1
    QRadioButton *distanceAndTime() const { return m_optDT; }
    QRadioButton *timeOnly() const { return m_optT; }
    QCheckBox *terrain() const { return m_terrain; } // Check1
    TextBox *calories() const { return m_cal; }
    TextBox *minutes() const { return m_min; }
    Spinner *caloriesSpinner() const { return m_vsCal; }
    Spinner *minutesSpinner() const { return m_vsMin; }
    QLabel *heading(int which) const; // 0 lblCategory, 1 lblExcercise, 2 lblMeasure
    QLabel *label(int which) const;   // Label1 .. Label6
    QLabel *notes() const { return m_notes; }
    LabelButton *enterButton() const { return m_button; }

private:
    void hovered(QWidget *control);
    void setHeading(QLabel *enlarged);

    QLabel *m_headings[3] = {};
    QLabel *m_labels[6] = {};
    QComboBox *m_category = nullptr;
    TextBox *m_name = nullptr;
    QRadioButton *m_optDT = nullptr;
    QRadioButton *m_optT = nullptr;
    QCheckBox *m_terrain = nullptr;
    TextBox *m_cal = nullptr;
    TextBox *m_min = nullptr;
    Spinner *m_vsCal = nullptr;
    Spinner *m_vsMin = nullptr;
    QLabel *m_notes = nullptr;
    QLabel *m_enter = nullptr;
    LabelButton *m_button = nullptr;
    HoverHint *m_hints = nullptr;
};
