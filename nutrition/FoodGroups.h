#pragma once

#include <QList>
#include <QString>

// One of the five food groups: the name the add-food window offers, its
// list file, the word the day files store for it, the caption of its entry
// window and the menu item that opens that window for it.
struct FoodGroup
{
    int code = 5;     // 1 Milk, 2 Meat, 3 vegetables and fruit, 4 Grain, 5 Other
    QString name;     // "Veg&Fruits"
    QString listFile; // "Veg&Fruits.txt"
    QString category; // "Fruit"
    QString caption;  // "Food Entry For Vegetable & Fruit Groups "
    QString menuItem; // "itmVegFruit"
};

namespace FoodGroups {

// The five groups in their order: Milk, Meat, Veg&Fruits, Grain, Other.
const QList<FoodGroup> &all();
// The group of code 1 to 5; Other for any other code.
const FoodGroup &byCode(int code);
// The group of that name, blanks at both ends aside; null for none.
const FoodGroup *byName(const QString &name);
// The group the entry window is for: the first of Milk, Meat, Veg&Fruits
// and Grain whose menu item `isChecked` says is checked, else Other.
template <typename IsChecked>
const FoodGroup &fromMenu(IsChecked isChecked)
{
    for (int code = 1; code <= 4; ++code) {
        if (isChecked(byCode(code).menuItem))
            return byCode(code);
    }
    return byCode(5);
}

} // namespace FoodGroups
