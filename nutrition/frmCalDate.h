#pragma once

#include "shell/WorkingWindow.h"

#include <QString>

class LabelButton;
class PictureBox;
class QCalendarWidget;
class QComboBox;
class QLabel;
class Shape;

// The caloric balance of a period: the first day on a month calendar and a
// number of days, then the calories eaten, burnt by metabolism and burnt by
// exercise with their shares beside a raised, shaded pie.
class frmCalDate : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmCalDate(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;

    static const QString kName;    // "frmCalDate"
    static const QString kCaption; // "Pick Date to View Energy Utilization"
    // The calendar sentence, before and after the number of days.
    static const QString kSelectionStart;
    static const QString kSelectionEnd;

    LabelButton *enterButton() const { return m_enter; }

private:
    void DTPicker1_Click();
    void lblEnter_Click();
    // The calendar sentence for the number of days chosen; empty while none is.
    void writeSelection();

    QLabel *lblStart, *lblFinish, *lblSelection, *lblDateChosen;
    QCalendarWidget *DTPicker1;
    QComboBox *cboLastDay;
    QLabel *lblEnter;
    Shape *Shape1, *Shape2;
    PictureBox *Picture1;
    QLabel *Label1[2], *Label3[2], *Label5[2];
    QLabel *Label2, *Label4, *Label6;
    LabelButton *m_enter;
    // The period of the last View Information, as Date text.
    QString StartDate, EndDate;
    // The calendar was clicked: the sentence follows the number of days.
    bool m_selectionShown = false;
};
