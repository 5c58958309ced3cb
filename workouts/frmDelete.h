#pragma once

#include "ExerciseDeletion.h"

#include "shell/WorkingWindow.h"

#include <QList>

class HoverHint;
class LabelButton;
class QComboBox;
class QLabel;
class QListWidget;

// "Delete Exercise(s)": removes the chosen weight-training exercises or
// aerobic activities from their catalogue, with their logs.
class frmDelete : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmDelete(Shell &shell);

    static const QString kName; // "frmDelete"

    void Form_Load() override;
    void Form_Unload() override;

    // Removes every selected entry of the list; false when a catalogue could
    // not be read whole or a log could not be deleted (the user was told).
    bool DeleteExercises();
    // Refills the list from the chosen catalogue.
    void FillDeleteList();
    // The button's work.
    void lblEnter_Click();

    // The catalogue the category box names.
    ExerciseDeletion::Category category() const;

    QComboBox *categoryBox() const { return m_category; } // cboCategory
    QListWidget *list() const { return m_list; }          // lstExcercise
    QLabel *heading() const { return m_heading; }         // lblCategory
    QLabel *notes() const { return m_notes; }
    LabelButton *enterButton() const { return m_button; }

private:
    QLabel *m_heading = nullptr;
    QComboBox *m_category = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_notes = nullptr;
    QLabel *m_enter = nullptr;
    LabelButton *m_button = nullptr;
    HoverHint *m_hints = nullptr;
    // The entry behind each row of the list, in list order.
    QList<ExerciseDeletion::Entry> m_rows;
};
