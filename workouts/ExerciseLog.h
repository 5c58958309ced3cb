#pragma once

#include "common/FileBatch.h"
#include "common/RecordReader.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// One set of a weight-training workout.
struct SetResult
{
    qint16 weight = 0; // pounds
    qint16 reps = 0;
    bool operator==(const SetResult &) const = default;
};

// One workout of a weight-training exercise's log: its Date text and one
// (weight, repetitions) pair per set of the exercise.
struct ExerciseLogEntry
{
    QString dateText; // "07-Dec-26"
    QList<SetResult> sets;
    VerbatimRecord verbatim; // where it stood in the bytes it was read from

    // The day the Date text names; none when it names no date.
    std::optional<QDate> date() const;
    bool operator==(const ExerciseLogEntry &) const = default;
};

// The log of a weight-training exercise (named by ExerciseLogName): its
// entries in the order they were entered, the latest first, whatever their
// dates. Each entry is the Date text followed by `sets` pairs (weight,
// repetitions), whole numbers of 16 bits; `sets` is the exercise's
// WeightExercise::setCount().
class ExerciseLog
{
public:
    // Every entry of the bytes; throws RecordFileError naming the file and
    // line when an entry is incomplete or a number is no whole number of 16
    // bits. With `complete` given it does not throw: it gives the entries
    // before the failing one and sets *complete.
    static QList<ExerciseLogEntry> parse(const QByteArray &bytes, const QString &fileName, qint16 sets,
                                         bool *complete = nullptr);
    // The first `most` entries of the log at `path`, read from the head of
    // the file: those before a damaged one, and in `damage` why the reading
    // stopped there (a damaged entry after the first `most` is not looked
    // for). Errors name `fileName`; a missing file holds none. Throws
    // RecordFileError when the file cannot be read.
    static QList<ExerciseLogEntry> readFirst(const QString &path, const QString &fileName, qint16 sets,
                                             qsizetype most, std::optional<RecordFileError> &damage);

    // The new contents of the log `olderBytes` (of `sets` sets an entry)
    // with `entry` first: the new entry as its Date text on a line of its
    // own and one "weight,reps" line per set, then every older entry as one
    // line of all its fields (one that stands so already is copied as it
    // is). Throws RecordFileError naming the file when an older entry cannot
    // be read or its Date text holds a double quote.
    static QByteArray withFirst(const ExerciseLogEntry &entry, const QByteArray &olderBytes,
                                const QString &fileName, qint16 sets);
    // The same, with the form the log's bytes were checked to stand in (see
    // FileBatch::MakeChecked) and that of the new contents: a log this
    // program wrote is not checked again but for the entry it wrote new.
    static FileBatch::Checked withFirstChecked(const ExerciseLogEntry &entry, const QByteArray &olderBytes,
                                               QByteArrayView form, const QString &fileName, qint16 sets);
};
