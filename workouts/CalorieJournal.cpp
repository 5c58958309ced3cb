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
#include <limits>

const QString CalorieJournal::kExerciseFileName = QStringLiteral("ExerciseCalories.txt");

namespace {

// Reads one record after another. Records of one day follow one another: a
// date field that repeats the one before it shares its text and date
// instead of being read again.
struct EntryReading
{
    const QString &fileName;
    QByteArrayView lastField;
    CalorieJournalEntry last;

    CalorieJournalEntry operator()(RecordReader &r)
    {
        CalorieJournalEntry e;
        e.line = r.line();
        const QByteArrayView field = r.readRaw();
        const bool repeated = !lastField.isNull() && field == lastField;
        e.dateText = repeated ? last.dateText : Windows1252::decode(field);
        e.calories = r.readDouble();
        if (repeated) {
            e.date = last.date;
        } else {
            const auto d = DateText::parseMedium(e.dateText.trimmed());
            if (!d)
                throw RecordFileError(RecordFileError::TypeMismatch, fileName,
                                      QStringLiteral("\"%1\" is not a date").arg(e.dateText), e.line);
            e.date = *d;
            lastField = field;
            last = e;
        }
        return e;
    }
};

// The new record keeps its fraction; a value no reader could take back
// would make the journal unreadable.
void writeNew(RecordWriter &out, const QString &fileName, const QDate &date, float calories)
{
    if (!std::isfinite(calories))
        throw RecordFileError(RecordFileError::Overflow, fileName, QStringLiteral("the calories do not fit"));
    out.write({RecordValue::text(DateText::medium(date)), RecordValue::single(calories)});
}

// An old record goes back as a whole number of 32 bits; one that stands so
// in `source` is copied.
void writeOld(RecordWriter &out, const QString &fileName, const CalorieJournalEntry &e, QByteArrayView source)
{
    if (out.copy(source, e.verbatim))
        return;
    const double whole = NumberText::roundHalfEven(e.calories);
    if (whole < double(std::numeric_limits<qint32>::min()) || whole > double(std::numeric_limits<qint32>::max()))
        throw RecordFileError(RecordFileError::Overflow, fileName,
                              QStringLiteral("%1 does not fit").arg(NumberText::dbl(e.calories)), e.line);
    out.write({RecordValue::text(e.dateText), RecordValue::whole(qint64(whole))});
}

} // namespace

QList<CalorieJournalEntry> CalorieJournal::parse(const QByteArray &bytes, const QString &fileName)
{
    EntryReading reading{fileName, {}, {}};
    return readRecords<CalorieJournalEntry>(bytes, fileName, [&reading](RecordReader &r) { return reading(r); });
}

QList<CalorieJournalEntry> CalorieJournal::read(const QString &path)
{
    return parse(RecordFile::read(path), path);
}

qsizetype CalorieJournal::insertionIndex(const QList<CalorieJournalEntry> &entries, const QDate &date)
{
    return NewestFirst::insertionIndex(entries, date);
}

QByteArray CalorieJournal::inserted(const QByteArray &bytes, const QString &fileName, const QDate &date,
                                    float calories)
{
    // One pass: each record is read, checked and written before the next,
    // so no list of the whole journal is ever built.
    RecordWriter out;
    out.reserve(bytes.size() + 32);
    bool placed = false;
    EntryReading reading{fileName, {}, {}};
    forEachRecord<CalorieJournalEntry>(
        bytes, fileName, [&reading](RecordReader &r) { return reading(r); },
        [&](const CalorieJournalEntry &e) {
            if (!placed && NewestFirst::goesBefore(e, date)) {
                writeNew(out, fileName, date, calories);
                placed = true;
            }
            writeOld(out, fileName, e, bytes);
        });
    if (!placed)
        writeNew(out, fileName, date, calories);
    return out.bytes();
}

void CalorieJournal::stageInsert(FileBatch &batch, const QString &path, const QDate &date, float calories)
{
    batch.transform(path, [path, date, calories](const QByteArray &before) {
        return inserted(before, path, date, calories);
    });
}

void CalorieJournal::insert(const QString &path, const QDate &date, float calories)
{
    FileBatch batch;
    stageInsert(batch, path, date, calories);
    batch.commit();
}
