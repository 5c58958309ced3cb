#pragma once

#include "workouts/AerobicLog.h"
#include "workouts/ExerciseLog.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What a progress graph shows of a log: the entries it takes, newest first,
// and the value of each. The screen and the printed graph both take their
// entries here, so they always show the same thing.
//
// A graph takes the newest entry and then every step-th one (the step of
// the viewing period), at most seven. An entry that does not read whole ends
// the reading: the entries before it are shown, nothing after it, and when
// the graph is not full the graph's problem names the file and the damage
// (the entries behind it might have been shown).
namespace ProgressSampling {

inline constexpr int kMostGroups = 7;

// The positions (from 0, newest first) of the entries shown out of `count`:
// 0, step, 2 x step, ... below count, at most seven.
QList<qsizetype> shownPositions(qsizetype count, int step);

// One shown entry of a weight-training log.
struct WeightGroup
{
    int index = 0; // 1 for the newest shown entry, one more for each further one
    QString dateText;
    QList<SetResult> sets;
};

struct WeightGraph
{
    bool found = false; // the exercise is in the catalogue
    qint16 sets = 0;    // (weight, reps) pairs of each entry, 1 to 5
    QList<WeightGroup> groups;
    // A plain sentence naming the file when a file could not be read, or
    // was read only in part and the graph is not full; else empty.
    QString problem;
};

// The exercise of that category code and name, looked up in the catalogue
// by both, and its log sampled by `step`.
WeightGraph weightGraph(const QString &dataFolder, const QString &code, const QString &name, int step);

enum class DistanceUnit { None, Yards, Meters, Miles, Kilometers };
enum class TimeUnit { None, Minutes, Hours };

// How an aerobic value is measured: the units chosen in the chart options
// and whether their frames were shown ("Chart Info").
struct AerobicUnits
{
    bool distanceChecked = false; // the Distance frame was shown
    DistanceUnit distance = DistanceUnit::None;
    TimeUnit time = TimeUnit::None;
};

// The stored distance (whole miles) in the unit, as a single-precision number.
float convertedDistance(qint16 miles, DistanceUnit unit);

// The value of one workout: the distance in the chosen unit (0 without one)
// per time in the chosen unit (1 without one). A value of 0 becomes the time
// itself, and `timeAlone` says so; zero minutes with a time unit give 0.
float aerobicValue(const AerobicLogEntry &entry, const AerobicUnits &units, bool *timeAlone = nullptr);

// The Y scale of an aerobic graph, by its first value: 1 up to 1, 2 up to 25,
// 3 up to 500, 4 above.
qint16 aerobicScaleCode(float firstValue);

// The three parts of the Y-axis caption beside the graph ("Miles" "Per"
// "Hour").
struct AxisCaption
{
    QString distance = QStringLiteral("Reps");
    bool distanceShown = true;
    QString per = QStringLiteral("Per");
    bool perShown = false;
    QString time = QStringLiteral("Time");
    bool timeShown = false;

    bool operator==(const AxisCaption &) const = default;
};

// One shown aerobic workout.
struct AerobicPoint
{
    int index = 0;
    QString dateText;
    float value = 0;
    QString terrain; // empty for activities that record none
};

struct AerobicGraph
{
    bool found = false;    // the activity is in the catalogue
    qint16 scaleCode = 0;  // from the first value; 0 while there is none
    QList<AerobicPoint> points;
    AxisCaption caption;
    QString problem; // as WeightGraph::problem
};

// The caption of an aerobic graph in these units; `someTimeAlone` when a
// value fell back to the time.
AxisCaption aerobicCaption(const AerobicUnits &units, bool someTimeAlone);

// The activity of that class code and name, looked up by both, and its log
// sampled by `step`, each entry with its value.
AerobicGraph aerobicGraph(const QString &dataFolder, const QString &code, const QString &name, int step,
                          const AerobicUnits &units);

// One record of the abdominal results: repetitions of upper, lower and
// oblique abdominal exercises.
struct AbdominalEntry
{
    QString dateText;
    qint16 upper = 0;
    qint16 lower = 0;
    qint16 oblique = 0;

    bool operator==(const AbdominalEntry &) const = default;
};

struct AbdominalGroup
{
    int index = 0;
    AbdominalEntry entry;
};

struct AbdominalGraph
{
    QList<AbdominalGroup> groups;
    QString problem; // as WeightGraph::problem
};

inline const QString kAbdominalFile = QStringLiteral("Abdominal.txt");

// Every record of Abdominal.txt's bytes (date, upper, lower, oblique);
// throws RecordFileError naming the file when one does not read whole. With
// `complete` given it does not throw: it gives the records before the
// failing one and sets *complete.
QList<AbdominalEntry> parseAbdominal(const QByteArray &bytes, const QString &fileName, bool *complete = nullptr);

// Abdominal.txt sampled by `step`; a missing file shows nothing.
AbdominalGraph abdominalGraph(const QString &dataFolder, int step);

// The names the chart options list for a category code, in catalogue
// order: the weight-training exercises, or the aerobic activities. As many
// as can be read.
QStringList exerciseNames(const QString &dataFolder, const QString &code);
QStringList activityNames(const QString &dataFolder, const QString &code);
// The aerobic activity of that class code and name.
std::optional<AerobicActivity> activity(const QString &dataFolder, const QString &code, const QString &name);

// The day-and-month label of an entry ("7-Dec"); a date text that names no
// date is shown as it stands.
QString dateLabel(const QString &dateText);

} // namespace ProgressSampling
