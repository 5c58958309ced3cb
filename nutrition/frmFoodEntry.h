#pragma once

#include "FoodGroups.h"
#include "FoodList.h"
#include "PendingFoods.h"

#include "shell/WorkingWindow.h"

#include <QList>

class DatePicker;
class HoverHint;
class LabelButton;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class Spinner;
class TextBox;

// "Food Entry For ... Group": the foods of one group's list are picked
// with a number of servings into a list of the day's foods with a running
// total, and Enter files them under the chosen day with the day's calories.
class frmFoodEntry : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmFoodEntry(Shell &shell);

    static const QString kName; // "frmFoodEntry"

    // The list's columns.
    enum MainColumn { CategoryColumn, FoodColumn, CaloriesColumn };
    enum ItemsColumn { AddedColumn, ServingsColumn };

    void Form_Load() override;
    void Form_Unload() override;

    // Sets the caption and fills the list of the group (1 to 5).
    void Information(int group);
    // Select: the selected food, with the servings typed, into the list of
    // foods chosen.
    void Label6_Click();
    // Enter: the foods chosen filed under the picker's day.
    void lblEnter_Click();
    // Clear List: the foods chosen dropped.
    void Label8_Click();

    const FoodGroup &group() const { return *m_group; }
    qint32 total() const { return m_total; }

    QTreeWidget *foods() const { return m_main; }   // lvMain
    QTreeWidget *chosen() const { return m_items; } // lvItems
    TextBox *multiplier() const { return m_multiply; } // txtMultiply
    Spinner *multiplierSpinner() const { return m_upDown; } // UpDown1
    QLineEdit *totalBox() const { return m_totCal; } // txtTotCal
    DatePicker *datePicker() const { return m_date; }
    // Label1 .. Label8 (Label5 does not exist)
    QLabel *label(int which) const;
    QLabel *notes() const { return m_notes; }
    LabelButton *selectButton() const { return m_select; }
    LabelButton *enterButton() const { return m_enter; }
    LabelButton *clearButton() const { return m_clear; }

private:
    void hovered(QWidget *control);
    void totalCaption(bool pointed);
    void clearChosen();

    const FoodGroup *m_group = nullptr;
    // The list's records, one for each row of lvMain, in order.
    QList<FoodListRecord> m_rows;
    // The foods chosen, one for each row of lvItems, as they were picked.
    QList<PendingFoodRecord> m_picks;
    qint32 m_total = 0;

    QLabel *m_labels[8] = {};
    QTreeWidget *m_main = nullptr;
    QTreeWidget *m_items = nullptr;
    TextBox *m_multiply = nullptr;
    Spinner *m_upDown = nullptr;
    QLineEdit *m_totCal = nullptr;
    DatePicker *m_date = nullptr;
    QLabel *m_notes = nullptr;
    LabelButton *m_select = nullptr;
    LabelButton *m_enter = nullptr;
    LabelButton *m_clear = nullptr;
    HoverHint *m_hints = nullptr;
};
