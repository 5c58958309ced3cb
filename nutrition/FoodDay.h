#pragma once

#include "common/RecordReader.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// One record of a daily food file: a food eaten on the day, with its
// calories per serving and the servings eaten, both as the entry window
// stored them.
struct FoodDayRecord
{
    QString date;     // the day's Date text, as in the file's name
    QString category; // "Milk", "Meat", "Fruit", "Grain" or "Other"
    QString food;     // the name as in the group list
    QString calories; // calories per serving, as stored ("90")
    QString servings; // servings, as stored ("1.5")
    // The two numbers; the reader checks that the texts are numbers.
    double caloriesValue = 0;
    double servingsValue = 0;
    int line = 0;            // the line of the file the record starts on
    VerbatimRecord verbatim; // where it stood in the bytes it was read from

    // Calories × servings in double precision: 90 × 1.5 gives 135, 33 × 1.1
    // gives 36.3 (as its text shows it).
    double product() const { return caloriesValue * servingsValue; }
    // The calories eaten: the product to the nearest whole number, halves to
    // even, as the entry window added them to the day's total.
    double eaten() const;
    // The product as a text of at most 15 significant digits ("36.3").
    QString productText() const;
    // The same as the user reads it: with the user's decimal separator
    // ("36,3" in German), no thousands separator.
    QString productShown() const;
    // The same food, calories and servings texts in the same category: the
    // date field is not compared.
    bool sameFood(const FoodDayRecord &other) const;

    bool operator==(const FoodDayRecord &) const = default;
};

// The daily food files: one file per day, "Food" + the day's Date text +
// ".txt" ("Food07-Dec-26.txt"), each record five quoted texts (date,
// category, food, calories per serving, servings) on a line ended by CR LF,
// in the order the foods were entered. The entry window appends to it; the
// deletion window rewrites it without one record; the pie chart and the
// foods report read it.
class FoodDay
{
public:
    // The food calorie journal the entry and deletion windows write.
    static const QString kJournalFileName; // "FoodEnergy.txt"

    // "Food07-Dec-26.txt" for 7 December 2026.
    static QString fileName(const QDate &date);
    static QString path(const QString &dataFolder, const QDate &date);

    // Every record of the bytes. Throws RecordFileError naming the file and
    // line when a record is cut off or its calories or servings are no
    // number of 0 or more. With `complete` given nothing is thrown: the
    // records before the damaged one are returned and *complete says
    // whether all were read.
    static QList<FoodDayRecord> parse(const QByteArray &bytes, const QString &fileName, bool *complete = nullptr);

    // The next record of the reader, read and checked as parse() reads
    // each one (the same errors).
    static FoodDayRecord readRecord(RecordReader &reader);

    // The number of records of the bytes, each checked as parse() checks
    // it (the same errors), without building them.
    static qsizetype count(const QByteArray &bytes, const QString &fileName);

    // The records of the day `date` in `dataFolder`: a missing or empty file
    // holds none. Throws RecordFileError, whose message() names the file,
    // when the file cannot be read or is damaged.
    static QList<FoodDayRecord> read(const QString &dataFolder, const QDate &date);

    // The same without throwing: the records before the damage, and the
    // message naming the file in `problem` (empty when all were read).
    struct Reading
    {
        QList<FoodDayRecord> records;
        QString problem;
    };
    static Reading readAll(const QString &dataFolder, const QDate &date);

    // Reads the records of the bytes in file order for a reader that sums
    // them, handing each to `visit`: a record that cannot be read is passed
    // over with the rest of its line, and the error of the first one is
    // returned.
    using Visit = std::function<void(const FoodDayRecord &record)>;
    static std::optional<RecordFileError> scan(const QByteArray &bytes, const QString &fileName, const Visit &visit);

    // The same for a reader that sums the foods by group, without the texts
    // it does not need: each record's category as its Windows-1252 bytes (a
    // view valid during the call), its two numbers and its line.
    struct Food
    {
        QByteArrayView category;
        double calories = 0;
        double servings = 0;
        int line = 0;
    };
    using VisitFood = std::function<void(const Food &food)>;
    static std::optional<RecordFileError> scanFoods(const QByteArray &bytes, const QString &fileName,
                                                    const VisitFood &visit);

    // Reads the foods of the day `date` for a reader that adds them up, in
    // file order, as scan() reads them: `add(food)` takes each food that
    // reads and returns false when its calories would take the sum beyond
    // what it holds, which leaves that food out. Returns a sentence naming
    // the file when a food was left out or the file could not be read;
    // empty when every food was added (a missing file holds none).
    using Add = std::function<bool(const FoodDayRecord &food)>;
    static QString sum(const QString &dataFolder, const QDate &date, const Add &add);

    // The same for the food pie: each food as scanFoods() reads it.
    using AddFood = std::function<bool(const Food &food)>;
    static QString sumFoods(const QString &dataFolder, const QDate &date, const AddFood &add);

    // The record's line: five quoted texts, CR LF.
    static QByteArray line(const FoodDayRecord &record);
    static QByteArray line(const QString &dateText, const QString &category, const QString &food,
                           const QString &calories, const QString &servings);

    // The calories one pick adds to the day: calories × servings to the
    // nearest whole number, halves to even (90 × 1.5 = 135, 13 × 0.5 = 6,
    // 15 × 0.5 = 8, 33 × 1.1 = 36).
    static double itemCalories(double calories, double servings);
};
