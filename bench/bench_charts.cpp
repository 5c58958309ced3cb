// The charts, each sampled from its file and drawn into an image as its
// window draws it on the screen.
#include "BenchData.h"

#include "common/ImageSurface.h"
#include "graphs/GraphState.h"
#include "graphs/ProgressPlot.h"
#include "graphs/ProgressSampling.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WeightCatalogue.h"
#include "profile/WeightHistory.h"
#include "profile/mBMI.h"

#include <benchmark/benchmark.h>

#include <QFont>

namespace {

using namespace BenchData;

// The picture box of a chart window on a large screen.
const QSize kPicture(800, 600);

// The body-weight and BMI chart of the longest period: the history read,
// 28 records sampled, frame and points drawn. Second argument: the chart
// type (1 columns, 2 line).
void DrawBMIChart(benchmark::State &state)
{
    Folder folder;
    folder.write(WeightHistory::kFileName, history(kHistoryRecords * int(state.range(0))));
    ImageSurface surface(kPicture, QColor(0x40, 0x40, 0x40));
    QFont font(QStringLiteral("Calisto MT"));
    font.setPointSizeF(8.25);
    surface.setFont(font);
    for (auto _ : state) {
        const QString problem = mBMI::ShowBMIChart(surface, folder.path(), folder.settings(),
                                                   QStringLiteral("Last 360 Entries"), mBMI::kBMIKind,
                                                   int(state.range(1)));
        if (!problem.isEmpty()) {
            state.SkipWithError(qPrintable(problem));
            break;
        }
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(DrawBMIChart)->ArgsProduct({{1, 10, 100}, {mBMI::kColumns, mBMI::kLine}})->Unit(benchmark::kMillisecond);

// The picture of the graph window as it draws: white on black, lines two
// pixels wide.
void prepareGraphSurface(ImageSurface &surface)
{
    QFont font(QStringLiteral("Calisto MT"));
    font.setPointSizeF(8.25);
    surface.setFont(font);
    surface.setForeColour(Qt::white);
    surface.setBackColour(Qt::black);
    surface.setDrawWidth(2);
}

// A progress graph of a weight-training exercise of five sets over the
// longest period (every 48th entry, seven groups): catalogue and log read,
// sampled, frame and bars or lines drawn. Second argument: 1 columns, 2 line.
void DrawWeightGraph(benchmark::State &state)
{
    Folder folder;
    folder.write(WeightCatalogue::kFileName, weightCatalogue(kCatalogueRecords));
    folder.write(ExerciseLogName::fileName(QStringLiteral("Bi"), QStringLiteral("Curl 1")),
                 exerciseLog(kLogEntries * int(state.range(0)), 5));
    ImageSurface surface(kPicture, Qt::black);
    prepareGraphSurface(surface);
    const ChartType type = state.range(1) == 1 ? ChartType::Column : ChartType::Line;
    for (auto _ : state) {
        GraphState graphState;
        graphState.step = 48;
        const ProgressSampling::WeightGraph graph =
            ProgressSampling::weightGraph(folder.path(), QStringLiteral("Bi"), QStringLiteral("Curl 1"), 48);
        if (!graph.found || graph.groups.size() != 7) {
            state.SkipWithError("the graph did not sample seven groups");
            break;
        }
        ProgressPlot::drawWeight(surface, graphState, graph, type);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(DrawWeightGraph)->ArgsProduct({{1, 10, 100}, {1, 2}})->Unit(benchmark::kMillisecond);

// A progress graph of running (time, distance and terrain) over the longest
// period: the log read to its end, every 48th workout drawn as miles per
// hour.
void DrawAerobicGraph(benchmark::State &state)
{
    Folder folder;
    folder.write(AerobicCatalogue::kFileName, aerobicCatalogue(kCatalogueRecords));
    folder.write(ExerciseLogName::fileName(QStringLiteral("Ou"), QStringLiteral("Running")),
                 aerobicLog(kLogEntries * int(state.range(0))));
    ImageSurface surface(kPicture, Qt::black);
    prepareGraphSurface(surface);
    const ChartType type = state.range(1) == 1 ? ChartType::Column : ChartType::Line;
    const ProgressSampling::AerobicUnits units{true, ProgressSampling::DistanceUnit::Miles,
                                               ProgressSampling::TimeUnit::Hours};
    for (auto _ : state) {
        GraphState graphState;
        graphState.step = 48;
        const ProgressSampling::AerobicGraph graph = ProgressSampling::aerobicGraph(
            folder.path(), QStringLiteral("Ou"), QStringLiteral("Running"), 48, units);
        if (!graph.found) {
            state.SkipWithError("no such activity");
            break;
        }
        ProgressPlot::drawAerobic(surface, graphState, graph, type, false);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(DrawAerobicGraph)->ArgsProduct({{1, 10, 100}, {1, 2}})->Unit(benchmark::kMillisecond);

} // namespace
