#include "ExerciseLog.h"

#include "RecordList.h"

#include "common/DateText.h"
#include "common/RecordWriter.h"

std::optional<QDate> ExerciseLogEntry::date() const
{
    return DateText::parseMedium(dateText.trimmed());
}

namespace {

ExerciseLogEntry readEntry(RecordReader &r, qint16 sets)
{
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
}

} // namespace

QList<ExerciseLogEntry> ExerciseLog::parse(const QByteArray &bytes, const QString &fileName, qint16 sets,
                                           bool *complete)
{
    return readRecords<ExerciseLogEntry>(
        bytes, fileName, [sets](RecordReader &r) { return readEntry(r, sets); }, complete);
}

QByteArray ExerciseLog::withFirst(const ExerciseLogEntry &entry, const QByteArray &olderBytes,
                                  const QString &fileName, qint16 sets)
{
    RecordWriter out;
    out.reserve(olderBytes.size() + 16 + 10 * entry.sets.size());
    out.write({RecordValue::text(entry.dateText)});
    for (const SetResult &s : entry.sets)
        out.write({RecordValue::whole(s.weight), RecordValue::whole(s.reps)});
    QList<RecordValue> fields; // one list for every entry: no allocation per entry
    // One pass: each older entry is read, checked and written before the
    // next; one that stands as one line already is copied as it is.
    forEachRecord<ExerciseLogEntry>(
        olderBytes, fileName, [sets](RecordReader &r) { return readEntry(r, sets); },
        [&](const ExerciseLogEntry &e) {
            if (out.copy(olderBytes, e.verbatim))
                return;
            RecordWriter::requireWritable(e.dateText, fileName);
            fields.clear();
            fields.append(RecordValue::text(e.dateText));
            for (const SetResult &s : e.sets) {
                fields.append(RecordValue::whole(s.weight));
                fields.append(RecordValue::whole(s.reps));
            }
            out.write(fields);
        });
    return out.bytes();
}
