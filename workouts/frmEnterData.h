#pragma once

#include "WeightWorkout.h"

#include "shell/WorkingWindow.h"

#include <QList>
#include <array>

class DatePicker;
class HoverHint;
class LabelButton;
class QLabel;
class QLineEdit;
class QScrollBar;
class Shape;
class Spinner;

// The weight-training entry window of one muscle group: up to seven
// exercises of the group, each with a weight and a repetition spinner per
// set, the date and the Enter button that saves the workout.
class frmEnterData : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmEnterData(Shell &shell);

    static const QString kName; // "frmEnterData"
    static constexpr int kRows = 7;
    static constexpr int kSets = 5;
    // The menu items that give the group, in the order they are tested.
    static const QStringList &groupItems();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

    // The Enter button's work: saves the workout.
    void lblEnter_Click();

    enum Kind { Weight, Reps };
    QLabel *exercise(int row) const { return m_rows[row].label; }          // lblExcercise(row)
    QLineEdit *box(int row, Kind kind, int set) const;                      // txtEx<Row><Kind>(set)
    QScrollBar *bar(int row, Kind kind, int set) const;                     // vsEx<Row><Kind>(set)
    Spinner *spinner(int row, Kind kind, int set) const;
    DatePicker *datePicker() const { return m_date; }
    QLabel *notes() const { return m_notes; }
    LabelButton *enterButton() const { return m_button; }
    Shape *separator(int index) const { return m_separators[index]; }     // Line1(index)
    // The category code of the group shown ("Bi"), empty when none.
    QString groupCode() const { return m_group; }
    // The set count of the exercise of a row (0 for a row without one).
    int setsOf(int row) const { return m_rows[row].sets; }

    // The rows as the save sees them: each shown exercise with the texts of
    // its shown boxes.
    QList<WeightWorkout::Row> workoutRows() const;

private:
    struct Inputs
    {
        std::array<QLineEdit *, kSets> box{};
        std::array<QScrollBar *, kSets> bar{};
        std::array<Spinner *, kSets> spinner{};
        // Dragging the thumb of set 1 fills sets 2 to 5 at once (else only
        // when the drag ends).
        bool dragFills = false;
    };
    struct Row
    {
        QLabel *label = nullptr;
        Inputs weight, reps;
        int sets = 0;
    };
    void buildRow(int row);
    void bindSpinner(Inputs &inputs, int set, int smallStep, int largeStep);
    void firstSetChanged(Inputs &inputs, int value);
    void showRow(int row, const QString &name, int sets);
    void extendSeparators();
    void grow();
    void hovered(QWidget *control);
    void cleared();
    void resetInputs();

    std::array<Row, kRows> m_rows;
    std::array<Shape *, kSets> m_separators{};
    QString m_group;
    DatePicker *m_date = nullptr;
    QLabel *m_notes = nullptr;
    QLabel *m_enter = nullptr;
    LabelButton *m_button = nullptr;
    HoverHint *m_hints = nullptr;
};
