#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The calorie factors BurnnedCalories.txt: (activity name, factor) pairs in
// the order they were appended. For weight training the factor is calories
// per logged set per pound of body weight; for an aerobic activity calories
// per minute per pound.
class CalorieFactors
{
public:
    static const QString kFileName;       // "BurnnedCalories.txt"
    static const QString kWeightTraining; // "Weight training"
    // The factor appended for every custom weight exercise.
    static constexpr double kCustomWeightFactor = 0.05;

    struct Pair
    {
        QString name;
        double factor = 0;
        bool operator==(const Pair &) const = default;
    };

    // Every pair of the bytes; throws RecordFileError naming the file when a
    // pair is incomplete or a factor is no number.
    static QList<Pair> parse(const QByteArray &bytes, const QString &fileName);
    // The pairs of the data folder's file; a missing file holds none.
    static QList<Pair> read(const QString &dataFolder);
    static QString path(const QString &dataFolder);

    // The factor of the first pair whose name equals `name` exactly (case and
    // blanks count); 0 when no pair has it.
    static double lookup(const QList<Pair> &pairs, const QString &name);

    // The refusal of a save whose calories the factor of `name` makes too
    // large for any number the journal holds; it names the file.
    static QString tooLarge(const QString &name);

    // One pair as one line: "Curl",0.05
    static QByteArray line(const QString &name, double factor);
};
