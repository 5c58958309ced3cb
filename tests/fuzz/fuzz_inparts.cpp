// Files large enough to be checked in parts on several threads (the input
// repeated, each copy ending its line): a save into one that comes without
// a form makes the very bytes and form, or refuses it with the very error,
// that the record-by-record pass does, which a form that names no record
// of it (one gone stale) leaves it to.
#include "FuzzCheck.h"

#include "common/InParts.h"
#include "common/RecordFileError.h"
#include "profile/WeightHistory.h"
#include "workouts/AerobicLog.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLog.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

struct Outcome
{
    std::optional<FileBatch::Checked> made;
    int code = -1;
    int line = 0;
};

template <typename Save>
Outcome outcomeOf(Save save)
{
    Outcome o;
    try {
        o.made = save();
    } catch (const RecordFileError &e) {
        o.code = int(e.code());
        o.line = e.line();
    }
    return o;
}

void checkSame(const Outcome &inParts, const Outcome &onePass)
{
    FUZZ_CHECK(inParts.code == onePass.code && inParts.line == onePass.line);
    FUZZ_CHECK(inParts.made.has_value() == onePass.made.has_value());
    if (inParts.made)
        FUZZ_CHECK(inParts.made->bytes == onePass.made->bytes && inParts.made->form == onePass.made->form);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray copy(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!copy.endsWith('\n'))
        copy += "\r\n";
    QByteArray bytes;
    bytes.reserve(3 * InParts::kLeastPart + copy.size());
    while (bytes.size() < 3 * InParts::kLeastPart)
        bytes += copy;
    const QByteArrayView stale("a form gone stale");

    const QString history = WeightHistory::kFileName;
    const QDate day(2026, 12, 7);
    checkSame(outcomeOf([&] { return WeightHistory::withFirst(bytes, {}, history, day, 40, 160, 70); }),
              outcomeOf([&] { return WeightHistory::withFirst(bytes, stale, history, day, 40, 160, 70); }));

    const QString journal = CalorieJournal::kExerciseFileName;
    checkSame(outcomeOf([&] { return CalorieJournal::insertedChecked(bytes, {}, journal, day, 142.5f); }),
              outcomeOf([&] { return CalorieJournal::insertedChecked(bytes, stale, journal, day, 142.5f); }));

    const QString log = QStringLiteral("a log.txt");
    const ExerciseLogEntry entry{QStringLiteral("07-Dec-26"), {{100, 10}, {105, 9}}, {}};
    checkSame(outcomeOf([&] { return ExerciseLog::withFirstChecked(entry, bytes, {}, log, 2); }),
              outcomeOf([&] { return ExerciseLog::withFirstChecked(entry, bytes, stale, log, 2); }));
    const AerobicLogEntry run{QStringLiteral("07-Dec-26"), day, 30, 4, QStringLiteral("Hills"), {}};
    checkSame(outcomeOf([&] { return AerobicLog::insertedChecked(bytes, {}, log, AerobicLog::Layout::Full, run); }),
              outcomeOf([&] { return AerobicLog::insertedChecked(bytes, stale, log, AerobicLog::Layout::Full, run); }));
    return 0;
}
