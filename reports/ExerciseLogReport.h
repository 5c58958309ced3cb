#pragma once

#include "ReportFamily.h"

#include "workouts/AerobicLog.h"
#include "workouts/ExerciseLog.h"

#include <QList>
#include <QString>

// The log of one weight-training exercise or aerobic activity: each entry's
// date with the weight and repetitions of every set, or with its time and,
// as the activity records them, its distance and terrain. The screen shows
// eight entries a page, the last of a page again first on the next; paper
// prints the whole log under the logo.
//
// The exercise is the reported entry of the choice; the category code says
// which catalogue and log: "In", "Ou" and "Aq" are aerobic, the others
// weight training.
class ExerciseLogReport : public ReportFamily
{
public:
    ReportPage page(const ReportInput &input, int page, PageWay way) const override;
    ReportPrintout printout(const ReportInput &input) const override;

    // Page p shows the entries at positions 7 (p - 1) to 7 p, both included.
    static constexpr int kStep = 7;

    // The log as the report reads it: the exercise's catalogue record, its
    // entries in file order, and what stopped the reading short.
    struct Log
    {
        QString name;
        bool aerobic = false;
        bool found = false; // the catalogue has a record of that name
        qint16 sets = 0;    // weight training: pairs of each entry, 1 to 5
        AerobicLog::Layout layout = AerobicLog::Layout::DateMinutes;
        QList<ExerciseLogEntry> weights;
        QList<AerobicLogEntry> aerobics;
        // A plain sentence naming the file that could not be read (so no
        // entry is shown), or the catalogue whose damage may hide the
        // exercise; empty when there is none.
        QString failure;
        // The damage of the log, naming it: the entries are those before it.
        QString damage;

        qsizetype count() const { return aerobic ? aerobics.size() : weights.size(); }
    };
    static Log read(const QString &dataFolder, const QString &code, const QString &name);

    // The distance's unit on every page and on paper: miles.
    static const QString kDistanceUnit; // "m"
};
