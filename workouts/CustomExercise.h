#pragma once

#include <QString>

// A weight-training exercise of the user's own: its catalogue record, its
// empty log and its calorie-factor pair.
class CustomExercise
{
public:
    // The texts of the custom-exercise window's boxes.
    struct Input
    {
        QString group;       // "Biceps" ... "Legs"
        QString name;        // as typed; stored without outer blanks
        QString description; // as typed
        QString sets;        // the sets box's text
    };

    struct Outcome
    {
        QString refusal; // a sentence for the user; nothing was written
        bool added() const { return refusal.isEmpty(); }
    };

    static const QString kNamePrompt;  // "Enter Exercise Name"
    static const QString kNoName;      // "You must enter a name for the exercise you have picked."
    static const QString kAdded;       // "Your Custom Excercise Has Been Added"
    static const QString kBadName;     // a name holding a character no name may hold
    static const QString kBadText;     // a description holding a character no record may hold
    static const QString kBadSets;     // a sets box that is no whole number from 1 to 5
    static const QString kBadGroup;    // a group that is none of the six

    // Checks every input (a name too long for its log's file name is
    // ExerciseLogName::kTooLong) and reads the catalogue and the calorie factors,
    // then appends the catalogue record (code, name, description, sets as a
    // bare number), creates the log when none exists (an existing log keeps
    // its entries) and appends the pair (name, 0.05). A name already in the
    // catalogue, in any group, is refused. A refusal writes nothing; a failed
    // write puts back what was written before it.
    static Outcome add(const QString &dataFolder, const Input &input);
};
