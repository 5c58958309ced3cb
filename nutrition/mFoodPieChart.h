#pragma once

#include "PieChart.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

class DrawingSurface;

// The calories of one day by food group, from the day's food file, with
// their shares and the pie that shows them.
namespace mFoodPieChart {

// The food groups in the order the values, the legend and the pie take
// them.
enum Category { Meat, Milk, Grain, Other, Fruit };
constexpr int kCategories = 5;

// The word the day's food file stores for the group ("Fruit" for fruits
// and vegetables).
QString categoryWord(int category);
// The name the legend shows ("Grains", "Fruits & Veg's").
QString legendName(int category);
// The group of a stored word, compared exactly; -1 for any other word.
int categoryOf(QStringView word);
// The same for the word's Windows-1252 bytes.
int categoryOf(QByteArrayView bytes);

// Shown on the picture when the day has no food to show.
inline const QString kNoFood = QStringLiteral("You have not entered any food for this day!");

// Each group's total starts at this, so that every group keeps a wedge.
constexpr double kStart = 15;

// The calories of a day by group, summed record by record.
class Totals
{
public:
    // One food of the day: its group's total becomes the nearest whole
    // number (halves to even) of the total and calories x servings.
    // Another word than the five is ignored. A food that would take its
    // group beyond 32 bits is left out: false.
    bool add(QStringView category, double calories, double servings);
    // The same for the group's number (categoryOf()); -1 is ignored.
    bool add(int category, double calories, double servings);

    // The group's calories (its total without the start).
    double calories(int category) const { return m_total[size_t(category)] - kStart; }
    // The group's total as the pie takes it: the start and its calories.
    double total(int category) const { return m_total[size_t(category)]; }

private:
    std::array<double, kCategories> m_total{kStart, kStart, kStart, kStart, kStart};
};

struct Day
{
    QDate date;
    Totals totals;
    // The food file could not be read whole: a sentence naming it. The
    // foods that could be read are counted.
    QString problem;
};

// The day's foods from its food file; a day without a file has none.
Day dayFood(const QString &dataFolder, const QDate &date);

// Each group's share of the day's calories, a group below 0 counting as
// none; all 0 when there are none.
std::array<double, kCategories> shares(const Totals &totals);
// Whether the day has calories to show.
bool hasFood(const Totals &totals);

// The five wedges with their colours: each group's total with its start
// (a group below 0 as the start alone).
QList<PieChart::Part> pieParts(const Totals &totals);
// The legend colours of a group: its value labels' back and text colours.
QColor legendBack(int category);
QColor legendText(int category);

// The background, then the pie, or the sentence when the day has no food.
void DrawFoodPieChart(DrawingSurface &surface, const Totals &totals);

} // namespace mFoodPieChart
