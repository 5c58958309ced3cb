#pragma once

#include "common/BodyWeight.h"

#include <QDate>
#include <QString>
#include <QStringList>

class Settings;

// The profile kept in the settings section "Personal Information", which the
// rest of the program reads: names, body weight in pounds, age, height in
// feet and inches, and sex.
struct PersonalProfile
{
    static const QString kDefaultFirstName; // "Enter First Name"
    static const QString kDefaultLastName;  // "Enter Last Name"
    static constexpr qint16 kDefaultWeight = BodyWeight::kDefault;
    static constexpr qint16 kDefaultAge = 15;
    static constexpr qint16 kDefaultFeet = 2;
    static constexpr qint16 kDefaultInches = 1;
    static const QString kDefaultSex; // "M"

    // The range every number of the profile must lie in.
    static constexpr qint16 kLowest = 0;
    static constexpr qint16 kHighest = 32767;

    QString firstName = kDefaultFirstName;
    QString lastName = kDefaultLastName;
    qint16 weight = kDefaultWeight;
    qint16 age = kDefaultAge;
    qint16 feet = kDefaultFeet;
    qint16 inches = kDefaultInches;
    QString sex = kDefaultSex;

    // The stored profile; a stored number that is no whole number from 0 to
    // 32767 gives that value's default.
    static PersonalProfile load(const Settings &settings);
    // The stored body weight alone, as load() reads it
    // (BodyWeight::wholePounds).
    static qint16 storedWeight(const Settings &settings);

    // The profile window's caption: the first name's own once one is stored.
    QString windowCaption() const;
};

// The texts of the profile window's boxes.
struct ProfileBoxes
{
    QString firstName, lastName, age, weight, feet, inches, sex;

    // What the Enter button adds to the body-weight history: the whole parts
    // of the boxes, and the height in inches (feet × 12 + inches).
    struct HistoryEntry
    {
        qint16 age = 0;
        qint16 weight = 0;
        qint16 height = 0;
        QString problem; // a sentence for the user when the boxes cannot give a record
        bool ok() const { return problem.isEmpty(); }
    };
    HistoryEntry historyEntry() const;

    // Stores the profile in the order FirstName, LastName, Weight, Age,
    // HFeet, HInches, Sex, each number the nearest whole one. A box without
    // a usable number keeps its stored value; returns one sentence for each
    // such box (empty when everything was stored).
    QStringList save(Settings &settings) const;
};
