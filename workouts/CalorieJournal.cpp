#include "CalorieJournal.h"

#include "FileBatch.h"
#include "NewestFirst.h"
#include "RecordList.h"

#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordWriter.h"

#include <cmath>
#include <limits>

const QString CalorieJournal::kExerciseFileName = QStringLiteral("ExerciseCalories.txt");

QList<CalorieJournalEntry> CalorieJournal::parse(const QByteArray &bytes, const QString &fileName)
{
    return readRecords<CalorieJournalEntry>(bytes, fileName, [&fileName](RecordReader &r) {
        CalorieJournalEntry e;
        e.line = r.line();
        e.dateText = r.readText();
        e.calories = r.readDouble();
        const auto d = DateText::parseMedium(e.dateText.trimmed());
        if (!d)
            throw RecordFileError(RecordFileError::TypeMismatch, fileName,
                                  QStringLiteral("\"%1\" is not a date").arg(e.dateText), e.line);
        e.date = *d;
        return e;
    });
}

QList<CalorieJournalEntry> CalorieJournal::read(const QString &path)
{
    return parse(RecordFile::read(path), path);
}

qsizetype CalorieJournal::insertionIndex(const QList<CalorieJournalEntry> &entries, const QDate &date)
{
    return NewestFirst::insertionIndex(entries, date);
}

QByteArray CalorieJournal::inserted(const QList<CalorieJournalEntry> &entries, const QString &fileName,
                                    const QDate &date, float calories)
{
    // A value no reader could take back would make the journal unreadable.
    if (!std::isfinite(calories))
        throw RecordFileError(RecordFileError::Overflow, fileName, QStringLiteral("the calories do not fit"));
    const qsizetype at = insertionIndex(entries, date);
    RecordWriter out;
    for (qsizetype i = 0; i <= entries.size(); ++i) {
        if (i == at)
            out.write({RecordValue::text(DateText::medium(date)), RecordValue::single(calories)});
        if (i == entries.size())
            break;
        const CalorieJournalEntry &e = entries[i];
        const double whole = NumberText::roundHalfEven(e.calories);
        if (whole < double(std::numeric_limits<qint32>::min())
            || whole > double(std::numeric_limits<qint32>::max()))
            throw RecordFileError(RecordFileError::Overflow, fileName,
                                  QStringLiteral("%1 does not fit").arg(NumberText::dbl(e.calories)),
                                  e.line);
        out.write({RecordValue::text(e.dateText), RecordValue::whole(qint64(whole))});
    }
    return out.bytes();
}

void CalorieJournal::stageInsert(FileBatch &batch, const QString &path, const QDate &date, float calories)
{
    const QList<CalorieJournalEntry> entries = parse(batch.read(path), path);
    batch.write(path, inserted(entries, path, date, calories));
}

void CalorieJournal::insert(const QString &path, const QDate &date, float calories)
{
    FileBatch batch;
    stageInsert(batch, path, date, calories);
    batch.commit();
}
