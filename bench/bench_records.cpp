// Reading and parsing the data files: each case reads a file of the data
// folder and converts every record with the parser the program uses, and
// reports bytes per second.
#include "BenchData.h"

#include "common/RecordFile.h"
#include "common/RecordReader.h"
#include "profile/WeightHistory.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicLog.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLog.h"
#include "workouts/WeightCatalogue.h"

#include <benchmark/benchmark.h>

namespace {

using namespace BenchData;

// The record reader alone on a journal: a text and a number per record.
void RecordReaderFields(benchmark::State &state)
{
    const QByteArray bytes = journal(int(state.range(0)));
    for (auto _ : state) {
        RecordReader r(bytes);
        double sum = 0;
        while (!r.atEndOrBlank()) {
            benchmark::DoNotOptimize(r.readText());
            sum += r.readSingle();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(RecordReaderFields)->Arg(kJournalRecords)->Arg(10 * kJournalRecords)->Unit(benchmark::kMillisecond);

// Writes `bytes` as `name` into a fresh folder, then times `parse(path)`.
template <typename Parse>
void readFile(benchmark::State &state, const QString &name, const QByteArray &bytes, Parse parse)
{
    Folder folder;
    folder.write(name, bytes);
    const QString path = folder.file(name);
    qsizetype records = 0;
    for (auto _ : state) {
        records = parse(path);
        benchmark::DoNotOptimize(records);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
    state.counters["records"] = double(records);
    state.counters["file_KiB"] = double(bytes.size()) / 1024.0;
}

void ReadJournal(benchmark::State &state)
{
    readFile(state, CalorieJournal::kExerciseFileName, journal(int(state.range(0))),
             [](const QString &path) { return CalorieJournal::read(path).size(); });
}
BENCHMARK(ReadJournal)->Arg(kJournalRecords)->Arg(10 * kJournalRecords)->Unit(benchmark::kMillisecond);

void ReadHistory(benchmark::State &state)
{
    Folder folder;
    const QByteArray bytes = history(int(state.range(0)));
    folder.write(WeightHistory::kFileName, bytes);
    const WeightHistory h(folder.path());
    for (auto _ : state) {
        const WeightHistory::Contents c = h.read();
        if (c.error)
            state.SkipWithError("history did not read whole");
        benchmark::DoNotOptimize(c.records.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(ReadHistory)->Arg(kHistoryRecords)->Arg(10 * kHistoryRecords)->Unit(benchmark::kMillisecond);

void ReadExerciseLog(benchmark::State &state)
{
    readFile(state, QStringLiteral("BiCurl 1.txt"), exerciseLog(int(state.range(0)), 5),
             [](const QString &path) { return ExerciseLog::parse(RecordFile::read(path), path, 5).size(); });
}
BENCHMARK(ReadExerciseLog)->Arg(kLogEntries)->Arg(10 * kLogEntries)->Unit(benchmark::kMicrosecond);

void ReadAerobicLog(benchmark::State &state)
{
    readFile(state, QStringLiteral("OuRunning.txt"), aerobicLog(int(state.range(0))), [](const QString &path) {
        return AerobicLog::parse(RecordFile::read(path), path, AerobicLog::Layout::Full).size();
    });
}
BENCHMARK(ReadAerobicLog)->Arg(kLogEntries)->Arg(10 * kLogEntries)->Unit(benchmark::kMicrosecond);

void ReadWeightCatalogue(benchmark::State &state)
{
    readFile(state, WeightCatalogue::kFileName, weightCatalogue(int(state.range(0))), [](const QString &path) {
        return WeightCatalogue::parse(RecordFile::read(path), path).size();
    });
}
BENCHMARK(ReadWeightCatalogue)->Arg(kCatalogueRecords)->Arg(10 * kCatalogueRecords)->Unit(benchmark::kMicrosecond);

void ReadAerobicCatalogue(benchmark::State &state)
{
    readFile(state, AerobicCatalogue::kFileName, aerobicCatalogue(int(state.range(0))), [](const QString &path) {
        return AerobicCatalogue::parse(RecordFile::read(path), path).size();
    });
}
BENCHMARK(ReadAerobicCatalogue)->Arg(kCatalogueRecords)->Arg(10 * kCatalogueRecords)->Unit(benchmark::kMicrosecond);

void ReadFactors(benchmark::State &state)
{
    readFile(state, CalorieFactors::kFileName, factors(int(state.range(0))), [](const QString &path) {
        return CalorieFactors::parse(RecordFile::read(path), path).size();
    });
}
BENCHMARK(ReadFactors)->Arg(kCatalogueRecords)->Arg(10 * kCatalogueRecords)->Unit(benchmark::kMicrosecond);

} // namespace
