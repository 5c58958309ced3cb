#include "mFoodPieChart.h"

#include "FoodDay.h"
#include "FoodGroups.h"

#include "common/DrawingSurface.h"
#include "common/NumberText.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace mFoodPieChart {

namespace {

struct Group
{
    int code; // the food group's code: the word its day records store
    const char *legend;
    QColor back;
    QColor text;
    PieChart::TopColour top;
    int innermost;
};

using PieChart::Component;

const Group &group(int category)
{
    static const Group groups[kCategories] = {
        {2, "Meat", QColor(200, 0, 0), Qt::white,
         {Component::shaded(255, 115), Component::fixed(0), Component::fixed(0)}, 1},
        {1, "Milk", QColor(0, 200, 0), Qt::black,
         {Component::fixed(0), Component::shaded(255, 115), Component::fixed(0)}, 1},
        {4, "Grains", QColor(0, 200, 250), Qt::black,
         {Component::fixed(0), Component::shaded(255, 115), Component::fixed(250)}, 1},
        {5, "Other", QColor(190, 217, 43), Qt::black,
         {Component::shaded(100, 190), Component::shaded(100, 217), Component::shaded(100, 43)}, 10},
        {3, "Fruits & Veg's", QColor(128, 0, 255), Qt::white,
         {Component::shaded(255, 128), Component::fixed(0), Component::shaded(255, 255)}, 10},
    };
    return groups[std::clamp(category, 0, kCategories - 1)];
}

} // namespace

QString categoryWord(int category)
{
    return FoodGroups::byCode(group(category).code).category;
}

QString legendName(int category)
{
    return QString::fromLatin1(group(category).legend);
}

namespace {

// The stored words of the groups, made once: the pie compares every food's
// word with them.
const std::array<QString, kCategories> &categoryWords()
{
    static const std::array<QString, kCategories> words = [] {
        std::array<QString, kCategories> out;
        for (int c = 0; c < kCategories; ++c)
            out[size_t(c)] = categoryWord(c);
        return out;
    }();
    return words;
}

} // namespace

int categoryOf(QStringView word)
{
    for (int c = 0; c < kCategories; ++c) {
        if (word == categoryWords()[size_t(c)])
            return c;
    }
    return -1;
}

int categoryOf(QByteArrayView bytes)
{
    // The words are plain ASCII: their Windows-1252 bytes are their Latin-1
    // ones.
    for (int c = 0; c < kCategories; ++c) {
        if (QLatin1StringView(bytes) == categoryWords()[size_t(c)])
            return c;
    }
    return -1;
}

bool Totals::add(QStringView category, double calories, double servings)
{
    return add(categoryOf(category), calories, servings);
}

bool Totals::add(int c, double calories, double servings)
{
    if (c < 0)
        return true;
    double &t = m_total[size_t(c)];
    const auto sum = NumberText::whole32(t + calories * servings);
    if (!sum)
        return false;
    t = *sum;
    return true;
}

Day dayFood(const QString &dataFolder, const QDate &date)
{
    Day day;
    day.date = date;
    day.problem = FoodDay::sumFoods(dataFolder, date, [&day](const FoodDay::Food &food) {
        return day.totals.add(categoryOf(food.category), food.calories, food.servings);
    });
    return day;
}

std::array<double, kCategories> shares(const Totals &totals)
{
    std::array<double, kCategories> out{};
    double sum = 0;
    for (int c = 0; c < kCategories; ++c)
        sum += std::max(totals.calories(c), 0.0);
    if (sum <= 0)
        return out;
    for (int c = 0; c < kCategories; ++c)
        out[size_t(c)] = std::max(totals.calories(c), 0.0) / sum;
    return out;
}

bool hasFood(const Totals &totals)
{
    for (int c = 0; c < kCategories; ++c) {
        if (totals.calories(c) > 0)
            return true;
    }
    return false;
}

QList<PieChart::Part> pieParts(const Totals &totals)
{
    QList<PieChart::Part> parts;
    for (int c = 0; c < kCategories; ++c) {
        const Group &g = group(c);
        parts.append({kStart + std::max(totals.calories(c), 0.0), g.back, g.top, g.innermost});
    }
    return parts;
}

QColor legendBack(int category)
{
    return group(category).back;
}

QColor legendText(int category)
{
    return group(category).text;
}

void DrawFoodPieChart(DrawingSurface &surface, const Totals &totals)
{
    PieChart::drawBackground(surface);
    if (!hasFood(totals)) {
        PieChart::drawSentence(surface, kNoFood);
        return;
    }
    const QList<PieChart::Part> parts = pieParts(totals);
    PieChart::drawPie(surface, parts, PieChart::total(parts));
}

} // namespace mFoodPieChart
