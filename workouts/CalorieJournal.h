#pragma once

#include "common/FileBatch.h"
#include "common/RecordReader.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <optional>


// One record of a calorie journal: the day's Date text and its calories.
struct CalorieJournalEntry
{
    QString dateText; // "07-Dec-26"
    QDate date;       // the same, read as a date
    double calories = 0;
    int line = 0; // the line of the file the record starts on
    VerbatimRecord verbatim; // where it stood in the bytes it was read from

    bool operator==(const CalorieJournalEntry &) const = default;
};

// A calorie journal: ExerciseCalories.txt (calories burned, written by the
// workout saves) and FoodEnergy.txt (calories eaten, written by the food
// windows) share this layout and insertion rule. Records stand latest date
// first; several records may share a date; nothing is ever merged.
class CalorieJournal
{
public:
    static const QString kExerciseFileName; // "ExerciseCalories.txt"

    // Every record of the bytes; throws RecordFileError naming the file and
    // line when a record is incomplete, its calories are no number or its
    // date text is no date.
    static QList<CalorieJournalEntry> parse(const QByteArray &bytes, const QString &fileName);
    // The journal at `path`; a missing file holds no records.
    static QList<CalorieJournalEntry> read(const QString &path);

    // Whether new calories can be a record of the journal: as written, a
    // number that is a whole number of 32 bits once rounded (halves to
    // even), as every later rewrite writes it back.
    static bool fits(float calories);

    // Reads the records of the bytes in file order for a reader that only
    // sums them, handing each one's date, calories and line to `visit` until
    // it returns false. A record that cannot be read (a date text that is no
    // date, calories that are no number, a record cut short) is passed over
    // with the rest of its line; the error of the first one is returned.
    using Visit = std::function<bool(const QDate &date, double calories, int line)>;
    static std::optional<RecordFileError> scan(const QByteArray &bytes, const QString &fileName,
                                               const Visit &visit);

    // The calories of the period from `start` to `end` in the journal at
    // `path`, for the caloric balance: each record counts as the whole
    // number (halves to even) of 32 bits a rewrite writes back for it; a
    // record that cannot be read or does not fit is passed over with the
    // rest of its line, and the first such one is named in `damage`. The
    // journal stands newest first: the records newer than the period are
    // passed over by a search in the file, and the reading stops at the
    // first record older than `start`, so a long journal costs no more than
    // a short one (damage among records outside the period is not looked
    // for). A missing file holds none; throws RecordFileError when the file
    // cannot be read.
    struct PeriodSum
    {
        qint64 calories = 0;
        std::optional<RecordFileError> damage;
    };
    static PeriodSum sumPeriod(const QString &path, const QDate &start, const QDate &end);

    // Where a record of `date` goes: before the first record dated on or
    // before it (so before the records of its own date, after every later
    // one), else at the end.
    static qsizetype insertionIndex(const QList<CalorieJournalEntry> &entries, const QDate &date);

    // The new contents of the journal `bytes` with the record (date,
    // calories) inserted: the new record keeps its fraction (single
    // precision, 142.5), every other record is written back as a whole
    // number (halves to even, 32 bits); one that stands so already is
    // copied as it is. Throws RecordFileError naming the file when a record
    // cannot be read or an old value does not fit, and the WriteFailed error
    // when the new calories do not fit (fits()).
    static QByteArray inserted(const QByteArray &bytes, const QString &fileName, const QDate &date,
                               float calories);
    // The same with a new record of double precision, written with up to 15
    // significant digits (a food's correction, -36.3); a value beyond 32
    // bits, which no later rewrite could keep, is the Overflow error.
    static QByteArray insertedExact(const QByteArray &bytes, const QString &fileName, const QDate &date,
                                    double calories);

    // The same, with the form the journal's bytes were checked to stand in
    // (see FileBatch::MakeChecked) and that of the new contents: a journal
    // this program wrote, newest first, is not checked again, and its
    // record's place is found by halving it. The bytes are those of
    // inserted() and insertedExact().
    static FileBatch::Checked insertedChecked(const QByteArray &bytes, QByteArrayView form, const QString &fileName,
                                              const QDate &date, float calories);
    static FileBatch::Checked insertedExactChecked(const QByteArray &bytes, QByteArrayView form,
                                                   const QString &fileName, const QDate &date, double calories);

    // Stages the insertion into the journal at `path` in `batch`: the
    // journal is read and its new contents made when the batch is committed,
    // and commit() throws the RecordFileError naming the file when that
    // fails.
    static void stageInsert(FileBatch &batch, const QString &path, const QDate &date, float calories);
    // The same with the record of insertedExact().
    static void stageInsertExact(FileBatch &batch, const QString &path, const QDate &date, double calories);
    // The same, written at once (atomically).
    static void insert(const QString &path, const QDate &date, float calories);
};
