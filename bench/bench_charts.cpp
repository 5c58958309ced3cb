// The charts, each sampled from its file and drawn into an image as its
// window draws it on the screen.
#include "BenchData.h"

#include "common/ImageSurface.h"
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
BENCHMARK(DrawBMIChart)->ArgsProduct({{1, 10}, {mBMI::kColumns, mBMI::kLine}})->Unit(benchmark::kMillisecond);

} // namespace
