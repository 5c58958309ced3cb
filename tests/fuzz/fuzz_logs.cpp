// The per-exercise logs. The first byte chooses the log: a weight-training
// log of 1 to 5 sets, or an aerobic log of one of the three layouts. Bytes
// either fail to read with a RecordFileError or give entries; a save into a
// log that read gives a file that reads back as the new entry followed by
// (weight training) or merged with (aerobic) exactly the old ones.
#include "FuzzCheck.h"

#include "common/DateText.h"
#include "common/RecordFileError.h"
#include "workouts/AerobicLog.h"
#include "workouts/ExerciseLog.h"

#include <cstddef>
#include <cstdint>

namespace {

const QString kName = QStringLiteral("BiBarbell Curl.txt");

void weightLog(const QByteArray &bytes, qint16 sets)
{
    QList<ExerciseLogEntry> older;
    try {
        older = ExerciseLog::parse(bytes, kName, sets);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(!e.message().isEmpty());
        return;
    }
    bool complete = false;
    FUZZ_CHECK(ExerciseLog::parse(bytes, kName, sets, &complete) == older && complete);
    ExerciseLogEntry entry{QStringLiteral("07-Dec-26"), {}};
    for (qint16 k = 0; k < sets; ++k)
        entry.sets.append(SetResult{qint16(100 + k), qint16(10 - k)});
    const QByteArray rewritten = ExerciseLog::withFirst(entry, older);
    const QList<ExerciseLogEntry> back = ExerciseLog::parse(rewritten, kName, sets);
    FUZZ_CHECK(back.size() == older.size() + 1);
    FUZZ_CHECK(back.first() == entry);
    FUZZ_CHECK(back.mid(1) == older);
}

void aerobicLog(const QByteArray &bytes, AerobicLog::Layout layout)
{
    QList<AerobicLogEntry> log;
    try {
        log = AerobicLog::parse(bytes, kName, layout);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(!e.message().isEmpty());
        return;
    }
    AerobicLogEntry entry;
    entry.date = log.isEmpty() ? QDate(2026, 12, 7) : log[log.size() / 2].date;
    entry.dateText = DateText::medium(entry.date);
    entry.minutes = 75;
    if (layout != AerobicLog::Layout::DateMinutes)
        entry.distance = 7;
    if (layout == AerobicLog::Layout::Full)
        entry.terrain = QStringLiteral("Hilly ");
    QList<AerobicLogEntry> saved = log;
    saved.insert(AerobicLog::insertionIndex(saved, entry.date), entry);
    const QList<AerobicLogEntry> back = AerobicLog::parse(AerobicLog::bytes(saved, layout), kName, layout);
    FUZZ_CHECK(back == saved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const int choice = data[0] % 8;
    if (choice < 5)
        weightLog(bytes, qint16(choice + 1));
    else
        aerobicLog(bytes, AerobicLog::Layout(choice - 5));
    return 0;
}
