#include "ReportLists.h"

#include "common/RecordFileError.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/WeightCatalogue.h"

#include <optional>

namespace ReportLists {

QStringList logCategories()
{
    return WeightCatalogue::groups()
           + QStringList{QStringLiteral("Indoor Activities"), QStringLiteral("Outdoor Activites"),
                         QStringLiteral("Aquatic Activities")};
}

QStringList templateCategories()
{
    return {kWeightlifting, QStringLiteral("Cardio")};
}

QStringList descriptionCategories()
{
    return {kWeightlifting, QStringLiteral("Abdomens")};
}

namespace {

template <typename Record, typename Keep>
void addNames(QStringList &out, const QList<Record> &records, Keep keep)
{
    for (const Record &r : records) {
        if (keep(r.code))
            out.append(r.name);
    }
}

// The records of a catalogue before any damage; none when it cannot be read.
template <typename Record>
QList<Record> readable(QList<Record> (*read)(const QString &, std::optional<RecordFileError> &),
                       const QString &dataFolder)
{
    std::optional<RecordFileError> damage;
    try {
        return read(dataFolder, damage);
    } catch (const RecordFileError &) {
        return {};
    }
}

QList<WeightExercise> weightCatalogue(const QString &dataFolder)
{
    return readable(&WeightCatalogue::readUpToDamage, dataFolder);
}

QList<AerobicActivity> aerobicCatalogue(const QString &dataFolder)
{
    return readable(&AerobicCatalogue::readUpToDamage, dataFolder);
}

} // namespace

QStringList exercises(const QString &dataFolder, const ReportChoice &choice)
{
    QStringList out;
    const auto weightGroup = [](const QString &code) { return WeightCatalogue::isGroupCode(code); };
    if (choice.options[0]) {
        const QString code = choice.code();
        const auto same = [&code](const QString &c) { return c == code; };
        addNames(out, weightCatalogue(dataFolder), same);
        addNames(out, aerobicCatalogue(dataFolder), same);
    } else if (choice.options[1] && choice.category != kWeightlifting) {
        addNames(out, aerobicCatalogue(dataFolder), [](const QString &c) { return AerobicClass::isClassCode(c); });
    } else {
        addNames(out, weightCatalogue(dataFolder), weightGroup);
    }
    return out;
}

} // namespace ReportLists
