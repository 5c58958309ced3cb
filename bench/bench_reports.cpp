// The exercise-log report: a screen page read from its files and drawn into
// the report window's page box, and the whole log printed into a PDF.
#include "BenchData.h"

#include "common/ImageSurface.h"
#include "common/PrintColumns.h"
#include "reports/ExerciseLogReport.h"
#include "reports/ReportPainting.h"
#include "shell/PrintService.h"
#include "shell/PrinterSurface.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WeightCatalogue.h"

#include <benchmark/benchmark.h>

#include <QFont>
#include <QTemporaryDir>

namespace {

using namespace BenchData;

// The page box of the report window, in pixels.
const QSize kPageBox(810, 388);

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
    const ReportInput in = inputFor(folder, state.range(1) == 1);
    const ExerciseLogReport report;
    ImageSurface surface(kPageBox, ReportPainting::kPageColour);
    QFont font;
    font.setPointSizeF(10);
    font.setBold(true);
    int page = 0;
    for (auto _ : state) {
        page = page % 45 + 1;
        const ReportPage p = report.page(in, page, PageWay::Next);
        if (!p.message.isEmpty()) {
            state.SkipWithError(qPrintable(p.message));
            break;
        }
        benchmark::DoNotOptimize(
            ReportPainting::drawScreenPage(surface, QSizeF(kPageBox), font, p.page).size());
    }
}
BENCHMARK(PageThroughLog)->ArgsProduct({{1, 10, 100}, {0, 1}})->Unit(benchmark::kMillisecond);

// Print: the whole log (366 entries, 3660, 36600) read and printed into a
// PDF file (landscape, as the print service prints). Arguments as
// PageThroughLog's.
void PrintLogToPdf(benchmark::State &state)
{
    Folder folder;
    writeLogs(folder, kLogEntries * int(state.range(0)));
    const ReportInput in = inputFor(folder, state.range(1) == 1);
    QTemporaryDir out;
    qputenv(PrintService::kPdfVariable, out.filePath(QStringLiteral("log.pdf")).toLocal8Bit());
    int pages = 0;
    for (auto _ : state) {
        const ReportPrintout printout = ExerciseLogReport().printout(in);
        const auto outcome = PrintService::print(nullptr, QStringLiteral("Print Preview"), [&](PrinterSurface &s) {
            pages = int(ReportPainting::drawPrintout(s, printout.pages).count(u'\f')) + 1;
        });
        if (outcome != PrintService::Outcome::Printed) {
            state.SkipWithError("the printout failed");
            break;
        }
    }
    qunsetenv(PrintService::kPdfVariable);
    // The pages of one printout: its time over them is the time a page.
    state.counters["pages"] = pages;
}
BENCHMARK(PrintLogToPdf)->ArgsProduct({{1, 10, 100}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace
