#pragma once

#include <QString>

class Settings;

// An aerobic activity of the user's own: its catalogue record, its empty log
// and a calorie factor derived from a sample workout.
class CustomAerobic
{
public:
    // The texts and choices of the custom-activity window.
    struct Input
    {
        QString name;         // as typed; kept with its blanks in the catalogue
        QString code;         // "In", "Ou", "Aq"; empty when no class is chosen
        bool distanceAndTime = false;
        bool timeOnly = true;
        bool terrain = false; // the terrain box is ticked
        QString calories;     // calories burned in the sample workout
        QString minutes;      // its minutes
    };

    struct Outcome
    {
        QString refusal; // a message for the user; nothing was written
        bool added() const { return refusal.isEmpty(); }
    };

    static const QString kNamePrompt;  // "Place Excersice Name Here"
    static const QString kIncomplete;  // "You must fill in all the information correctly"
    static const QString kAdded;       // "Your Custom Excercise Has Been Added"
    static const QString kBadName;     // a name holding a character no name may hold
    static const QString kNoWeight;    // a stored body weight of 0

    // The sample workout's ranges, its spinners' own: calories and minutes
    // outside them are kIncomplete.
    static constexpr int kLeastCalories = 1;
    static constexpr int kMostCalories = 1000;
    static constexpr int kLeastMinutes = 1;
    static constexpr int kMostMinutes = 120;

    // Calories per minute per pound of body weight: calories / minutes /
    // body weight to four decimals (halves to even), divided by 10 once when
    // that is above 1. 300 calories in 30 minutes at 150 pounds give 0.0667.
    static double factor(double calories, double minutes, double bodyWeight);

    // Checks every input (a name too long for its log's file name is
    // ExerciseLogName::kTooLong), reads the catalogue and the calorie factors, then
    // appends the catalogue record, creates the log when it does not exist
    // yet and appends the factor pair (the name without its outer blanks).
    // A refusal writes nothing; a failed write undoes the earlier ones.
    static Outcome add(const QString &dataFolder, const Settings &settings, const Input &input);
};
