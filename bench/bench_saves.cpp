// The saves, each the whole action a window's button runs: every file read
// and converted, the new contents made, every file written atomically. The
// files grow by one record per iteration, which at these sizes changes
// nothing measurable.
#include "BenchData.h"

#include "profile/WeightHistory.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicWorkout.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WeightCatalogue.h"
#include "workouts/WeightWorkout.h"

#include <benchmark/benchmark.h>

namespace {

using namespace BenchData;

// Sizes of the save cases: the design sizes, then ten times them.
void designAndTenTimes(benchmark::internal::Benchmark *b)
{
    b->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
}

// One record into the middle of the journal: read, convert every record,
// insert, write the whole file.
void InsertIntoJournal(benchmark::State &state)
{
    Folder folder;
    const int records = kJournalRecords * int(state.range(0));
    folder.write(CalorieJournal::kExerciseFileName, journal(records));
    const QString path = folder.file(CalorieJournal::kExerciseFileName);
    const QDate middle = kNewest.addDays(-records / 6);
    for (auto _ : state)
        CalorieJournal::insert(path, middle, 142.5f);
    state.counters["records"] = records;
}
BENCHMARK(InsertIntoJournal)->Apply(designAndTenTimes);

// A data folder for the workout saves: the catalogues and factors, seven
// five-set curls with logs of `logEntries` entries, a running log of as many
// records and a journal of `journalRecords`.
void fillWorkoutFolder(const Folder &folder, int logEntries, int journalRecords)
{
    folder.write(WeightCatalogue::kFileName, weightCatalogue(kCatalogueRecords));
    folder.write(AerobicCatalogue::kFileName, aerobicCatalogue(kCatalogueRecords));
    folder.write(CalorieFactors::kFileName, factors(kCatalogueRecords));
    folder.write(CalorieJournal::kExerciseFileName, journal(journalRecords));
    for (int i = 1; i <= 7; ++i)
        folder.write(ExerciseLogName::fileName(QStringLiteral("Bi"), QStringLiteral("Curl %1").arg(i)),
                     exerciseLog(logEntries, 5));
    folder.write(ExerciseLogName::fileName(QStringLiteral("Ou"), QStringLiteral("Running")),
                 aerobicLog(logEntries));
}

// The weight-training entry window's Enter with all seven rows filled, five
// sets each: seven logs and the journal rewritten.
void SaveWeightWorkout(benchmark::State &state)
{
    Folder folder;
    fillWorkoutFolder(folder, kLogEntries * int(state.range(0)), kJournalRecords * int(state.range(0)));
    QList<WeightWorkout::Row> rows;
    for (int i = 1; i <= 7; ++i) {
        rows.append({QStringLiteral("Bi"), QStringLiteral("Curl %1").arg(i),
                     {QStringLiteral("100"), QStringLiteral("105"), QStringLiteral("110"), QStringLiteral("115"),
                      QStringLiteral("120")},
                     {QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("7"),
                      QStringLiteral("6")}});
    }
    for (auto _ : state) {
        const WeightWorkout::Outcome o = WeightWorkout::save(folder.path(), folder.settings(), kNewest, rows);
        if (!o.ok() || o.saved.size() != 7) {
            state.SkipWithError(qPrintable(o.refusal));
            break;
        }
    }
}
BENCHMARK(SaveWeightWorkout)->Apply(designAndTenTimes);

// The aerobic entry window's Enter: the running log and the journal
// rewritten.
void SaveAerobicWorkout(benchmark::State &state)
{
    Folder folder;
    fillWorkoutFolder(folder, kLogEntries * int(state.range(0)), kJournalRecords * int(state.range(0)));
    AerobicWorkout::Boxes boxes;
    boxes.hours = QStringLiteral("1");
    boxes.minutes = QStringLiteral("15");
    boxes.distance = QStringLiteral("7");
    boxes.terrain = QStringLiteral("Hilly ");
    for (auto _ : state) {
        const AerobicWorkout::Outcome o = AerobicWorkout::save(folder.path(), folder.settings(), QStringLiteral("Ou"),
                                                               QStringLiteral("Running"), kNewest, boxes);
        if (!o.saved()) {
            state.SkipWithError(qPrintable(o.refusal));
            break;
        }
    }
}
BENCHMARK(SaveAerobicWorkout)->Apply(designAndTenTimes);

// The profile window's Enter: a new weighing before every record of the
// history.
void SaveWeighing(benchmark::State &state)
{
    Folder folder;
    folder.write(WeightHistory::kFileName, history(kHistoryRecords * int(state.range(0))));
    const WeightHistory h(folder.path());
    for (auto _ : state)
        h.addFirst(kNewest, 40, 160, 70);
}
BENCHMARK(SaveWeighing)->Apply(designAndTenTimes);

} // namespace
