// The food saves and the food entry window's list: Enter of a day's foods
// (the day file and the food journal), the deletion of a logged food (the
// day file and the journal), and the entry window filling its list from a
// group list, each the whole action of the window's button or opening.
#include "BenchData.h"

#include "Program.h"
#include "common/DateText.h"
#include "common/RecordWriter.h"
#include "nutrition/FoodDay.h"
#include "nutrition/FoodDeletion.h"
#include "nutrition/FoodEntry.h"
#include "nutrition/FoodList.h"
#include "nutrition/PendingFoods.h"
#include "nutrition/frmFoodEntry.h"
#include "shell/MDIFitness.h"
#include "shell/mFormProcedures.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

using namespace BenchData;

// The pending-food file with `foods` picks, of at most 32767 calories in
// all, as the entry window allows: up to 200 foods of 40 to 99 calories,
// more of 1 to 10.
QByteArray pendingFoods(int foods, const QDate &day)
{
    QByteArray out = PendingFoods::emptyForm();
    for (int i = 0; i < foods; ++i)
        out += PendingFoods::line({day, QStringLiteral("Milk"), QStringLiteral("Food %1 (1 serving)").arg(i),
                                   QString::number(foods <= 200 ? 40 + i % 60 : 1 + i % 10), QStringLiteral("1.5")});
    return out;
}

// A food-group list of `foods` foods under a heading every ten.
QByteArray foodList(int foods)
{
    QByteArray out;
    for (int i = 0; i < foods; ++i) {
        if (i % 10 == 0)
            out += FoodList::headingLine(QStringLiteral("Heading %1").arg(i / 10));
        out += FoodList::line(QStringLiteral("Food %1 (1 serving)").arg(i), 50 + i % 300);
    }
    return out;
}

// The day of the food saves at `scale`, amid the journal.
QDate foodSaveDay(int scale)
{
    return journalDate(kJournalRecords * scale, kJournalRecords * scale / 2);
}

// The files of an Enter at `scale`: the journal, the picks, no foods yet.
void fillEnterFolder(const Folder &folder, int scale)
{
    folder.write(FoodDay::kJournalFileName, journal(kJournalRecords * scale));
    folder.write(PendingFoods::kFileName, pendingFoods(20 * scale, foodSaveDay(scale)));
    folder.write(FoodDay::fileName(foodSaveDay(scale)), QByteArray());
}

// Enter of a day of 20 foods (200 at ten times, 2000 at a hundred times)
// into a journal of 10001 records (100010, 1000100): the pending foods read
// and checked, the day's file read and appended to, the total inserted into
// the journal, the pending file reset; the day's file starts empty each
// time.
void EnterFoodDay(benchmark::State &state)
{
    Folder folder;
    const int scale = int(state.range(0));
    const QDate day = foodSaveDay(scale);
    fillEnterFolder(folder, scale);
    Snapshot files(folder, {PendingFoods::kFileName, FoodDay::fileName(day), FoodDay::kJournalFileName});
    // The window's picks: what the pending file holds.
    const QList<PendingFoodRecord> picks =
        PendingFoods::parse(RecordFile::read(folder.file(PendingFoods::kFileName)), PendingFoods::kFileName);
    // Before a save after one of its own, an Enter of the same foods, and
    // the picks put back.
    const Snapshot pending(folder, {PendingFoods::kFileName});
    const auto enter = [&] {
        const FoodEntry::Entered e = FoodEntry::enter(folder.path(), day, picks);
        return e.ok() && e.foods == 20 * scale ? QString() : e.refusal;
    };
    const auto prime = [&] {
        const QString refusal = enter();
        pending.restore();
        return refusal;
    };
    timeSaves(state, files, prime, enter);
}
BENCHMARK(EnterFoodDay)->Apply(saveScales);

// Its floor: the pending foods, the day's file and the journal as one Enter
// leaves them.
void FloorEnterFoodDay(benchmark::State &state)
{
    Folder folder;
    const int scale = int(state.range(0));
    const QDate day = foodSaveDay(scale);
    fillEnterFolder(folder, scale);
    const QList<PendingFoodRecord> picks =
        PendingFoods::parse(RecordFile::read(folder.file(PendingFoods::kFileName)), PendingFoods::kFileName);
    if (!FoodEntry::enter(folder.path(), day, picks).ok()) {
        state.SkipWithError("the Enter failed");
        return;
    }
    writeFloor(state, folder, {PendingFoods::kFileName, FoodDay::fileName(day), FoodDay::kJournalFileName});
}
BENCHMARK(FloorEnterFoodDay)->Apply(scales);

// The deletion of a food from the middle of a day of 200 foods (2000 at ten
// times, 20000 at a hundred), with the journals of the Enter case: the day's file read, checked
// and rewritten without it, the correction inserted into the journal.
void DeleteFood(benchmark::State &state)
{
    Folder folder;
    const int scale = int(state.range(0));
    const QDate day = foodSaveDay(scale);
    folder.write(FoodDay::kJournalFileName, journal(kJournalRecords * scale));
    const QByteArray foods = foodDay(200 * scale, day);
    const FoodDayRecord middle = FoodDay::parse(foods, FoodDay::fileName(day))[100 * scale];
    folder.write(FoodDay::fileName(day), foods);
    Snapshot files(folder, {FoodDay::fileName(day), FoodDay::kJournalFileName});
    // Before a deletion after one of its own, the food after it deleted.
    const FoodDayRecord next = FoodDay::parse(foods, FoodDay::fileName(day))[100 * scale + 1];
    const auto remove = [&](const FoodDayRecord &food) {
        const FoodDeletion::Outcome o = FoodDeletion::remove(folder.path(), day, food);
        return o.removed ? QString() : o.refusal;
    };
    timeSaves(state, files, [&] { return remove(next); }, [&] { return remove(middle); });
}
BENCHMARK(DeleteFood)->Apply(saveScales);

// Its floor: the day's file and the journal as one deletion leaves them.
void FloorDeleteFood(benchmark::State &state)
{
    Folder folder;
    const int scale = int(state.range(0));
    const QDate day = foodSaveDay(scale);
    folder.write(FoodDay::kJournalFileName, journal(kJournalRecords * scale));
    const QByteArray foods = foodDay(200 * scale, day);
    folder.write(FoodDay::fileName(day), foods);
    if (!FoodDeletion::remove(folder.path(), day, FoodDay::parse(foods, FoodDay::fileName(day))[100 * scale]).removed) {
        state.SkipWithError("the deletion failed");
        return;
    }
    writeFloor(state, folder, {FoodDay::fileName(day), FoodDay::kJournalFileName});
}
BENCHMARK(FloorDeleteFood)->Apply(scales);

// The food entry window of the whole program filling its list from a list
// of 1000 foods (10000 at ten times, 100000 at a hundred), read and shown, as at its opening.
void FillFoodEntryList(benchmark::State &state)
{
    QTemporaryDir root;
    const QString data = root.filePath(QStringLiteral("data"));
    qputenv("PULSAR_DATA_DIR", data.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toLocal8Bit());
    QDir().mkpath(data);
    {
        QFile list(QDir(data).filePath(QStringLiteral("Milk.txt")));
        const QByteArray bytes = foodList(1000 * int(state.range(0)));
        if (!list.open(QIODevice::WriteOnly) || list.write(bytes) != bytes.size())
            qFatal("cannot write the list");
    }
    mFormProcedures::setPauses(0, 0);
    MDIFitness *main = createProgram();
    main->click(QStringLiteral("itmMilk"));
    auto *window = qobject_cast<frmFoodEntry *>(main->form(frmFoodEntry::kName));
    if (!window) {
        state.SkipWithError("the food entry window did not open");
        delete main;
        return;
    }
    for (auto _ : state) {
        window->Information(1);
        benchmark::DoNotOptimize(window->foods()->topLevelItemCount());
    }
    state.counters["rows"] = double(window->foods()->topLevelItemCount());
    delete main;
}
BENCHMARK(FillFoodEntryList)->Apply(scales);

} // namespace
