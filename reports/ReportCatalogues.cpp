#include "ReportCatalogues.h"

#include "common/RecordFileError.h"

namespace ReportCatalogues {

namespace {

template <typename Record>
Read<Record> readOf(QList<Record> (*read)(const QString &, std::optional<RecordFileError> &),
                    const QString &dataFolder)
{
    Read<Record> out;
    try {
        std::optional<RecordFileError> damage;
        out.records = read(dataFolder, damage);
        if (damage)
            out.problem = damage->message();
    } catch (const RecordFileError &e) {
        out.problem = e.message();
        out.unreadable = true;
    }
    return out;
}

} // namespace

Read<WeightExercise> weights(const QString &dataFolder)
{
    return readOf(&WeightCatalogue::readUpToDamage, dataFolder);
}

Read<AerobicActivity> aerobics(const QString &dataFolder)
{
    return readOf(&AerobicCatalogue::readUpToDamage, dataFolder);
}

} // namespace ReportCatalogues
