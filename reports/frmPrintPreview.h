#pragma once

#include "ReportChoice.h"

#include "shell/WorkingWindow.h"

#include <QList>

#include <functional>

class DatePicker;
class HoverHint;
class LabelButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class Shape;

// The report choice (File > Printable Stats, Results > Food Consumption):
// one of four reports, and for it a category and exercises or a day.
// Print Preview hides the dialog, which stays loaded with every choice, and
// opens the report window; the report window's Back shows it again.
class frmPrintPreview : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmPrintPreview(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;

    // The choices as they stand now.
    ReportChoice choice() const;

    static const QString kName;    // "frmPrintPreview"
    static const QString kCaption; // "Print Preview"
    static constexpr int kWidth = 6930;
    static constexpr int kFinalHeight = 6615;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The set-up of a report option that becomes the selected one.
    void chkType_Click(int index);
    // The set-up of a report's label: its option selected, then its own.
    void lblType_Click(int index);
    void cboCategory_Click();
    void Label7_Click();
    void FillExerciseList();
    // Runs one action of the user's (a click, a choice of category) that
    // fills the list once or more, and then tells, once, what kept the
    // list as last filled from being whole.
    void fillingAction(const std::function<void()> &action);
    void fillCategories(const QStringList &categories);
    // The notes the exercise list writes for the report chosen.
    void updateListHint();

    QList<QRadioButton *> chkType; // by index: 0 log, 1 template, 2 foods, 3 descriptions
    QList<QLabel *> lblType;
    QButtonGroup *m_types;
    QLabel *lblCategory, *lblTime, *lblNotes, *Label7;
    QComboBox *cboCategory;
    QListWidget *lstExcercise;
    DatePicker *DTPicker1;
    Shape *Shape1, *Shape2;
    LabelButton *m_preview;
    HoverHint *m_hints, *m_listHint;
    int m_actions = 0;     // actions under way, one inside another
    QString m_listProblem; // of the last fill, told when the action ends
};
