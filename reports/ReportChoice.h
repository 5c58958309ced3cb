#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The four reports of the report choice, by the index of their option.
enum class ReportType {
    ExerciseLog = 0,  // the log of one exercise or activity
    Template = 1,     // blank workout sheets of the selected exercises
    Foods = 2,        // the foods eaten on a day
    Descriptions = 3, // the descriptions of the selected exercises
};

// What the report choice holds at one moment, as the report window and the
// report families read it: which report options are selected, the
// category's text, the exercise list with its selection and current row,
// and the day.
struct ReportChoice
{
    std::array<bool, 4> options{}; // chkType(0) ... chkType(3) selected
    QString category;              // the text of cboCategory
    QStringList entries;           // lstExcercise, in list order
    QList<int> selectedRows;       // its selected rows, in list order
    int currentRow = -1;           // its current row; -1 when none
    QDate day;                     // DTPicker1

    // The report shown: the first selected of the exercise log, the template
    // and the foods, in that order; the descriptions otherwise.
    ReportType type() const;
    // The choice lets the report window open: the foods report is chosen, or
    // an exercise is selected (in the list, shown or not).
    bool isMade() const;

    // The category code: the first two characters of the category.
    QString code() const { return category.left(2); }
    // The selected entries in list order.
    QStringList selectedEntries() const;
    // The exercise a one-exercise report shows: the list's current entry
    // when it is selected, else the first selected entry; empty when none is
    // selected.
    QString reportedEntry() const;

    bool operator==(const ReportChoice &) const = default;
};

namespace ReportTypes {

// The most screen pages of each report: 45 exercise log, 10 template, 10
// foods, 35 descriptions.
int pageLimit(ReportType type);

// The refusal of a choice that is not made (with its trailing blank).
inline const QString kNothingChosen = QStringLiteral("You must select an excercise ");

} // namespace ReportTypes
