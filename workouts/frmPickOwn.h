#pragma once

#include "shell/WorkingWindow.h"

#include <QList>

class HoverHint;
class LabelButton;
class QCheckBox;
class QComboBox;
class QLabel;
class Shape;

// "Pick Your Own Excercise": the 18 standard weight-training exercises, each
// with a check box and a sets box; the button installs the ticked ones into
// the catalogue, each with its empty log.
class frmPickOwn : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmPickOwn(Shell &shell);

    static const QString kName; // "frmPickOwn"

    void Form_Load() override;
    void Form_Unload() override;

    // The button's work: installs the ticked exercises.
    void lblEnter_Click();
    // A click on a name toggles its box.
    void Label1_Click(int index);

    // The hint of a group's names (group 0 Biceps ... 5 Legs).
    static QString groupHint(int group);

    QCheckBox *check(int index) const { return m_check[index]; }
    QComboBox *sets(int index) const { return m_sets[index]; }
    QLabel *name(int index) const { return m_name[index]; }
    QLabel *heading(int group) const { return m_heading[group]; }
    QLabel *notes() const { return m_notes; }
    LabelButton *enterButton() const { return m_button; }

private:
    void hovered(QWidget *control);
    void cleared();

    QList<QCheckBox *> m_check;
    QList<QLabel *> m_name;
    QList<QComboBox *> m_sets;
    QList<QLabel *> m_heading; // Label2(0), Label2(3), ... Label2(15)
    QLabel *m_notes = nullptr;
    QLabel *m_enter = nullptr;
    LabelButton *m_button = nullptr;
    HoverHint *m_hints = nullptr;
    QString m_keptNotes;
};
