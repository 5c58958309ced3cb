#pragma once

#include <QList>
#include <QString>

// Removes exercises from the weight-training catalogue, or activities from
// the aerobic catalogue, together with their logs.
class ExerciseDeletion
{
public:
    enum class Category { Weightlifting, Cardio };

    // The category a choice of the window's category box names: "Weightlifting"
    // is the weight-training catalogue, anything else the aerobic one.
    static Category categoryOf(const QString &choice);

    // One listed catalogue entry; code and name together name its log.
    struct Entry
    {
        QString code;
        QString name;
        bool operator==(const Entry &) const = default;
    };

    // The entries of the category's catalogue whose code is one of its
    // groups or classes, in file order (a name in two records is listed
    // twice). A catalogue that cannot be read gives the entries before the
    // failing record.
    static QList<Entry> entries(const QString &dataFolder, Category category);

    // Removes every record whose code and name are those of a chosen entry
    // and deletes the entries' logs (a missing log is no error), all in one
    // save: all or none. The catalogue is read whole first: when it cannot
    // be, or a log cannot be deleted, nothing changes and the result is a
    // sentence naming the file. Empty on success.
    static QString remove(const QString &dataFolder, Category category, const QList<Entry> &chosen);

    // The sentence the window shows once the deletion is done.
    static const QString kDone; // "The exercises you wished to be deleted have been done so."
};
