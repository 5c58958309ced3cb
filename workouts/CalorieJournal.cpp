#include "CalorieJournal.h"

#include "common/FileBatch.h"
#include "NewestFirst.h"
#include "RecordList.h"

#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordWriter.h"
#include "common/Windows1252.h"

#include <cmath>

const QString CalorieJournal::kExerciseFileName = QStringLiteral("ExerciseCalories.txt");

namespace {

// One record as it is read: its date field's bytes (a view into the
// journal's bytes), the date they name and the calories.
struct JournalRecord
{
    QByteArrayView dateField;
    bool sameDate = false; // the date field repeats the one before it
    QDate date;
    double calories = 0;
    int line = 0;
    VerbatimRecord verbatim;
};

// Reads one record after another. Records of one day follow one another: a
// date field that repeats the one before it shares its date instead of being
// read again.
struct RecordReading
{
    const QString &fileName;
    QByteArrayView lastField;
    QDate lastDate;

    JournalRecord operator()(RecordReader &r)
    {
        JournalRecord j;
        j.line = r.line();
        j.dateField = r.readRaw();
        j.calories = r.readDouble();
        if (!lastField.isNull() && j.dateField == lastField) {
            j.sameDate = true;
            j.date = lastDate;
            return j;
        }
        const auto d = DateText::parseMedium(j.dateField);
        if (!d)
            throw RecordFileError(RecordFileError::TypeMismatch, fileName,
                                  QStringLiteral("\"%1\" is not a date").arg(Windows1252::decode(j.dateField)), j.line);
        j.date = *d;
        lastField = j.dateField;
        lastDate = j.date;
        return j;
    }
};

// The new record keeps its fraction; a value the next rewrite could not
// write back would stop every later save of the journal.
void writeNew(RecordWriter &out, const QString &fileName, const QDate &date, float calories)
{
    if (!CalorieJournal::fits(calories))
        throw RecordFileError(RecordFileError::WriteFailed, fileName,
                              QStringLiteral("the calories %1 are too large to record").arg(NumberText::dbl(calories)));
    out.write({RecordValue::text(DateText::medium(date)), RecordValue::single(calories)});
}

// An old record goes back as a whole number of 32 bits; one that stands so
// in `source` is copied.
void writeOld(RecordWriter &out, const QString &fileName, const JournalRecord &j, QByteArrayView source)
{
    if (out.copy(source, j.verbatim))
        return;
    const auto whole = NumberText::whole32(j.calories);
    if (!whole)
        throw RecordFileError(RecordFileError::Overflow, fileName,
                              QStringLiteral("%1 does not fit").arg(NumberText::dbl(j.calories)), j.line);
    out.write({RecordValue::text(Windows1252::decode(j.dateField)), RecordValue::whole(*whole)});
}

// A new record of double precision keeps up to 15 significant digits, and
// stays within what the rewrite of old records keeps.
void writeNewExact(RecordWriter &out, const QString &fileName, const QDate &date, double calories)
{
    if (!NumberText::whole32(calories))
        throw RecordFileError(RecordFileError::Overflow, fileName, QStringLiteral("the calories do not fit"));
    out.write({RecordValue::text(DateText::medium(date)), RecordValue::dbl(calories == 0 ? 0.0 : calories)});
}

// The one insertion pass: each record is read, checked and written before
// the next, so no list of the whole journal is ever built; `writeNew`
// writes the new record before the first record dated on or before it.
template <typename WriteNew>
QByteArray insertWith(const QByteArray &bytes, const QString &fileName, const QDate &date, WriteNew writeNew)
{
    RecordWriter out;
    out.reserve(bytes.size() + 32);
    bool placed = false;
    RecordReading reading{fileName, {}, {}};
    forEachRecord<JournalRecord>(
        bytes, fileName, [&reading](RecordReader &r) { return reading(r); },
        [&](const JournalRecord &j) {
            if (!placed && NewestFirst::goesBefore(j, date)) {
                writeNew(out);
                placed = true;
            }
            writeOld(out, fileName, j, bytes);
        });
    if (!placed)
        writeNew(out);
    return out.bytes();
}

} // namespace

QList<CalorieJournalEntry> CalorieJournal::parse(const QByteArray &bytes, const QString &fileName)
{
    QList<CalorieJournalEntry> out;
    out.reserve(lineCount(bytes));
    // Records of one date share its text.
    QString lastText;
    RecordReading reading{fileName, {}, {}};
    forEachRecord<JournalRecord>(
        bytes, fileName, [&reading](RecordReader &r) { return reading(r); },
        [&](const JournalRecord &j) {
            if (!j.sameDate)
                lastText = Windows1252::decode(j.dateField);
            out.append(CalorieJournalEntry{lastText, j.date, j.calories, j.line, j.verbatim});
        });
    return out;
}

QList<CalorieJournalEntry> CalorieJournal::read(const QString &path)
{
    return parse(RecordFile::read(path), path);
}

bool CalorieJournal::fits(float calories)
{
    if (!std::isfinite(calories))
        return false;
    const auto written = NumberText::parse(NumberText::single(calories));
    return written && NumberText::whole32(*written);
}

std::optional<RecordFileError> CalorieJournal::scan(const QByteArray &bytes, const QString &fileName,
                                                    const Visit &visit)
{
    RecordReading reading{fileName, {}, {}};
    return forEachReadable<JournalRecord>(
        bytes, fileName, [&reading](RecordReader &r) { return reading(r); },
        [&visit](const JournalRecord &j) { return visit(j.date, j.calories, j.line); });
}

qsizetype CalorieJournal::insertionIndex(const QList<CalorieJournalEntry> &entries, const QDate &date)
{
    return NewestFirst::insertionIndex(entries, date);
}

QByteArray CalorieJournal::inserted(const QByteArray &bytes, const QString &fileName, const QDate &date,
                                    float calories)
{
    return insertWith(bytes, fileName, date,
                      [&](RecordWriter &out) { writeNew(out, fileName, date, calories); });
}

QByteArray CalorieJournal::insertedExact(const QByteArray &bytes, const QString &fileName, const QDate &date,
                                         double calories)
{
    return insertWith(bytes, fileName, date,
                      [&](RecordWriter &out) { writeNewExact(out, fileName, date, calories); });
}

void CalorieJournal::stageInsert(FileBatch &batch, const QString &path, const QDate &date, float calories)
{
    batch.transform(path, [path, date, calories](const QByteArray &before) {
        return inserted(before, path, date, calories);
    });
}

void CalorieJournal::stageInsertExact(FileBatch &batch, const QString &path, const QDate &date,
                                      double calories)
{
    batch.transform(path, [path, date, calories](const QByteArray &before) {
        return insertedExact(before, path, date, calories);
    });
}

void CalorieJournal::insert(const QString &path, const QDate &date, float calories)
{
    FileBatch batch;
    stageInsert(batch, path, date, calories);
    batch.commit();
}
