// Files large enough to be checked in parts on several threads (the input
// repeated, each copy ending its line): a save into one that comes without
// a form makes the very bytes and form, or refuses it with the very error,
// that the record-by-record pass does, which a form that names no record
// of it (one gone stale) leaves it to; and so does a save that leaves its
// check until the new file is written, as a batch's commit lets it.
#include "FuzzCheck.h"

#include "common/FileBatch.h"
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

// The outcome of `make` run by a batch's commit on a file holding `bytes`,
// the file's bytes checked against it: the new ones, or the old ones when
// it refused.
template <typename Make>
Outcome savedOutcome(const QByteArray &bytes, Make make)
{
    const QString name = QStringLiteral("Saved.txt");
    Fuzz::putOnly(name, bytes);
    Outcome o;
    try {
        FileBatch batch;
        batch.transformChecked(QDir(Fuzz::folder()).filePath(name), [&](const QByteArray &b, QByteArrayView form) {
            o.made = make(b, form);
            return *o.made;
        });
        batch.commit();
    } catch (const RecordFileError &e) {
        o.made.reset();
        o.code = int(e.code());
        o.line = e.line();
    }
    FUZZ_CHECK(Fuzz::contents(name) == (o.made ? o.made->bytes : bytes));
    return o;
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
    const auto weigh = [&](const QByteArray &b, QByteArrayView form) {
        return WeightHistory::withFirst(b, form, history, day, 40, 160, 70);
    };
    const Outcome weighed = outcomeOf([&] { return weigh(bytes, stale); });
    checkSame(outcomeOf([&] { return weigh(bytes, {}); }), weighed);
    checkSame(savedOutcome(bytes, weigh), weighed);

    const QString journal = CalorieJournal::kExerciseFileName;
    const auto insert = [&](const QByteArray &b, QByteArrayView form) {
        return CalorieJournal::insertedChecked(b, form, journal, day, 142.5f);
    };
    const Outcome inserted = outcomeOf([&] { return insert(bytes, stale); });
    checkSame(outcomeOf([&] { return insert(bytes, {}); }), inserted);
    checkSame(savedOutcome(bytes, insert), inserted);

    const QString log = QStringLiteral("a log.txt");
    const ExerciseLogEntry entry{QStringLiteral("07-Dec-26"), {{100, 10}, {105, 9}}, {}};
    const auto lift = [&](const QByteArray &b, QByteArrayView form) {
        return ExerciseLog::withFirstChecked(entry, b, form, log, 2);
    };
    const Outcome lifted = outcomeOf([&] { return lift(bytes, stale); });
    checkSame(outcomeOf([&] { return lift(bytes, {}); }), lifted);
    checkSame(savedOutcome(bytes, lift), lifted);

    const AerobicLogEntry run{QStringLiteral("07-Dec-26"), day, 30, 4, QStringLiteral("Hills"), {}};
    const auto runs = [&](const QByteArray &b, QByteArrayView form) {
        return AerobicLog::insertedChecked(b, form, log, AerobicLog::Layout::Full, run);
    };
    const Outcome ran = outcomeOf([&] { return runs(bytes, stale); });
    checkSame(outcomeOf([&] { return runs(bytes, {}); }), ran);
    checkSame(savedOutcome(bytes, runs), ran);
    return 0;
}
