// The daily food file: any bytes either fail to read with a RecordFileError
// naming the file or give records whose calories and servings are numbers;
// the day's Enter appends its foods after them, and deleting the first food
// leaves every other record as it was, in its order, with the correction in
// the journal, or is refused with a message and changes no file.
#include "FuzzCheck.h"

#include "common/RecordFileError.h"
#include "nutrition/FoodDay.h"
#include "nutrition/FoodDeletion.h"
#include "nutrition/FoodRecords.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

bool sameTexts(const FoodDayRecord &a, const FoodDayRecord &b)
{
    return a.date == b.date && a.sameFood(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QDate day(2026, 12, 7);
    const QString name = FoodDay::fileName(day);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<FoodDayRecord> records;
    try {
        records = FoodDay::parse(bytes, name);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(e.message().contains(name));
        return 0;
    }
    for (const FoodDayRecord &r : records)
        FUZZ_CHECK(std::isfinite(r.caloriesValue) && r.caloriesValue >= 0 && r.servingsValue >= 0);

    // Enter: two foods after the records.
    const QByteArray lines = FoodDay::line(QStringLiteral("07-Dec-26"), QStringLiteral("Milk"), QStringLiteral("Kefir"),
                                           QStringLiteral("110"), QStringLiteral("1.5"))
                             + FoodDay::line(QStringLiteral("07-Dec-26"), QStringLiteral("Grain"),
                                             QStringLiteral("Rye"), QStringLiteral("81"), QStringLiteral("2"));
    const auto parse = [](const QByteArray &b, const QString &path) { return FoodDay::parse(b, path); };
    try {
        const QList<FoodDayRecord> entered = FoodDay::parse(appendRecords(bytes, lines, name, parse), name);
        FUZZ_CHECK(entered.size() == records.size() + 2);
        for (qsizetype i = 0; i < records.size(); ++i)
            FUZZ_CHECK(sameTexts(entered[i], records[i]));
        FUZZ_CHECK(entered.last().food == QStringLiteral("Rye"));
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(e.code() == RecordFileError::TypeMismatch);
    }

    // Deleting the first food.
    if (records.isEmpty())
        return 0;
    Fuzz::putOnly(name, bytes);
    Fuzz::put(FoodDay::kJournalFileName, QByteArray());
    const FoodDeletion::Outcome o = FoodDeletion::remove(Fuzz::folder(), day, records.first());
    if (!o.ok()) {
        FUZZ_CHECK(Fuzz::contents(name) == bytes);
        FUZZ_CHECK(Fuzz::contents(FoodDay::kJournalFileName).isEmpty());
        return 0;
    }
    FUZZ_CHECK(o.removed);
    const QList<FoodDayRecord> kept = FoodDay::parse(Fuzz::contents(name), name);
    FUZZ_CHECK(kept.size() == records.size() - 1);
    for (qsizetype i = 0; i < kept.size(); ++i)
        FUZZ_CHECK(sameTexts(kept[i], records[i + 1]));
    FUZZ_CHECK(!Fuzz::contents(FoodDay::kJournalFileName).isEmpty());
    return 0;
}
