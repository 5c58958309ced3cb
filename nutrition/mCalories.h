#pragma once

#include "PieChart.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class DrawingSurface;
class Settings;

// The caloric balance of a period of whole days: the calories eaten (the
// food journal), burnt by the body's metabolism (from the body weight and
// the metabolic adjustment) and burnt by exercise (the exercise journal),
// their shares of their sum, and the pie that shows them.
namespace mCalories {

// The numbers of days offered, and the most a period may hold.
QStringList dayChoices();
constexpr int kMostDays = 366;

// The messages of a number of days that cannot be used.
inline const QString kChooseDays = QStringLiteral("You must select the number of days to view");
inline const QString kTooGreat = QStringLiteral("The time period you wish to view is too great to view");

// The number of days a text asks for: a whole number from 1 to 366.
struct Days
{
    int days = 0;
    QString problem; // the message when the text asks for none of them
};
Days daysOf(const QString &text);

// (10 x weight + met) x days, to the nearest whole number (halves to even).
qint64 metabolism(double weight, double met, int days);
// The same with the body weight and the metabolic adjustment of the
// settings ("Personal Information"/"Weight" and "Met", 95 and 0 when
// missing or no number).
qint64 metabolism(const Settings &settings, int days);

struct Balance
{
    QDate start, end;
    int days = 0;
    qint64 intake = 0;   // the food journal's calories of the period
    double exercise = 0; // the exercise journal's
    qint64 metabolism = 0;
    // Journals that could not be read whole, one sentence each naming the
    // file; the records that could be read are counted.
    QStringList problems;
};

// The balance of the `days` days from `start`. Each journal is read newest
// first up to its first record older than the period; a record counts when
// its date lies from the first day to the last.
Balance CaloricBalance(const QString &dataFolder, const Settings &settings, const QDate &start, int days);

// The shares of the three values, in the order intake, metabolism,
// exercise: each value's part of their sum, a negative value counting as
// none; all 0 when nothing is left.
struct Shares
{
    double intake = 0;
    double metabolism = 0;
    double exercise = 0;
};
Shares shares(const Balance &balance);

// The wedges of the pie, in the order intake, exercise, metabolism: a
// value of 0 or less eaten or burnt by exercise is drawn as 15, so that its
// wedge shows; metabolism below 0 as 0.
QList<PieChart::Part> pieParts(const Balance &balance);

// The background of the picture, then the pie when any value is above 0.
void DrawCaloricBalance(DrawingSurface &surface, const Balance &balance);

// The text of a value label: the whole number, or the calories with their
// fraction.
QString valueText(double value);

} // namespace mCalories
