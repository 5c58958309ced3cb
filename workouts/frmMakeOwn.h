#pragma once

#include "shell/WorkingWindow.h"

#include <QList>

class HoverHint;
class LabelButton;
class QComboBox;
class QLabel;
class MultiLineTextBox;
class TextBox;

// "Make Your Own Excercise": a weight-training exercise of the user's own,
// with its muscle group, name, description and number of sets.
class frmMakeOwn : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmMakeOwn(Shell &shell);

    static const QString kName; // "frmMakeOwn"

    void Form_Load() override;
    void Form_Unload() override;

    // The button's work: checks the boxes and adds the exercise.
    void lblEnter_Click();

    QComboBox *group() const { return m_group; }    // Combo1(0)
    QComboBox *sets() const { return m_sets; }      // Combo1(1)
    TextBox *nameBox() const { return m_name; }     // Text1(0)
    MultiLineTextBox *description() const { return m_description; } // Text1(1)
    QLabel *caption(int index) const { return m_captions.value(index); } // Label1(0..3)
    QLabel *notes() const { return m_notes; }
    LabelButton *enterButton() const { return m_button; }

protected:

private:
    void hovered(QWidget *control);

    QList<QLabel *> m_captions;
    QComboBox *m_group = nullptr;
    QComboBox *m_sets = nullptr;
    TextBox *m_name = nullptr;
    MultiLineTextBox *m_description = nullptr;
    QLabel *m_notes = nullptr;
    QLabel *m_enter = nullptr;
    LabelButton *m_button = nullptr;
    HoverHint *m_hints = nullptr;
};
