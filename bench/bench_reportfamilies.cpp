// The description and foods reports: a screen page read from its file and
// drawn into the report window's page box, and the whole report printed
// into a PDF.
#include "BenchData.h"
#include "ReportBench.h"

#include "common/RecordWriter.h"
#include "nutrition/FoodDay.h"
#include "reports/DescriptionReport.h"
#include "reports/FoodsReport.h"
#include "workouts/WeightCatalogue.h"

#include <benchmark/benchmark.h>

namespace {

using namespace BenchData;
using namespace ReportBench;

const QDate kDay(2026, 12, 7);

// A weight-training catalogue of `records` exercises, each with a
// description of about 300 characters (three lines on the screen).
QByteArray describedCatalogue(int records)
{
    static const char *const codes[] = {"Bi", "Tr", "Sh", "Ba", "Ch", "Le"};
    const QString description = QStringLiteral(
        "Stand with the feet shoulder-width apart and hold the weight with both hands, arms straight. Keeping the "
        "back straight and the elbows close to the body, lift the weight slowly to the top of the movement, hold "
        "it for a moment, then lower it under control to the start. Breathe out as you lift.");
    RecordWriter w;
    for (int i = 0; i < records; ++i)
        w.write({RecordValue::text(QString::fromLatin1(codes[i % 6])), RecordValue::text(QStringLiteral("Exercise %1").arg(i)),
                 RecordValue::text(description), RecordValue::text(QString::number(1 + i % 5))});
    return w.bytes();
}

// Every exercise of a catalogue of `records` chosen for the descriptions.
ReportInput descriptionsOf(const Folder &folder, int records)
{
    ReportInput in;
    in.dataFolder = folder.path();
    in.choice.options[3] = true;
    for (int i = 0; i < records; ++i) {
        in.choice.entries << QStringLiteral("Exercise %1").arg(i);
        in.choice.selectedRows << i;
    }
    return in;
}

ReportInput foodsOf(const Folder &folder)
{
    ReportInput in;
    in.dataFolder = folder.path();
    in.choice.options[2] = true;
    in.choice.day = kDay;
    return in;
}

// The descriptions of every exercise of a catalogue of 101 (and 1010),
// round all 35 pages. Argument: the scale.
void PageThroughDescriptions(benchmark::State &state)
{
    Folder folder;
    const int records = kCatalogueRecords * int(state.range(0));
    folder.write(WeightCatalogue::kFileName, describedCatalogue(records));
    pageThrough(state, DescriptionReport(), descriptionsOf(folder, records), 35);
}
BENCHMARK(PageThroughDescriptions)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void PrintDescriptionsToPdf(benchmark::State &state)
{
    Folder folder;
    const int records = kCatalogueRecords * int(state.range(0));
    folder.write(WeightCatalogue::kFileName, describedCatalogue(records));
    printToPdf(state, DescriptionReport(), descriptionsOf(folder, records));
}
BENCHMARK(PrintDescriptionsToPdf)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// A day of 200 foods (and 2000), round all 10 pages.
void PageThroughFoods(benchmark::State &state)
{
    Folder folder;
    folder.write(FoodDay::fileName(kDay), foodDay(200 * int(state.range(0)), kDay));
    pageThrough(state, FoodsReport(), foodsOf(folder), 10);
}
BENCHMARK(PageThroughFoods)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void PrintFoodsToPdf(benchmark::State &state)
{
    Folder folder;
    folder.write(FoodDay::fileName(kDay), foodDay(200 * int(state.range(0)), kDay));
    printToPdf(state, FoodsReport(), foodsOf(folder));
}
BENCHMARK(PrintFoodsToPdf)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
