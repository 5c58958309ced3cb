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
void addNames(Exercises &out, const ReportCatalogues::Read<Record> &catalogue, Keep keep, bool holdsTheCategory)
{
    for (const Record &r : catalogue.records) {
        if (keep(r.code))
            out.names.append(r.name);
    }
    if (catalogue.problem.isEmpty() || !holdsTheCategory)
        return;
    out.problem = catalogue.problem
                  + (catalogue.unreadable ? QStringLiteral(" The list shows none of its exercises.")
                                          : QStringLiteral(" The list shows the exercises before the damage."));
}

} // namespace

Exercises exercises(const QString &dataFolder, const ReportChoice &choice)
{
    Exercises out;
    const auto weightGroup = [](const QString &code) { return WeightCatalogue::isGroupCode(code); };
    const auto aerobicClass = [](const QString &code) { return AerobicClass::isClassCode(code); };
    if (choice.options[0]) {
        // Both catalogues are read; only the one whose kind of code the
        // category has can have its exercises cut off by damage.
        const QString code = choice.code();
        const auto same = [&code](const QString &c) { return c == code; };
        addNames(out, ReportCatalogues::weights(dataFolder), same, !aerobicClass(code));
        addNames(out, ReportCatalogues::aerobics(dataFolder), same, aerobicClass(code));
    } else if (choice.options[1] && choice.category != kWeightlifting) {
        addNames(out, ReportCatalogues::aerobics(dataFolder), aerobicClass, true);
    } else {
        addNames(out, ReportCatalogues::weights(dataFolder), weightGroup, true);
    }
    return out;
}

} // namespace ReportLists
