// The benchmark program: a widgets application on the offscreen platform
// (the charts draw text, the window cases build windows), then every
// registered case.
#include "common/MemoryTuning.h"

#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char *argv[])
{
    MemoryTuning::keepLargeBuffers();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
