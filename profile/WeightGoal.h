#pragma once

#include <QDate>
#include <QString>
#include <optional>

class Settings;

// The weight goal: a goal weight and the date by which to reach it, kept in
// the settings section "Goals", and the metabolic adjustment kept as "Met"
// of "Personal Information".
class WeightGoal
{
public:
    // Keys of the "Goals" section (the body-weight chart reads them too).
    static const QString kGoalWeightKey; // "GoalWeight": the goal weight as typed
    static const QString kGoalDateKey;   // "GoalDate": the goal date, "M/d/yyyy"

    // A goal is plausible when reaching it needs no more than this loss of
    // pounds a day.
    static constexpr double kMostLossPerDay = 0.142;
    // The goal weight a refused goal falls back to when none is stored.
    static const QString kDefaultGoalWeight; // "95"

    static const QString kTodayMessage;
    static const QString kTooFastMessage;
    static const QString kAcceptedMessage;
    static const QString kNotANumberMessage;

    enum class Verdict { GoalDateIsToday, TooFast, Accepted };
    // The rule, in double precision: days from today to the goal date must
    // not be 0, and (current − goal) / days must not exceed kMostLossPerDay;
    // a gain, or a goal date already past, gives a negative rate and passes.
    static Verdict judge(double currentWeight, double goalWeight, qint64 days);

    // What the goal window's Enter does with its boxes.
    struct Outcome
    {
        QString message;     // for the message box
        bool stored = false; // the goal was accepted and stored
        // The text the goal-weight box shows afterwards, when it changes.
        std::optional<QString> goalBoxText;
    };
    static Outcome enter(Settings &settings, qint16 currentWeight, const QString &goalText,
                         const QDate &goalDate, const QDate &today);

    // The stored goal weight text, or `fallback` when none is stored or it is
    // no usable goal weight.
    static QString storedGoalWeight(const Settings &settings, const QString &fallback);
    // The stored goal date, or `today` when none (or no date) is stored.
    static QDate storedGoalDate(const Settings &settings, const QDate &today);

    // The stored metabolic adjustment (0 when none or no whole number).
    static qint16 storedMet(const Settings &settings);
    // Stores the adjustment box's nearest whole number; returns the sentence
    // telling the user why it was not stored (empty when stored).
    static QString saveMet(Settings &settings, const QString &metText);
};
