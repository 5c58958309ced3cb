#pragma once

#include "shell/WorkingWindow.h"

#include <QString>

class LabelButton;
class PictureBox;
class QCalendarWidget;
class QLabel;
class Shape;

// The food pie chart of one day: a day on a month calendar, then the
// calories of each food group and their shares of the day beside a raised,
// shaded pie.
class frmFoodPieChart : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmFoodPieChart(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;

    static const QString kName;    // "frmFoodPieChart"
    static const QString kCaption; // "Food Distribution By Category"

    LabelButton *enterButton() const { return m_enter; }

private:
    void lblEnter_Click();

    QLabel *lblStart;
    QCalendarWidget *DTPicker1;
    QLabel *lblEnter;
    Shape *Shape1, *Shape2;
    PictureBox *Picture1;
    // The value pairs and legend names, in the order Meat, Milk, Grains,
    // Other, Fruits & Veg's (Label1, Label3, ... Label9 and Label2, ...
    // Label10).
    QLabel *m_values[5][2];
    QLabel *m_legend[5];
    LabelButton *m_enter;
    // The day of the last View Information, as Date text.
    QString StartDate, EndDate;
};
