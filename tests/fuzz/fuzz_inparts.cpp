// Files large enough to be checked in parts on several threads (the input
// repeated, each copy ending its line): a save into one that comes without
// a form makes the very bytes and form, or refuses it with the very error,
// that the record-by-record pass does, which a form that names no record
// of it (one gone stale) leaves it to; and so does a save that leaves its
// check until the new file is written, as a batch's commit lets it.
#include "FuzzCheck.h"

#include "common/InParts.h"
#include "common/RecordFileError.h"
#include "profile/WeightHistory.h"
#include "workouts/AerobicLog.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLog.h"

#include <cstddef>
#include <cstdint>


extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray copy(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!copy.endsWith('\n'))
        copy += "\r\n";
    QByteArray bytes;
    const qsizetype split = (InParts::kFewestParts + 1) * InParts::kLeastPart;
    bytes.reserve(split + copy.size());
    while (bytes.size() < split)
        bytes += copy;
    const QByteArrayView stale("a form gone stale");

    const QString history = WeightHistory::kFileName;
    const QDate day(2026, 12, 7);
    const auto weigh = [&](const QByteArray &b, QByteArrayView form) {
        return WeightHistory::withFirst(b, form, history, day, 40, 160, 70);
    };
    const Fuzz::Outcome weighed = Fuzz::outcomeOf([&] { return weigh(bytes, stale); });
    Fuzz::checkSame(Fuzz::outcomeOf([&] { return weigh(bytes, {}); }), weighed);
    Fuzz::checkSame(Fuzz::savedOutcome(bytes, weigh), weighed);

    const QString journal = CalorieJournal::kExerciseFileName;
    const auto insert = [&](const QByteArray &b, QByteArrayView form) {
        return CalorieJournal::insertedChecked(b, form, journal, day, 142.5f);
    };
    const Fuzz::Outcome inserted = Fuzz::outcomeOf([&] { return insert(bytes, stale); });
    Fuzz::checkSame(Fuzz::outcomeOf([&] { return insert(bytes, {}); }), inserted);
    Fuzz::checkSame(Fuzz::savedOutcome(bytes, insert), inserted);

    const QString log = QStringLiteral("a log.txt");
    const ExerciseLogEntry entry{QStringLiteral("07-Dec-26"), {{100, 10}, {105, 9}}, {}};
    const auto lift = [&](const QByteArray &b, QByteArrayView form) {
        return ExerciseLog::withFirstChecked(entry, b, form, log, 2);
    };
    const Fuzz::Outcome lifted = Fuzz::outcomeOf([&] { return lift(bytes, stale); });
    Fuzz::checkSame(Fuzz::outcomeOf([&] { return lift(bytes, {}); }), lifted);
    Fuzz::checkSame(Fuzz::savedOutcome(bytes, lift), lifted);

    const AerobicLogEntry run{QStringLiteral("07-Dec-26"), day, 30, 4, QStringLiteral("Hills"), {}};
    const auto runs = [&](const QByteArray &b, QByteArrayView form) {
        return AerobicLog::insertedChecked(b, form, log, AerobicLog::Layout::Full, run);
    };
    const Fuzz::Outcome ran = Fuzz::outcomeOf([&] { return runs(bytes, stale); });
    Fuzz::checkSame(Fuzz::outcomeOf([&] { return runs(bytes, {}); }), ran);
    Fuzz::checkSame(Fuzz::savedOutcome(bytes, runs), ran);
    return 0;
}
