// The caloric balance and the food pie chart, each read from its files and
// drawn into its window's picture as the window draws it.
#include "BenchData.h"

#include "common/DateText.h"
#include "common/ImageSurface.h"
#include "nutrition/FoodDay.h"
#include "nutrition/mCalories.h"
#include "nutrition/mFoodPieChart.h"
#include "shell/mFormProcedures.h"
#include "workouts/CalorieJournal.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace BenchData;

// The picture box of both windows: 4935 x 3975 twips.
const QSize kPicture(329, 265);
// The foods of a day the program is designed for.
constexpr int kDayFoods = 200;

// The picture's font, as the common formatting gives it.
void prepare(ImageSurface &surface)
{
    surface.setFont(mFormProcedures::commonFont());
}

// The longest period (366 days) over both journals, each of
// kJournalRecords records (and ten times as many), ending at the oldest
// record the journals hold, so that every record is read.
void CaloricBalance(benchmark::State &state)
{
    Folder folder;
    const int records = kJournalRecords * int(state.range(0));
    const QByteArray journal = BenchData::journal(records);
    folder.write(FoodDay::kJournalFileName, journal);
    folder.write(CalorieJournal::kExerciseFileName, journal);
    // The oldest record's day: two-digit years stop at 1950.
    const QDate start = std::max(journalDate(records, records - 1), DateText::kFirstDate);
    ImageSurface surface(kPicture, QColor(0, 0, 55));
    prepare(surface);
    for (auto _ : state) {
        const mCalories::Balance b = mCalories::CaloricBalance(folder.path(), folder.settings(), start, 366);
        if (b.intake == 0 || !b.problems.isEmpty()) {
            state.SkipWithError("the balance read nothing");
            break;
        }
        mCalories::DrawCaloricBalance(surface, b);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(CaloricBalance)->Apply(scales);

// A day of 200 foods (and ten times as many) in the five groups.
void FoodPieChart(benchmark::State &state)
{
    Folder folder;
    const QDate day(2026, 12, 7);
    const QString dayText = DateText::medium(day);
    const char *groups[] = {"Milk", "Meat", "Fruit", "Grain", "Other"};
    QByteArray file;
    const int foods = kDayFoods * int(state.range(0));
    for (int i = 0; i < foods; ++i)
        file += FoodDay::line(dayText, QString::fromLatin1(groups[i % 5]), QStringLiteral("Food %1").arg(i),
                              QString::number(40 + (i * 37) % 400), i % 3 == 0 ? QStringLiteral("1.5")
                                                                             : QStringLiteral("1"));
    folder.write(FoodDay::fileName(day), file);
    ImageSurface surface(kPicture, QColor(0, 0, 55));
    prepare(surface);
    for (auto _ : state) {
        const mFoodPieChart::Day d = mFoodPieChart::dayFood(folder.path(), day);
        if (!mFoodPieChart::hasFood(d.totals)) {
            state.SkipWithError("the day read no food");
            break;
        }
        mFoodPieChart::DrawFoodPieChart(surface, d.totals);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(FoodPieChart)->Apply(scales);

} // namespace
