#include "ExerciseLog.h"

#include "RecordList.h"

#include "common/DateText.h"
#include "common/RecordWriter.h"

std::optional<QDate> ExerciseLogEntry::date() const
{
    return DateText::parseMedium(dateText.trimmed());
}

QList<ExerciseLogEntry> ExerciseLog::parse(const QByteArray &bytes, const QString &fileName, qint16 sets,
                                           bool *complete)
{
    return readRecords<ExerciseLogEntry>(
        bytes, fileName,
        [sets](RecordReader &r) {
            ExerciseLogEntry e;
            e.dateText = r.readText();
            e.sets.reserve(sets);
            for (qint16 k = 0; k < sets; ++k) {
                SetResult s;
                s.weight = r.readInt16();
                s.reps = r.readInt16();
                e.sets.append(s);
            }
            return e;
        },
        complete);
}

QByteArray ExerciseLog::withFirst(const ExerciseLogEntry &entry, const QList<ExerciseLogEntry> &older)
{
    RecordWriter out;
    out.write({RecordValue::text(entry.dateText)});
    for (const SetResult &s : entry.sets)
        out.write({RecordValue::whole(s.weight), RecordValue::whole(s.reps)});
    QList<RecordValue> fields; // one list for every entry: no allocation per entry
    for (const ExerciseLogEntry &e : older) {
        fields.clear();
        fields.append(RecordValue::text(e.dateText));
        for (const SetResult &s : e.sets) {
            fields.append(RecordValue::whole(s.weight));
            fields.append(RecordValue::whole(s.reps));
        }
        out.write(fields);
    }
    return out.bytes();
}
