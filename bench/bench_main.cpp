// The benchmark program: a GUI application on the offscreen platform (the
// charts draw text), then every registered case.
#include "common/MemoryTuning.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    MemoryTuning::keepLargeBuffers();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
