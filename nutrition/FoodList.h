#pragma once

#include "FoodGroups.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One record of a food-group list: a food with its calories per serving,
// or a heading that groups the foods after it.
struct FoodListRecord
{
    QString name;         // the food's name, or the heading's title
    bool heading = false; // the calories field is empty
    double calories = 0;  // per serving, for a food (a stored 0 is a food too)
    int line = 0;         // the line of the file the record starts on

    // The calories as the lists show them: "90"; empty for a heading.
    QString caloriesText() const;

    bool operator==(const FoodListRecord &) const = default;
};

// The food-group lists (Milk.txt, Meat.txt, Veg&Fruits.txt, Grain.txt,
// Other.txt): records of a quoted name and the calories of one serving as a
// bare whole number, one to a line, in the order the entry window shows
// them; a heading has nothing after its comma. Foods of the user's own are
// appended at the end, under the last heading.
class FoodList
{
public:
    // The texts of the add-food window.
    static const QString kNamePrompt;  // "Enter Name of Food"
    static const QString kNoServing;   // "You must enter in the amount of serving"
    static const QString kNoCalories;  // "You must enter in the calories"
    static const QString kNoName;      // "You must select a name for the food to be entered"
    static const QString kTooLarge;    // calories per serving past kMostCalories
    static const QString kNoGroup;     // a group name that names no list
    static const QString kEntered;     // "Your Food Has Been Entered Into The Kestrava Pulsar Database"

    // The most calories one serving can have: the entry window adds them
    // up in 16 bits.
    static constexpr int kMostCalories = 32767;

    static QString path(const QString &dataFolder, const FoodGroup &group);

    // Every record of the bytes. Throws RecordFileError naming the file and
    // line when a record is cut off or its calories are no number of 0 or
    // more. With `complete` given nothing is thrown: the records before the
    // damaged one are returned and *complete says whether all were read.
    static QList<FoodListRecord> parse(const QByteArray &bytes, const QString &fileName, bool *complete = nullptr);

    // The group's list as far as it reads: a missing file holds no records;
    // a file that cannot be read or is damaged gives the records before the
    // damage and the message naming the file in `problem`.
    struct Reading
    {
        QList<FoodListRecord> records;
        QString problem;
    };
    static Reading read(const QString &dataFolder, const FoodGroup &group);

    // Calories per serving: calories / servings to the nearest whole number,
    // halves to even (100 for 8 gives 12, 150 for 4 gives 38, 5 for 2 gives 2).
    static double perServing(double calories, double servings);

    // A food's line, "\"Yogurt\",38" CR LF, and a heading's, "\"Dairy\"," CR LF.
    static QByteArray line(const QString &name, qint64 calories);
    static QByteArray headingLine(const QString &title);

    struct Outcome
    {
        QString refusal;     // a message for the user; nothing was written
        qint64 perServing = 0; // the calories per serving stored
        bool added() const { return refusal.isEmpty(); }
    };
    // The checks of a new food, in this order: the servings (a number above
    // 0), the calories (a number above 0), the name (not the prompt, not
    // blank, no double quote, slash, backslash or control character, only
    // characters the files hold), the calories per serving (at most
    // kMostCalories) and the group named `groupName` (blanks at both ends
    // aside). The first that fails is the refusal; else the calories per
    // serving.
    static Outcome check(const QString &groupName, const QString &name, const QString &servingsText,
                         const QString &caloriesText);
    // Adds a food that passes check() to the group's list: its record on a
    // line of its own at the end, the file created when it is missing.
    static Outcome add(const QString &dataFolder, const QString &groupName, const QString &name,
                       const QString &servingsText, const QString &caloriesText);
};
