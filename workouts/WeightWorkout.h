#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class Settings;

// Saving one weight-training workout: every row whose first set has
// repetitions gets a new entry at the top of its exercise's log, and the
// calories of the whole workout go into the exercise-calorie journal.
class WeightWorkout
{
public:
    // One exercise row of the entry window: the group code and exercise name
    // it was filled from, and the texts of its shown boxes, one weight and
    // one repetition box per set.
    struct Row
    {
        QString code;
        QString name;
        QStringList weights;
        QStringList reps;
    };

    static const QString kEntered; // "You're Information has been entered"

    struct Outcome
    {
        QString refusal;     // a sentence for the user; nothing was written
        QStringList saved;   // the names of the exercises logged, in row order
        int setsLogged = 0;  // the sets of every saved row
        float calories = 0;  // the calories put into the journal
        bool ok() const { return refusal.isEmpty(); }
    };

    // The largest weight or repetition count a box may hold: what a log
    // stores (16 bits).
    static constexpr int kMostInBox = 32767;

    // Saves the workout of `rows` on `date`. Every shown box of each saved
    // row is checked first (a whole number from 0 to 32767; a row whose
    // set-1 repetitions are 0 is not saved and its boxes are not read), then
    // the catalogue, each saved exercise's log, the calorie factors and the
    // journal are read whole, then the logs and the journal are written. A
    // journal record is inserted also when no row is saved (0 calories).
    static Outcome save(const QString &dataFolder, const Settings &settings, const QDate &date,
                        const QList<Row> &rows);

    // Calories of a workout: sets logged × the "Weight training" factor ×
    // body weight, in single precision as the save adds them up (row by row,
    // then times the body weight).
    static float calories(const QList<int> &setsPerRow, float factor, float bodyWeight);

    // "The weight of set 2 of Barbell Curl must be a whole number from 0 to 32767."
    static QString badBox(const QString &what, int set, const QString &name);
};
