// The calorie journal as the caloric balance sums it: any bytes are read
// to their end without an exception, records that cannot be read are
// passed over, and bytes the journal's own parser reads whole give exactly
// its records, in order, with no error.
#include "FuzzCheck.h"

#include "common/RecordFileError.h"
#include "workouts/CalorieJournal.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = QStringLiteral("FoodEnergy.txt");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    struct Seen
    {
        QDate date;
        double calories;
        int line;
    };
    QList<Seen> seen;
    int lastLine = 0;
    const auto unread = CalorieJournal::scan(bytes, name, [&](const QDate &date, double calories, int line) {
        FUZZ_CHECK(date.isValid());
        FUZZ_CHECK(line >= lastLine);
        lastLine = line;
        seen.append({date, calories, line});
        return true;
    });
    if (unread)
        FUZZ_CHECK(!unread->message().isEmpty() && unread->message().contains(name));

    QList<CalorieJournalEntry> entries;
    try {
        entries = CalorieJournal::parse(bytes, name);
    } catch (const RecordFileError &) {
        FUZZ_CHECK(unread.has_value());
        return 0;
    }
    FUZZ_CHECK(!unread);
    FUZZ_CHECK(seen.size() == entries.size());
    for (qsizetype i = 0; i < seen.size(); ++i) {
        FUZZ_CHECK(seen[i].date == entries[i].date);
        FUZZ_CHECK(seen[i].calories == entries[i].calories
                   || (std::isnan(seen[i].calories) && std::isnan(entries[i].calories)));
        FUZZ_CHECK(seen[i].line == entries[i].line);
    }
    return 0;
}
