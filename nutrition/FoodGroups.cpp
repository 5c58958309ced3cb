#include "FoodGroups.h"

const QList<FoodGroup> &FoodGroups::all()
{
    static const QList<FoodGroup> groups = {
        {1, QStringLiteral("Milk"), QStringLiteral("Milk.txt"), QStringLiteral("Milk"),
         QStringLiteral("Food Entry For Milk Group"), QStringLiteral("itmMilk")},
        {2, QStringLiteral("Meat"), QStringLiteral("Meat.txt"), QStringLiteral("Meat"),
         QStringLiteral("Food Entry For Meat Group"), QStringLiteral("itmMeat")},
        {3, QStringLiteral("Veg&Fruits"), QStringLiteral("Veg&Fruits.txt"), QStringLiteral("Fruit"),
         QStringLiteral("Food Entry For Vegetable & Fruit Groups "), QStringLiteral("itmVegFruit")},
        {4, QStringLiteral("Grain"), QStringLiteral("Grain.txt"), QStringLiteral("Grain"),
         QStringLiteral("Food Entry For Grain Group"), QStringLiteral("itmGrain")},
        {5, QStringLiteral("Other"), QStringLiteral("Other.txt"), QStringLiteral("Other"),
         QStringLiteral("Food Entry For Other"), QStringLiteral("itmOther")},
    };
    return groups;
}

const FoodGroup &FoodGroups::byCode(int code)
{
    return all()[code >= 1 && code <= 5 ? code - 1 : 4];
}

const FoodGroup *FoodGroups::byName(const QString &name)
{
    const QString trimmed = name.trimmed();
    for (const FoodGroup &g : all()) {
        if (g.name == trimmed)
            return &g;
    }
    return nullptr;
}
