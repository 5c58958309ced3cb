#include "FoodsReport.h"

#include "common/DateText.h"
#include "common/NumberText.h"

const QString FoodsReport::kNoFoodsToday = QStringLiteral("No foods have been entered in for this day.");
const QString FoodsReport::kNoFoodsMonth = QStringLiteral("No foods have been entered in this month.");

namespace {

const QString kRule(7, u'_');

// The message of a day without a food to show: the file's problem when it
// has one, else the sentence for the page or the printout.
QString nothingToShow(const FoodsReport::Day &day, bool firstPage)
{
    if (!day.problem.isEmpty())
        return day.problem;
    return firstPage ? FoodsReport::kNoFoodsToday : FoodsReport::kNoFoodsMonth;
}

} // namespace

FoodsReport::Day FoodsReport::read(const QString &dataFolder, const QDate &date)
{
    Day day;
    if (!date.isValid())
        return day;
    day.problem = FoodDay::sum(dataFolder, date, [&day](const FoodDayRecord &food) {
        const double eaten = food.eaten();
        // Whole numbers already (halves to even): they fit as they stand.
        if (!NumberText::whole32(eaten) || !NumberText::whole32(day.total + eaten))
            return false;
        const bool sameGroup = !day.foods.isEmpty() && day.foods.last().date == food.date;
        // The group's line adds the calories as the rows above it show them.
        day.groupSoFar.append((sameGroup ? day.groupSoFar.last() : 0) + food.product());
        day.foods.append(food);
        day.total += eaten;
        return true;
    });
    return day;
}

ReportPage FoodsReport::page(const ReportInput &input, int page, PageWay way) const
{
    ReportPage out;
    ColumnPage &p = out.page;
    p.size(10).bold(true).underline(true);
    p.size(12).text(50, QStringLiteral("Foods Eaten")).lineEnd();
    p.size(10).twoEmptyLines();
    p.size(10).bold(true).underline(true);
    p.text(5, QStringLiteral("Date Consumed"))
        .text(30, QStringLiteral("Category"))
        .text(50, QStringLiteral("Food"))
        .text(90, QStringLiteral("Servings"))
        .text(105, QStringLiteral("Calories"))
        .lineEnd();

    const Day day = read(input.dataFolder, input.choice.day);
    if (day.foods.isEmpty()) {
        out.message = nothingToShow(day, way == PageWay::Opening);
        return out;
    }

    p.size(10).bold(false).underline(false);
    const int dateColumn = way == PageWay::Opening ? 10 : 13;
    const qsizetype first = qsizetype(kPerPage) * (qMax(page, 1) - 1);
    const qsizetype end = qMin(qsizetype(kPerPage) * qMax(page, 1), day.foods.size());
    for (qsizetype i = first; i < end; ++i) {
        const FoodDayRecord &food = day.foods[i];
        if (i == 0) {
            p.twoEmptyLines();
            p.text(dateColumn, food.date);
        } else if (food.date != day.foods[i - 1].date) {
            // The whole of the group before, on this page or earlier ones.
            p.text(100, QStringLiteral("Total for ") + day.foods[i - 1].date).number(130, day.groupSoFar[i - 1]);
            p.lineEnd().twoEmptyLines();
            p.text(dateColumn, food.date);
        }
        p.text(38, food.category).text(60, food.food).text(110, food.servings).number(130, food.product());
        p.lineEnd();
    }

    // The whole day's total on every page.
    p.size(11).text(105, kRule).lineEnd();
    p.text(95, QStringLiteral("Total")).number(108, day.total).lineEnd();
    out.message = day.problem;
    return out;
}

ReportPrintout FoodsReport::printout(const ReportInput &input) const
{
    const Day day = read(input.dataFolder, input.choice.day);
    ReportPrintout out;
    // Nothing to print: no job is started.
    if (day.foods.isEmpty()) {
        out.print = false;
        out.message = nothingToShow(day, false);
        return out;
    }

    ColumnPage &p = out.pages;
    p.fontName(ReportFamilies::kPaperFont).colour(Qt::black).bold(true).underline(true);
    p.twoEmptyLines();
    p.size(14).text(25, QStringLiteral("Foods Eaten on ") + DateText::longDate(input.choice.day)).lineEnd();
    p.size(10).twoEmptyLines().twoEmptyLines();
    p.size(10).bold(true).underline(true);
    p.text(5, QStringLiteral("Category"))
        .text(25, QStringLiteral("Food"))
        .text(73, QStringLiteral("Servings"))
        .text(93, QStringLiteral("Calories"))
        .lineEnd();
    p.twoEmptyLines();

    p.size(10).bold(false).underline(false);
    for (const FoodDayRecord &food : day.foods) {
        p.text(7, food.category).text(25, food.food).text(75, food.servings).number(95, food.product());
        p.lineEnd();
    }
    p.size(11).bold(true);
    p.text(86, kRule).lineEnd();
    p.text(68, QStringLiteral("Total")).number(86, day.total).lineEnd();
    out.message = day.problem;
    return out;
}
