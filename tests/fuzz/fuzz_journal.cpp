// The calorie journal: any bytes either fail to read with a RecordFileError
// or give records; an insertion into records that read gives a file that
// reads back as the same records, each with its calories made whole, and the
// new one in its place. The insertions after it, into the journal in the
// form the first left it, make the bytes and form they make of it read and
// checked anew; a save of the first into a file makes them too.
#include "FuzzCheck.h"

#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/RecordFileError.h"
#include "workouts/CalorieJournal.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = QStringLiteral("ExerciseCalories.txt");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<CalorieJournalEntry> entries;
    try {
        entries = CalorieJournal::parse(bytes, name);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(!e.message().isEmpty());
        return 0;
    }
    // A date the journal holds, so the new record lands among the old ones;
    // new records come from the date pickers, so within their years.
    QDate date = entries.isEmpty() ? QDate(2026, 12, 7) : entries[qsizetype(size) % entries.size()].date;
    if (date < DateText::kFirstDate || date > DateText::kLastDate)
        date = QDate(2026, 12, 7);
    QByteArray rewritten;
    try {
        rewritten = CalorieJournal::inserted(bytes, name, date, 142.5f);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(e.code() == RecordFileError::Overflow);
        return 0;
    }
    // A byte-order mark the reader skipped is not written back.
    FUZZ_CHECK(!rewritten.startsWith("\xEF\xBB\xBF"));
    const QList<CalorieJournalEntry> back = CalorieJournal::parse(rewritten, name);
    FUZZ_CHECK(back.size() == entries.size() + 1);
    const qsizetype at = CalorieJournal::insertionIndex(entries, date);
    for (qsizetype i = 0, j = 0; i < back.size(); ++i) {
        if (i == at) {
            FUZZ_CHECK(back[i].date == date && back[i].calories == 142.5);
            continue;
        }
        FUZZ_CHECK(back[i].dateText == entries[j].dateText);
        FUZZ_CHECK(back[i].calories == NumberText::roundHalfEven(entries[j].calories));
        ++j;
    }

    const FileBatch::Checked first = CalorieJournal::insertedChecked(bytes, {}, name, date, 142.5f);
    FUZZ_CHECK(first.bytes == rewritten);
    // A save presumes the journal's form from its first record, and checks
    // every record once the new file is written: the same bytes and form.
    Fuzz::checkSame(Fuzz::savedOutcome(bytes,
                                       [&](const QByteArray &b, QByteArrayView form) {
                                           return CalorieJournal::insertedChecked(b, form, name, date, 142.5f);
                                       }),
                    Fuzz::Outcome{first, -1, 0});
    FileBatch::Checked now = first;
    const QDate days[] = {date, date.addDays(-40), date.addDays(3), DateText::kFirstDate, DateText::kLastDate};
    for (int i = 0; i < 5 && !now.form.isEmpty(); ++i) {
        if (days[i] < DateText::kFirstDate || days[i] > DateText::kLastDate)
            continue;
        const FileBatch::Checked checked = CalorieJournal::insertedExactChecked(now.bytes, {}, name, days[i], -36.3);
        const FileBatch::Checked known = CalorieJournal::insertedExactChecked(now.bytes, now.form, name, days[i], -36.3);
        FUZZ_CHECK(known.bytes == checked.bytes);
        FUZZ_CHECK(known.form == checked.form);
        now = known;
    }
    return 0;
}
