// The per-exercise logs, through the saves that rewrite them. The first
// byte chooses the log: a weight-training log of 1 to 5 sets, or an aerobic
// log of one of the three layouts; the rest is the log's bytes. The save
// either refuses with a message and leaves the log byte-identical, or leaves
// a log that reads back as the new entry first (weight training) or in its
// date's place (aerobic), and every old entry exactly as it read before; the
// saves after it, into the log in the form it left, make what they make of
// it read and checked anew.
#include "FuzzCheck.h"

#include "common/DateText.h"
#include "common/RecordFileError.h"
#include "common/RecordWriter.h"
#include "common/Settings.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicLog.h"
#include "workouts/AerobicWorkout.h"
#include "workouts/ExerciseLog.h"
#include "workouts/WeightCatalogue.h"
#include "workouts/WeightWorkout.h"

#include <cstddef>
#include <cstdint>

namespace {

const Settings &settings()
{
    static QTemporaryDir dir;
    static const Settings s(dir.filePath(QStringLiteral("Pulsar.ini")));
    return s;
}

void weightLog(const QByteArray &bytes, qint16 sets)
{
    const QString log = QStringLiteral("BiBarbell Curl.txt");
    Fuzz::putOnly(log, bytes);
    Fuzz::put(WeightCatalogue::kFileName,
              RecordWriter::line({RecordValue::text(QStringLiteral("Bi")), RecordValue::text(QStringLiteral("Barbell Curl")),
                                  RecordValue::text(QString()), RecordValue::whole(sets)}));
    bool complete = false;
    const QList<ExerciseLogEntry> older = ExerciseLog::parse(bytes, log, sets, &complete);

    WeightWorkout::Row row{QStringLiteral("Bi"), QStringLiteral("Barbell Curl"), {}, {}};
    ExerciseLogEntry entry{QStringLiteral("07-Dec-26"), {}};
    for (qint16 k = 0; k < sets; ++k) {
        entry.sets.append(SetResult{qint16(100 + k), qint16(10 - k)});
        row.weights.append(QString::number(100 + k));
        row.reps.append(QString::number(10 - k));
    }
    const WeightWorkout::Outcome o = WeightWorkout::save(Fuzz::folder(), settings(), QDate(2026, 12, 7), {row});
    const QByteArray after = Fuzz::contents(log);
    if (!o.ok()) {
        FUZZ_CHECK(after == bytes);
        return;
    }
    FUZZ_CHECK(complete);
    const QList<ExerciseLogEntry> back = ExerciseLog::parse(after, log, sets);
    FUZZ_CHECK(back.size() == older.size() + 1);
    FUZZ_CHECK(back.first() == entry);
    FUZZ_CHECK(back.mid(1) == older);

    // The next entry into the log in the form this one left it: the bytes
    // and form of the log read and checked anew.
    const FileBatch::Checked first = ExerciseLog::withFirstChecked(entry, bytes, {}, log, sets);
    FUZZ_CHECK(first.bytes == after);
    if (!first.form.isEmpty()) {
        ExerciseLogEntry next = entry;
        next.dateText = QStringLiteral("08-Dec-26");
        const FileBatch::Checked checked = ExerciseLog::withFirstChecked(next, after, {}, log, sets);
        const FileBatch::Checked known = ExerciseLog::withFirstChecked(next, after, first.form, log, sets);
        FUZZ_CHECK(known.bytes == checked.bytes && known.form == checked.form);
    }
}

void aerobicLog(const QByteArray &bytes, AerobicLog::Layout layout)
{
    const QString log = QStringLiteral("OuRunning.txt");
    const AerobicActivity activity{QStringLiteral("Ou"), QStringLiteral("Running"), true,
                                   layout != AerobicLog::Layout::DateMinutes, layout == AerobicLog::Layout::Full};
    Fuzz::putOnly(log, bytes);
    Fuzz::put(AerobicCatalogue::kFileName, AerobicCatalogue::line(activity));
    bool complete = false;
    QList<AerobicLogEntry> expected = AerobicLog::parse(bytes, log, layout, &complete);

    AerobicLogEntry entry;
    entry.date = expected.isEmpty() ? QDate(2026, 12, 7) : expected[expected.size() / 2].date;
    if (entry.date < DateText::kFirstDate || entry.date > DateText::kLastDate)
        entry.date = QDate(2026, 12, 7);
    entry.dateText = DateText::medium(entry.date);
    entry.minutes = 75;
    AerobicWorkout::Boxes boxes;
    boxes.hours = QStringLiteral("1");
    boxes.minutes = QStringLiteral("15");
    boxes.distance = QStringLiteral("7");
    boxes.terrain = QStringLiteral("Hilly ");
    if (layout != AerobicLog::Layout::DateMinutes)
        entry.distance = 7;
    if (layout == AerobicLog::Layout::Full)
        entry.terrain = boxes.terrain;
    const AerobicWorkout::Outcome o = AerobicWorkout::save(Fuzz::folder(), settings(), activity.code,
                                                           activity.name, entry.date, boxes);
    const QByteArray after = Fuzz::contents(log);
    if (!o.saved()) {
        FUZZ_CHECK(after == bytes);
        return;
    }
    FUZZ_CHECK(complete);
    expected.insert(AerobicLog::insertionIndex(expected, entry.date), entry);
    FUZZ_CHECK(AerobicLog::parse(after, log, layout) == expected);

    // The next records into the log in the form this one left it: the bytes
    // and form of the log read and checked anew.
    const FileBatch::Checked first = AerobicLog::insertedChecked(bytes, {}, log, layout, entry);
    FUZZ_CHECK(first.bytes == after);
    FileBatch::Checked now = first;
    for (const QDate &day : {entry.date, entry.date.addDays(-30), DateText::kFirstDate, DateText::kLastDate}) {
        if (now.form.isEmpty())
            break;
        AerobicLogEntry next = entry;
        next.date = day;
        next.dateText = DateText::medium(day);
        const FileBatch::Checked checked = AerobicLog::insertedChecked(now.bytes, {}, log, layout, next);
        const FileBatch::Checked known = AerobicLog::insertedChecked(now.bytes, now.form, log, layout, next);
        FUZZ_CHECK(known.bytes == checked.bytes && known.form == checked.form);
        now = known;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::oneLog(data, size, weightLog, [](const QByteArray &bytes, int layout) {
        aerobicLog(bytes, AerobicLog::Layout(layout));
    });
    return 0;
}
