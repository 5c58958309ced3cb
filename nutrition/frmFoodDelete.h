#pragma once

#include "FoodDay.h"

#include "shell/WorkingWindow.h"

#include <QList>

class LabelButton;
class QCalendarWidget;
class QLabel;
class QTreeWidget;

// "Food Deletion": lists the foods of the day chosen on the calendar and
// deletes the selected one from the day's food file, with a negative
// correction of its calories in the food calorie journal.
class frmFoodDelete : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmFoodDelete(Shell &shell);

    static const QString kName; // "frmFoodDelete"

    enum Column { CategoryColumn, FoodColumn, CaloriesColumn, ServingsColumn, TotalColumn };

    void Form_Load() override;
    void Form_Unload() override;

    // List Food(s): the foods of the calendar's day.
    void Label6_Click();
    // Delete Selected Food: the selected row's food deleted from the
    // calendar's day, then the day listed again.
    void Label8_Click();
    // Fills the list with the foods of the calendar's day.
    void Upadate_Foods();

    QCalendarWidget *calendar() const { return m_month; } // MonthView1
    QTreeWidget *foods() const { return m_list; }         // lvMain
    QLabel *caption() const { return m_caption; }         // Label1
    LabelButton *listButton() const { return m_listButton; }
    LabelButton *deleteButton() const { return m_deleteButton; }

private:
    void setColumns();

    QCalendarWidget *m_month = nullptr;
    QLabel *m_caption = nullptr;
    QTreeWidget *m_list = nullptr;
    LabelButton *m_listButton = nullptr;
    LabelButton *m_deleteButton = nullptr;
};
