#pragma once

#include "AerobicLog.h"

#include <QDate>
#include <QString>
#include <variant>

class Settings;

// Saving one aerobic workout: the entry goes into the activity's log in
// newest-first order, and its calories into the exercise-calorie journal.
class AerobicWorkout
{
public:
    // The texts of the entry window's boxes.
    struct Boxes
    {
        QString hours = QStringLiteral("0");
        QString minutes = QStringLiteral("0");
        QString distance = QStringLiteral("0");
        QString terrain = AerobicLog::kNoTerrain;
    };

    static const QString kPickOne; // "Please pick an excercise to enter"

    // The workout the boxes give for a log of that layout: minutes = whole
    // hours × 60 + the whole part of the minutes, the distance to the nearest
    // whole mile (halves to even). A box that is not a number, a negative
    // value, fractional hours, values beyond 16 bits, or no time at all give
    // a sentence for the user instead. Boxes the layout does not store are
    // not checked.
    static std::variant<AerobicLogEntry, QString> entryOf(const Boxes &boxes, AerobicLog::Layout layout);

    struct Outcome
    {
        QString refusal;    // a message for the user; nothing was written
        float calories = 0; // the calories logged
        bool saved() const { return refusal.isEmpty(); }
    };

    // Saves the workout of the activity `name` of class `code` on `date`:
    // checks the boxes, reads the catalogue, the log, the calorie factors and
    // the journal, then writes the log and the journal. Calories = minutes ×
    // body weight × the factor of the name without its outer blanks.
    static Outcome save(const QString &dataFolder, const Settings &settings, const QString &code,
                        const QString &name, const QDate &date, const Boxes &boxes);
};
