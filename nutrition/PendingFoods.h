#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// One food picked in the entry window and not yet entered.
struct PendingFoodRecord
{
    QDate date;       // the date picker's date at the pick (kept, never used)
    QString category; // "Milk", "Meat", "Fruit", "Grain" or "Other"
    QString food;
    QString calories; // per serving, as the list shows it ("90")
    QString servings; // the multiplier ("1.5")
    int line = 0;     // the line of the file the record starts on

    // The same pick: every field but the line.
    bool samePick(const PendingFoodRecord &other) const
    {
        return date == other.date && category == other.category && food == other.food
               && calories == other.calories && servings == other.servings;
    }

    bool operator==(const PendingFoodRecord &) const = default;
};

// The pending-food file TempFood.txt: an empty first line, then one record
// per picked food: the date value (#yyyy-mm-dd#) and four quoted texts
// (category, food, calories per serving, servings). Its empty form is the
// empty line alone. The entry window keeps it equal to its list of picked
// foods and files what it holds on Enter.
class PendingFoods
{
public:
    static const QString kFileName; // "TempFood.txt"

    static QString path(const QString &dataFolder);

    // The empty form: CR LF alone.
    static QByteArray emptyForm();
    // A record's line: "#2026-12-07#,\"Milk\",\"Skim milk (1 cup)\",\"90\",\"1.5\"" CR LF.
    static QByteArray line(const PendingFoodRecord &record);

    // The records after the first field, which is the empty first line; a
    // file of no bytes at all holds none. Throws RecordFileError naming the
    // file and line when a record is cut off or its date is no date.
    static QList<PendingFoodRecord> parse(const QByteArray &bytes, const QString &fileName);
};
