#include "ReportLists.h"

#include "ReportCatalogues.h"

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

} // namespace

QStringList exercises(const QString &dataFolder, const ReportChoice &choice)
{
    QStringList out;
    const auto weightGroup = [](const QString &code) { return WeightCatalogue::isGroupCode(code); };
    if (choice.options[0]) {
        const QString code = choice.code();
        const auto same = [&code](const QString &c) { return c == code; };
        addNames(out, ReportCatalogues::weights(dataFolder).records, same);
        addNames(out, ReportCatalogues::aerobics(dataFolder).records, same);
    } else if (choice.options[1] && choice.category != kWeightlifting) {
        addNames(out, ReportCatalogues::aerobics(dataFolder).records, [](const QString &c) { return AerobicClass::isClassCode(c); });
    } else {
        addNames(out, ReportCatalogues::weights(dataFolder).records, weightGroup);
    }
    return out;
}

} // namespace ReportLists
