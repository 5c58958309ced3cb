#pragma once

#include "ReportFamily.h"

#include "nutrition/FoodDay.h"

#include <QDate>
#include <QList>
#include <QString>

// The foods eaten on the chosen day, from its daily food file: each food's
// category, name, servings and calories, in the order they were entered,
// and the day's calorie total. The screen shows 19 foods a page with the
// day's date on its first row and the whole day's total under every page;
// paper lists every food under the day's long date, with no date column
// and no logo.
class FoodsReport : public ReportFamily
{
public:
    ReportPage page(const ReportInput &input, int page, PageWay way) const override;
    ReportPrintout printout(const ReportInput &input) const override;

    // Page p shows the foods 19 (p - 1) + 1 to 19 p.
    static constexpr int kPerPage = 19;

    // A day without foods: on the first page, and on the others and paper.
    static const QString kNoFoodsToday; // "No foods have been entered in for this day."
    static const QString kNoFoodsMonth; // "No foods have been entered in this month."

    // The day as the report reads it.
    struct Day
    {
        // The foods read, in file order; a food that cannot be read, or whose
        // calories would take the total beyond 32 bits, is left out.
        QList<FoodDayRecord> foods;
        // The calories eaten: each food's calories x servings to the nearest
        // whole number (halves to even), added up, as the food journal counts
        // them.
        double total = 0;
        // Per food, the calories of its date group up to and including it
        // (a group: foods one after another with the same date text), each
        // food's calories x servings as its row shows them.
        QList<double> groupSoFar;
        // A sentence naming the file when a food was left out or the file
        // could not be read; empty when every food was read.
        QString problem;
    };
    static Day read(const QString &dataFolder, const QDate &date);
};
