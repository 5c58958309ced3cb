#pragma once

#include "shell/WorkingWindow.h"

class HoverHint;
class LabelButton;
class QComboBox;
class QLabel;
class Spinner;
class TextBox;

// "Enter Food": adds a food of the user's own to a food-group list, its
// calories for a number of servings turned into calories per serving.
class frmFood : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmFood(Shell &shell);

    static const QString kName; // "frmFood"

    void Form_Load() override;
    void Form_Unload() override;

    // The button's work: checks the boxes, sounds the click and adds the food.
    void lblEnter_Click();

    TextBox *foodName() const { return m_name; }    // txtFoodName
    QComboBox *group() const { return m_group; }    // cboGroup
    TextBox *servings() const { return m_serving; } // txtServing
    TextBox *calories() const { return m_cal; }     // txtCal
    Spinner *servingsSpinner() const { return m_vsServing; }
    Spinner *caloriesSpinner() const { return m_vsCal; }
    // 0 lblFoodName, 1 lblGroup, 2 lblServing, 3 lblCal
    QLabel *caption(int which) const { return which >= 0 && which < 4 ? m_captions[which] : nullptr; }
    QLabel *notes() const { return m_notes; }
    LabelButton *enterButton() const { return m_button; }

private:
    void enlarge(QWidget *caption);
    void shrinkCaptions();

    QLabel *m_captions[4] = {};
    TextBox *m_name = nullptr;
    QComboBox *m_group = nullptr;
    TextBox *m_serving = nullptr;
    TextBox *m_cal = nullptr;
    Spinner *m_vsServing = nullptr;
    Spinner *m_vsCal = nullptr;
    QLabel *m_notes = nullptr;
    LabelButton *m_button = nullptr;
    HoverHint *m_hints = nullptr;
};
