// The exercise-log report: a screen page read from its files and drawn into
// the report window's page box, and the whole log printed into a PDF.
#include "BenchData.h"
#include "ReportBench.h"

#include "reports/ExerciseLogReport.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WeightCatalogue.h"

#include <benchmark/benchmark.h>

namespace {

using namespace BenchData;
using namespace ReportBench;

// A folder with a five-set "Curl 1" and "Running", each with a log of
// `entries` entries.
void writeLogs(Folder &folder, int entries)
{
    folder.write(WeightCatalogue::kFileName, weightCatalogue(kCatalogueRecords));
    folder.write(AerobicCatalogue::kFileName, aerobicCatalogue(kCatalogueRecords));
    folder.write(ExerciseLogName::fileName(QStringLiteral("Bi"), QStringLiteral("Curl 1")), exerciseLog(entries, 5));
    folder.write(ExerciseLogName::fileName(QStringLiteral("Ou"), QStringLiteral("Running")), aerobicLog(entries));
}

ReportInput inputFor(const Folder &folder, bool aerobic)
{
    ReportInput in;
    in.dataFolder = folder.path();
    in.choice.options[0] = true;
    in.choice.category = aerobic ? QStringLiteral("Outdoor Activites") : QStringLiteral("Biceps");
    in.choice.entries = {aerobic ? QStringLiteral("Running") : QStringLiteral("Curl 1")};
    in.choice.selectedRows = {0};
    in.choice.currentRow = 0;
    return in;
}

// One press of Next: the page after the one shown read from the catalogue
// and the log and drawn into the page box, through all 45 pages and round
// again. First argument: the log's size (1: 366 entries, 10: 3660, 100:
// 36600); second:
// 0 weight training (five sets), 1 aerobic (time, distance and terrain).
void PageThroughLog(benchmark::State &state)
{
    Folder folder;
    writeLogs(folder, kLogEntries * int(state.range(0)));
    pageThrough(state, ExerciseLogReport(), inputFor(folder, state.range(1) == 1), 45);
}
BENCHMARK(PageThroughLog)->ArgsProduct({{1, 10, 100}, {0, 1}})->Unit(benchmark::kMillisecond);

// Print: the whole log (366 entries, 3660, 36600) read and printed into a
// PDF file (landscape, as the print service prints). Arguments as
// PageThroughLog's.
void PrintLogToPdf(benchmark::State &state)
{
    Folder folder;
    writeLogs(folder, kLogEntries * int(state.range(0)));
    printToPdf(state, ExerciseLogReport(), inputFor(folder, state.range(1) == 1));
}
BENCHMARK(PrintLogToPdf)->ArgsProduct({{1, 10, 100}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace
