// A day's food file as the food pie chart sums it: any bytes are read to
// their end without an exception, every group's calories stay a whole
// number of 32 bits, and the shares of a day with food add up to one.
#include "FuzzCheck.h"

#include "nutrition/FoodDay.h"
#include "nutrition/mFoodPieChart.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = QStringLiteral("Food07-Dec-26.txt");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    mFoodPieChart::Totals totals;
    const auto unread = FoodDay::scan(bytes, name, [&totals](const FoodDayRecord &food) {
        totals.add(food.category, food.caloriesValue, food.servingsValue);
    });
    if (unread)
        FUZZ_CHECK(unread->message().contains(name));
    // Summed without the texts it does not need, the day gives the same
    // totals and the same first error.
    mFoodPieChart::Totals quick;
    const auto unreadQuick = FoodDay::scanFoods(bytes, name, [&quick](const FoodDay::Food &food) {
        quick.add(mFoodPieChart::categoryOf(food.category), food.calories, food.servings);
    });
    FUZZ_CHECK(unreadQuick.has_value() == unread.has_value());
    if (unread)
        FUZZ_CHECK(unreadQuick->message() == unread->message());
    for (int c = 0; c < mFoodPieChart::kCategories; ++c)
        FUZZ_CHECK(quick.total(c) == totals.total(c));
    for (int c = 0; c < mFoodPieChart::kCategories; ++c) {
        const double total = totals.total(c);
        FUZZ_CHECK(total == std::floor(total));
        FUZZ_CHECK(total >= std::numeric_limits<qint32>::min() && total <= std::numeric_limits<qint32>::max());
    }
    const auto shares = mFoodPieChart::shares(totals);
    double sum = 0;
    for (const double s : shares) {
        FUZZ_CHECK(s >= 0 && s <= 1);
        sum += s;
    }
    FUZZ_CHECK(mFoodPieChart::hasFood(totals) ? std::abs(sum - 1) < 1e-9 : sum == 0);
    return 0;
}
