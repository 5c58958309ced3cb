// The saves, each the whole action a window's button runs: every file read
// and checked, the new contents made, every file written atomically. Before
// each one the files are put back as they were (untimed), so that every
// save finds the same sizes; each save is timed as a session's first and as
// one after a save of its own (timeSaves()).
#include "BenchData.h"

#include "common/RecordFile.h"

#include "profile/WeightHistory.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicWorkout.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WeightCatalogue.h"
#include "workouts/WeightWorkout.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <sys/resource.h>

namespace {

using namespace BenchData;

// The page faults of the process so far: fresh memory, which costs much on
// a virtual machine.
long faults()
{
    rusage u;
    getrusage(RUSAGE_SELF, &u);
    return u.ru_minflt;
}

// Page faults an iteration, from `before` on.
benchmark::Counter faultsSince(long before)
{
    return benchmark::Counter(double(faults() - before), benchmark::Counter::kAvgIterations);
}

// One record into the middle of the journal: read, check every record,
// insert, write the whole file.
void InsertIntoJournal(benchmark::State &state)
{
    Folder folder;
    const int records = kJournalRecords * int(state.range(0));
    folder.write(CalorieJournal::kExerciseFileName, journal(records));
    const QString path = folder.file(CalorieJournal::kExerciseFileName);
    const QDate middle = journalDate(records, records / 2);
    Snapshot files(folder, {CalorieJournal::kExerciseFileName});
    const auto insert = [&] {
        CalorieJournal::insert(path, middle, 142.5f);
        return QString();
    };
    const long before = faults();
    timeSaves(state, files, insert, insert);
    state.counters["faults"] = faultsSince(before);
    state.counters["records"] = records;
}
BENCHMARK(InsertIntoJournal)->Apply(saveScales);

// Its floor: the journal as one insertion leaves it.
void FloorInsertIntoJournal(benchmark::State &state)
{
    Folder folder;
    const int records = kJournalRecords * int(state.range(0));
    folder.write(CalorieJournal::kExerciseFileName, journal(records));
    CalorieJournal::insert(folder.file(CalorieJournal::kExerciseFileName), journalDate(records, records / 2), 142.5f);
    writeFloor(state, folder, {CalorieJournal::kExerciseFileName});
}
BENCHMARK(FloorInsertIntoJournal)->Apply(scales);

// The files the workout saves write.
QStringList workoutFiles()
{
    QStringList names{CalorieJournal::kExerciseFileName,
                      ExerciseLogName::fileName(QStringLiteral("Ou"), QStringLiteral("Running"))};
    for (int i = 1; i <= 7; ++i)
        names.append(ExerciseLogName::fileName(QStringLiteral("Bi"), QStringLiteral("Curl %1").arg(i)));
    return names;
}

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

// The seven rows of the weight-training entry window, five sets each.
QList<WeightWorkout::Row> sevenCurls()
{
    QList<WeightWorkout::Row> rows;
    for (int i = 1; i <= 7; ++i) {
        rows.append({QStringLiteral("Bi"), QStringLiteral("Curl %1").arg(i),
                     {QStringLiteral("100"), QStringLiteral("105"), QStringLiteral("110"), QStringLiteral("115"),
                      QStringLiteral("120")},
                     {QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("7"),
                      QStringLiteral("6")}});
    }
    return rows;
}

// The weight-training entry window's Enter with all seven rows filled, five
// sets each: seven logs and the journal rewritten.
void SaveWeightWorkout(benchmark::State &state)
{
    Folder folder;
    fillWorkoutFolder(folder, kLogEntries * int(state.range(0)), kJournalRecords * int(state.range(0)));
    const QList<WeightWorkout::Row> rows = sevenCurls();
    Snapshot files(folder, workoutFiles());
    const auto save = [&] {
        const WeightWorkout::Outcome o = WeightWorkout::save(folder.path(), folder.settings(), kNewest, rows);
        return o.ok() && o.saved.size() == 7 ? QString() : o.refusal;
    };
    const long before = faults();
    timeSaves(state, files, save, save);
    state.counters["faults"] = faultsSince(before);
}
BENCHMARK(SaveWeightWorkout)->Apply(saveScales);

// The floor of the seven-exercise save on the same disk: the bytes that save
// writes (its seven logs and the journal, as one save leaves them), written
// as BenchData::writeFloor() writes them.
void Floor(benchmark::State &state)
{
    Folder folder;
    fillWorkoutFolder(folder, kLogEntries * int(state.range(0)), kJournalRecords * int(state.range(0)));
    if (!WeightWorkout::save(folder.path(), folder.settings(), kNewest, sevenCurls()).ok()) {
        state.SkipWithError("the save failed");
        return;
    }
    QStringList names{CalorieJournal::kExerciseFileName};
    for (int i = 1; i <= 7; ++i)
        names.append(ExerciseLogName::fileName(QStringLiteral("Bi"), QStringLiteral("Curl %1").arg(i)));
    writeFloor(state, folder, names);
}
BENCHMARK(Floor)->Apply(scales);

// The aerobic entry window's boxes: a run of 75 minutes, 7 miles, hilly.
AerobicWorkout::Boxes runningBoxes()
{
    AerobicWorkout::Boxes boxes;
    boxes.hours = QStringLiteral("1");
    boxes.minutes = QStringLiteral("15");
    boxes.distance = QStringLiteral("7");
    boxes.terrain = QStringLiteral("Hilly ");
    return boxes;
}

// The aerobic entry window's Enter: the running log and the journal
// rewritten.
void SaveAerobicWorkout(benchmark::State &state)
{
    Folder folder;
    fillWorkoutFolder(folder, kLogEntries * int(state.range(0)), kJournalRecords * int(state.range(0)));
    const AerobicWorkout::Boxes boxes = runningBoxes();
    Snapshot files(folder, workoutFiles());
    const auto save = [&] {
        const AerobicWorkout::Outcome o = AerobicWorkout::save(folder.path(), folder.settings(), QStringLiteral("Ou"),
                                                               QStringLiteral("Running"), kNewest, boxes);
        return o.saved() ? QString() : o.refusal;
    };
    const long before = faults();
    timeSaves(state, files, save, save);
    state.counters["faults"] = faultsSince(before);
}
BENCHMARK(SaveAerobicWorkout)->Apply(saveScales);

// Its floor: the running log and the journal as one save leaves them.
void FloorAerobicWorkout(benchmark::State &state)
{
    Folder folder;
    fillWorkoutFolder(folder, kLogEntries * int(state.range(0)), kJournalRecords * int(state.range(0)));
    const AerobicWorkout::Boxes boxes = runningBoxes();
    if (!AerobicWorkout::save(folder.path(), folder.settings(), QStringLiteral("Ou"), QStringLiteral("Running"), kNewest,
                              boxes)
             .saved()) {
        state.SkipWithError("the save failed");
        return;
    }
    writeFloor(state, folder,
               {CalorieJournal::kExerciseFileName, ExerciseLogName::fileName(QStringLiteral("Ou"), QStringLiteral("Running"))});
}
BENCHMARK(FloorAerobicWorkout)->Apply(scales);

// The profile window's Enter: a new weighing before every record of the
// history.
void SaveWeighing(benchmark::State &state)
{
    Folder folder;
    folder.write(WeightHistory::kFileName, history(kHistoryRecords * int(state.range(0))));
    const WeightHistory h(folder.path());
    Snapshot files(folder, {WeightHistory::kFileName});
    const auto save = [&] {
        h.addFirst(kNewest, 40, 160, 70);
        return QString();
    };
    const long before = faults();
    timeSaves(state, files, save, save);
    state.counters["faults"] = faultsSince(before);
}
BENCHMARK(SaveWeighing)->Apply(saveScales);

// Its floor: the history as one weighing leaves it.
void FloorWeighing(benchmark::State &state)
{
    Folder folder;
    folder.write(WeightHistory::kFileName, history(kHistoryRecords * int(state.range(0))));
    WeightHistory(folder.path()).addFirst(kNewest, 40, 160, 70);
    writeFloor(state, folder, {WeightHistory::kFileName});
}
BENCHMARK(FloorWeighing)->Apply(scales);

} // namespace
