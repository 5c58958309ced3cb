// The food-group lists: any bytes either fail to read with a RecordFileError
// naming the file or give records, and reading as far as they go gives the
// same records; a food added to a list that reads comes back as its last
// record after every record it had, or is refused with a RecordFileError.
#include "FuzzCheck.h"

#include "common/RecordFileError.h"
#include "nutrition/FoodList.h"
#include "nutrition/FoodRecords.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = QStringLiteral("Milk.txt");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    bool complete = false;
    const QList<FoodListRecord> read = FoodList::parse(bytes, name, &complete);
    QList<FoodListRecord> records;
    try {
        records = FoodList::parse(bytes, name);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(!complete);
        FUZZ_CHECK(e.message().contains(name));
        return 0;
    }
    FUZZ_CHECK(complete && read == records);
    for (const FoodListRecord &r : records)
        FUZZ_CHECK(r.heading ? r.caloriesText().isEmpty() : r.calories >= 0);

    const auto parse = [](const QByteArray &b, const QString &path) { return FoodList::parse(b, path); };
    QByteArray added;
    try {
        added = appendRecords(bytes, FoodList::line(QStringLiteral("Kefir (1 cup)"), 38), name, parse);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(e.code() == RecordFileError::TypeMismatch);
        return 0;
    }
    QList<FoodListRecord> back = FoodList::parse(added, name);
    FUZZ_CHECK(back.size() == records.size() + 1);
    FUZZ_CHECK(back.last().name == QStringLiteral("Kefir (1 cup)") && !back.last().heading
               && back.last().calories == 38);
    for (qsizetype i = 0; i < records.size(); ++i) {
        FUZZ_CHECK(back[i].name == records[i].name && back[i].heading == records[i].heading);
        FUZZ_CHECK(back[i].heading || back[i].calories == records[i].calories);
    }
    return 0;
}
