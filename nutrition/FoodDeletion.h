#pragma once

#include "FoodDay.h"

#include <QDate>
#include <QString>

// Deleting a logged food: the day's food file is rewritten without the
// food's first record, and a negative correction of its calories goes into
// the food calorie journal, as one save. The journal's other records stay.
class FoodDeletion
{
public:
    static const QString kNotNumbers; // a row whose calories or servings are no numbers

    // The correction of a food: -(calories × servings), keeping its
    // fraction (90 × 1.5 gives -135, 33 × 1.5 gives -49.5); 0, never -0, for
    // none.
    static double correction(double calories, double servings);

    struct Outcome
    {
        QString refusal;        // a message for the user; nothing was written
        bool removed = false;   // a record was removed (else nothing was written)
        double correction = 0;  // what the journal received
        bool ok() const { return refusal.isEmpty(); }
    };
    // Removes from the day file of `date` the first record whose category,
    // food, calories and servings texts are exactly `row`'s (the date field
    // is not compared) and inserts (date, correction) into FoodEnergy.txt.
    // The correction is computed and every file read and checked before
    // anything is written; a day without that record changes nothing.
    static Outcome remove(const QString &dataFolder, const QDate &date, const FoodDayRecord &row);
};
