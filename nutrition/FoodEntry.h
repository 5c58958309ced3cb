#pragma once

#include "FoodGroups.h"
#include "FoodList.h"
#include "PendingFoods.h"

#include <QDate>
#include <QString>

#include <optional>

// The daily food entry: foods picked from a group list with a number of
// servings go into the pending-food file; Enter files them in the day's food
// file and the day's calories in the food calorie journal, as one save.
class FoodEntry
{
public:
    // The day's total, as the entry window adds it up, in 16 bits.
    static constexpr int kMostTotal = 32767;
    static constexpr double kMostServings = 100;

    static const QString kBadServings; // a multiplier that is no number from 0 to 100
    static const QString kTooMuch;     // a total past kMostTotal
    static const QString kPicksChanged; // TempFood.txt holds other foods than the window's

    // The servings as they are stored: the number typed, in its "." text
    // ("1.5", "2", "0.25"); none when it is not a number from 0 to 100.
    static std::optional<QString> servingsText(const QString &typed);

    struct Pick
    {
        QString refusal;          // a message for the user; nothing changed
        PendingFoodRecord record; // what went into the pending-food file
        qint32 calories = 0;      // the calories it adds to the total
        bool picked() const { return refusal.isEmpty(); }
    };
    // Picks `food` of `group`'s list with the servings typed in
    // `multiplier` while `total` calories are picked already: checks the
    // servings and that the total stays within kMostTotal, then appends the
    // food to the pending-food file (dated `date`).
    static Pick pick(const QString &dataFolder, const QDate &date, const FoodGroup &group,
                     const FoodListRecord &food, const QString &multiplier, qint32 total);

    // Sets the pending-food file to its empty form (at opening and on Clear
    // List). The message naming the file when it cannot be written, else
    // empty.
    static QString reset(const QString &dataFolder);

    struct Entered
    {
        QString refusal;    // a message for the user; nothing was written
        qsizetype foods = 0; // the foods filed
        qint32 total = 0;   // the calories journalled (0: none)
        bool ok() const { return refusal.isEmpty(); }
    };
    // Enter of `picks`, the foods the window shows as chosen: reads the
    // pending-food file, the day file of `date` and the journal, and checks
    // them all; then, as one save, appends every pick to the day file under
    // `date` (creating it), inserts the day's total into FoodEnergy.txt when
    // it is not 0, and sets the pending-food file to its empty form. No
    // picks: only the pending-food file is reset, and no day file is made.
    // A pending-food file that does not hold exactly `picks` (another copy
    // of the program reset it or picked into it) is refused with
    // kPicksChanged, and nothing is written.
    static Entered enter(const QString &dataFolder, const QDate &date, const QList<PendingFoodRecord> &picks);
};
