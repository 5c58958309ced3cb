// The body-weight history: any file reads to its first unreadable record
// with a message for the rest; a new weighing is put before the records of
// a history that reads whole, which then read back as they were (their
// numbers made whole), or the file stays byte-identical with an error; the
// weighing after it, into the history in the form it left, makes what it
// makes of it read and checked anew.
#include "FuzzCheck.h"

#include "common/NumberText.h"
#include "common/RecordFileError.h"
#include "profile/WeightHistory.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Fuzz::putOnly(WeightHistory::kFileName, bytes);
    const WeightHistory history(Fuzz::folder());
    const WeightHistory::Contents before = history.read();
    if (before.error)
        FUZZ_CHECK(!before.error->message().isEmpty());
    for (const WeightHistoryRecord &r : before.records)
        (void)r.day();

    try {
        history.addFirst(QDate(2026, 12, 7), 40, 160, 70);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(!e.message().isEmpty());
        FUZZ_CHECK(Fuzz::contents(WeightHistory::kFileName) == bytes);
        return 0;
    }
    FUZZ_CHECK(!before.error);
    const WeightHistory::Contents after = history.read();
    FUZZ_CHECK(!after.error);
    FUZZ_CHECK(after.records.size() == before.records.size() + 1);
    FUZZ_CHECK(after.records[0].date == QStringLiteral("07-Dec-26") && after.records[0].weight == 160);
    for (qsizetype i = 0; i < before.records.size(); ++i) {
        const WeightHistoryRecord &was = before.records[i];
        const WeightHistoryRecord &now = after.records[i + 1];
        FUZZ_CHECK(now.date == was.date);
        FUZZ_CHECK(now.age == NumberText::roundHalfEven(was.age));
        FUZZ_CHECK(now.weight == NumberText::roundHalfEven(was.weight));
        FUZZ_CHECK(now.height == NumberText::roundHalfEven(was.height));
    }

    // The next weighing into the history in the form this one left it: the
    // bytes and form of the history read and checked anew.
    const QString file = WeightHistory::kFileName;
    const FileBatch::Checked first = WeightHistory::withFirst(bytes, {}, file, QDate(2026, 12, 7), 40, 160, 70);
    FUZZ_CHECK(first.bytes == Fuzz::contents(WeightHistory::kFileName));
    if (!first.form.isEmpty()) {
        const FileBatch::Checked checked = WeightHistory::withFirst(first.bytes, {}, file, QDate(2026, 12, 8), 40, 161, 70);
        const FileBatch::Checked known =
            WeightHistory::withFirst(first.bytes, first.form, file, QDate(2026, 12, 8), 40, 161, 70);
        FUZZ_CHECK(known.bytes == checked.bytes && known.form == checked.form);
    }
    return 0;
}
