#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class RecordFileError;

// One exercise of the weight-training catalogue ExerciseDescription.txt.
struct WeightExercise
{
    QString code; // the muscle group's category code, "Bi" ... "Le"
    QString name; // without the code; with the code it names the log
    QString description;
    QString sets; // the Sets field's characters as stored: "3" (quoted) or 3 (bare)

    // The number of (weight, repetitions) pairs each log entry holds, by the
    // one rule every reader applies (WeightCatalogue::setCount).
    qint16 setCount() const;

    bool operator==(const WeightExercise &) const = default;
};

// The weight-training catalogue: one record of four fields per exercise
// (code, name, description, sets), in the order they were added.
class WeightCatalogue
{
public:
    static const QString kFileName; // "ExerciseDescription.txt"

    // The six muscle groups in menu order, "Biceps" ... "Legs", and their
    // codes, the first two letters: "Bi", "Tr", "Sh", "Ba", "Ch", "Le".
    static const QStringList &groups();
    static QStringList codes();
    static bool isGroupCode(const QString &code);
    static QString codeOf(const QString &group); // first two characters

    // The stored number of sets as a count of pairs: the field read as a
    // number, rounded to a whole one (halves to even); 1 to 4 stand as they
    // are, anything else (5, 0, 7, -1, no number) counts as 5. Every reader
    // and writer of a log uses this, so each reads the pairs that were
    // written.
    static qint16 setCount(const QString &stored);
    static constexpr qint16 kMostSets = 5;

    // The number of sets a creation window takes from its sets box: the
    // largest whole number not above the text's number, when that is 1 to 5.
    static std::optional<qint16> setsFromBox(const QString &text);

    // Every record of the file's bytes; throws RecordFileError naming the
    // file when a record is incomplete. With `complete` given it does not
    // throw: it gives the records before the failing one and sets *complete.
    static QList<WeightExercise> parse(const QByteArray &bytes, const QString &fileName,
                                       bool *complete = nullptr);
    // The catalogue in the data folder; a missing file is an empty catalogue.
    // Throws RecordFileError when it cannot be read whole.
    static QList<WeightExercise> read(const QString &dataFolder);
    // The records of the catalogue in the data folder before the first that
    // cannot be read, with that damage in `damage` (left empty when every
    // record was read). A missing file has none; a file that cannot be read
    // at all throws RecordFileError.
    static QList<WeightExercise> readUpToDamage(const QString &dataFolder, std::optional<RecordFileError> &damage);
    static QString path(const QString &dataFolder);

    // How a record's Sets field is written: the standard install writes it as
    // a text ("3"), the custom exercise as a bare number (3), a rewrite as a
    // text whatever it was.
    enum class SetsAs { Text, Number };
    static QByteArray line(const WeightExercise &exercise, SetsAs setsAs);

    // The first record of that group and name, names compared exactly.
    static std::optional<WeightExercise> find(const QList<WeightExercise> &exercises,
                                              const QString &code, const QString &name);
    // Whether any record, of any group, has exactly that name.
    static bool containsName(const QList<WeightExercise> &exercises, const QString &name);
    // The records of one group, in file order.
    static QList<WeightExercise> ofGroup(const QList<WeightExercise> &exercises, const QString &code);
};
