#pragma once

#include "shell/WorkingWindow.h"

class DatePicker;
class HoverHint;
class LabelButton;
class QComboBox;
class QLabel;
class QListWidget;
class Spinner;
class TextBox;

// "Please Enter Exercises for <class>": one aerobic workout of an activity
// of the class whose menu item is checked (Indoor, Outdoor or Aquatic
// Activities): time, distance and terrain as the activity records them, and
// the date. Enter, on mouse-down, logs it with its calories.
class frmEnterAero : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmEnterAero(Shell &shell);

    static const QString kName; // "frmEnterAero"

    void Form_Load() override;
    void Form_Unload() override;

    // An activity was chosen: shows the inputs it records.
    void List1_Click();
    // The button's work: saves the workout.
    void lblEnter_MouseDown();

    // The class shown: its code ("In", "Ou", "Aq") and title.
    QString classCode() const { return m_code; }
    QString classTitle() const { return m_title; }
    // The activity chosen in the list; empty when none is.
    QString chosenName() const;

    QListWidget *activities() const { return m_list; } // List1
    QComboBox *terrain() const { return m_terrain; }   // Combo7
    TextBox *distance() const { return m_dis; }
    TextBox *hours() const { return m_hr; }
    TextBox *minutes() const { return m_min; }
    Spinner *distanceSpinner() const { return m_vsDis; }
    Spinner *hoursSpinner() const { return m_vsHr; }
    Spinner *minutesSpinner() const { return m_vsMin; }
    DatePicker *date() const { return m_date; }
    QLabel *label(int which) const; // Label1 .. Label7
    QLabel *notes() const { return m_notes; }
    LabelButton *enterButton() const { return m_button; }

private:
    void vsMin_Change(int value);
    void showDistance(bool shown);
    void showTerrain(bool shown);

    QString m_code;
    QString m_title;
    QLabel *m_labels[7] = {};
    QListWidget *m_list = nullptr;
    QComboBox *m_terrain = nullptr;
    TextBox *m_dis = nullptr;
    TextBox *m_hr = nullptr;
    TextBox *m_min = nullptr;
    Spinner *m_vsDis = nullptr;
    Spinner *m_vsHr = nullptr;
    Spinner *m_vsMin = nullptr;
    DatePicker *m_date = nullptr;
    QLabel *m_notes = nullptr;
    QLabel *m_enter = nullptr;
    LabelButton *m_button = nullptr;
    HoverHint *m_hints = nullptr;
};
