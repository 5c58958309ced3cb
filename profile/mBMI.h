#pragma once

#include "ViewingPeriod.h"
#include "WeightHistory.h"

#include <QColor>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class DrawingSurface;
class Settings;

// The body-weight and body-mass-index chart: a three-dimensional frame (a
// dark red floor, a shaded back wall on the screen, grid lines with their
// scale) and the newest records of the body-weight history, as columns or
// as a shaded line ribbon, newest at the right, each labelled with its date
// and value. The screen and the printed page draw the same chart with the
// same numbers: the screen on 1000 x 1000 units, the page on 1500 x 1500 so
// the chart takes its lower left two thirds.
namespace mBMI {

// The chart kind, by the text of the options dialog's comparison combo:
// exactly "Weight Only" charts pounds, any other text the BMI.
enum class Kind { Weight, BMI };
inline const QString kWeightOnly = QStringLiteral("Weight Only");
inline const QString kBMIKind = QStringLiteral("BMI (Body Mass Index)");
Kind kindOf(const QString &kindText);

// The chart type: 1 draws columns, any other value a line.
inline constexpr int kColumns = 1;
inline constexpr int kLine = 2;

enum class Medium { Screen, Paper };

// "BMI Chart"/preXOne: the line's previous X, left "0" after every chart.
inline const QString kPreXOneKey = QStringLiteral("preXOne");

// "BMI Info"/AbTimeChecked: the period text the abdominal chart shows,
// stored by the options dialog in abdominal mode.
inline const QString kAbTimeCheckedKey = QStringLiteral("AbTimeChecked");

inline const QString kProperDateMessage = QStringLiteral("You must choose a proper date");

// One record the chart draws.
struct Point
{
    int count = 0;    // its place among the records taken, from 1 (empty places included)
    QString dateText; // the record's date text
    float value = 0;  // pounds, or the BMI to one decimal
};

// The records a chart takes from the history, newest first. "Last 7
// Entries" takes the 7 newest records, "Last 14 Entries" 14, "Last 30
// Entries" 28, and the longer periods 28 records of every 2nd, 4th, 8th or
// 12th one. The placeholder record, and a record with no usable weight (below
// one pound) or, in a BMI chart, no usable height, keep their place empty.
struct Sampling
{
    QList<Point> points;
    // Why older records the period asks for could not be read; empty when
    // the history gave every record the chart needed.
    QString problem;
};
Sampling sample(const WeightHistory::Contents &history, const ViewingPeriod &period, Kind kind);
// How many of the newest records of the history the period's chart reads:
// the last one it takes is the oldest it needs.
qsizetype recordsRead(const ViewingPeriod &period);

// The value a record is drawn with: its whole pounds, or the BMI of its
// whole pounds and its height to one decimal; none for a record that cannot
// be drawn.
std::optional<float> chartValue(const WeightHistoryRecord &record, Kind kind);

// Where a record stands: x of its place for the period's step, y of its value.
double pointX(int count, int step);
double pointY(float value, Kind kind);

// "7-Dec" for a record's date text; a text that is no date is shown as it is.
QString dateLabel(const QString &dateText);
// A number as the chart prints it: a blank before a positive value (" 180").
QString printForm(double value);

// The empty frame: on the screen cleared and scaled 1000 x 1000 with y
// upwards, the floor, the shaded back wall, the grid with its scale in light
// grey (and for BMI the guide texts "Overweight -> 25", "Obese -> 30") and
// the axes; on paper scaled 1500 x 1500, without the wall, with the scale and
// "Overweight 25", "Obese 30" in black.
void drawFrame(DrawingSurface &surface, Kind kind, Medium medium);

// The whole chart of the history in `dataFolder` for the options dialog's
// choices: frame, then each record taken. Leaves "0" under "BMI Chart"/
// preXOne. Returns what the user must be told (an unknown period text, a
// history that could not be read to the records asked for), or an empty
// text.
QString drawChart(DrawingSurface &surface, Medium medium, const QString &dataFolder,
                  Settings &settings, const QString &periodText, const QString &kindText,
                  int chartType);

inline QString ShowBMIChart(DrawingSurface &surface, const QString &dataFolder, Settings &settings,
                            const QString &periodText, const QString &kindText, int chartType)
{
    return drawChart(surface, Medium::Screen, dataFolder, settings, periodText, kindText, chartType);
}
inline QString PrintBMIChart(DrawingSurface &surface, const QString &dataFolder, Settings &settings,
                             const QString &periodText, const QString &kindText, int chartType)
{
    return drawChart(surface, Medium::Paper, dataFolder, settings, periodText, kindText, chartType);
}

// The goal-progress sentences under the chart, from the stored body weight,
// goal weight and goal date.
struct GoalProgress
{
    QString goal;            // "According to your goal setting objectives, ..." or the congratulation
    QString rate;            // "That's 2.33 pounds per week."
    bool rateShown = true;   // false once the goal is reached
};
GoalProgress goalProgress(const Settings &settings, const QDate &today);

// The weekly rate as the sentence shows it: cut to its first four
// characters (2.333333 gives 2.33, 13.125 gives 13.1), but never into its
// whole digits (12345.6 gives 12345).
float shownRate(float rate);

} // namespace mBMI
