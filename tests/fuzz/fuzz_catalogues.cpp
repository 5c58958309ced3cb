// The two catalogues. The first byte chooses the weight-training or the
// aerobic one. Bytes either fail to read with a RecordFileError or give
// records; a deletion from a catalogue in a data folder either leaves the
// file byte-identical with a message, or leaves exactly the records not
// chosen, each reading back as it was.
#include "FuzzCheck.h"

#include "common/RecordFileError.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicLog.h"
#include "workouts/ExerciseDeletion.h"
#include "workouts/WeightCatalogue.h"

#include <cstddef>
#include <cstdint>

namespace {

template <typename Record>
void deleteFirst(const QByteArray &bytes, const QString &fileName, ExerciseDeletion::Category category,
                 const QList<Record> &records,
                 QList<Record> (*parse)(const QByteArray &, const QString &, bool *))
{
    Fuzz::putOnly(fileName, bytes);
    const QList<ExerciseDeletion::Entry> listed = ExerciseDeletion::entries(Fuzz::folder(), category);
    if (listed.isEmpty())
        return;
    const ExerciseDeletion::Entry chosen = listed.first();
    const QString message = ExerciseDeletion::remove(Fuzz::folder(), category, {chosen});
    const QByteArray after = Fuzz::contents(fileName);
    if (!message.isEmpty() && after == bytes)
        return;
    FUZZ_CHECK(message.isEmpty());
    QList<Record> kept;
    for (const Record &r : records) {
        if (!(r.code == chosen.code && r.name == chosen.name))
            kept.append(r);
    }
    FUZZ_CHECK(parse(after, fileName, nullptr) == kept);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    try {
        if (data[0] & 1) {
            const QString name = AerobicCatalogue::kFileName;
            const QList<AerobicActivity> records = AerobicCatalogue::parse(bytes, name);
            for (const AerobicActivity &a : records)
                (void)AerobicLog::layoutOf(a);
            deleteFirst(bytes, name, ExerciseDeletion::Category::Cardio, records, &AerobicCatalogue::parse);
        } else {
            const QString name = WeightCatalogue::kFileName;
            const QList<WeightExercise> records = WeightCatalogue::parse(bytes, name);
            for (const WeightExercise &e : records)
                FUZZ_CHECK(e.setCount() >= 1 && e.setCount() <= WeightCatalogue::kMostSets);
            deleteFirst(bytes, name, ExerciseDeletion::Category::Weightlifting, records,
                        &WeightCatalogue::parse);
        }
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(!e.message().isEmpty());
    }
    return 0;
}
