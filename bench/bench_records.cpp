// Reading and parsing the data files: each case reads a file of the data
// folder and converts every record with the parser the program uses, and
// reports bytes per second. The argument is the size: 1, 10 or 100 times
// the design size.
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
    const QByteArray bytes = journal(kJournalRecords * int(state.range(0)));
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
BENCHMARK(RecordReaderFields)->Apply(scales);

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
    readFile(state, CalorieJournal::kExerciseFileName, journal(kJournalRecords * int(state.range(0))),
             [](const QString &path) { return CalorieJournal::read(path).size(); });
}
BENCHMARK(ReadJournal)->Apply(scales);

void ReadHistory(benchmark::State &state)
{
    Folder folder;
    const QByteArray bytes = history(kHistoryRecords * int(state.range(0)));
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
BENCHMARK(ReadHistory)->Apply(scales);

void ReadExerciseLog(benchmark::State &state)
{
    readFile(state, QStringLiteral("BiCurl 1.txt"), exerciseLog(kLogEntries * int(state.range(0)), 5),
             [](const QString &path) { return ExerciseLog::parse(RecordFile::read(path), path, 5).size(); });
}
BENCHMARK(ReadExerciseLog)->Apply(scales)->Unit(benchmark::kMicrosecond);

void ReadAerobicLog(benchmark::State &state)
{
    readFile(state, QStringLiteral("OuRunning.txt"), aerobicLog(kLogEntries * int(state.range(0))), [](const QString &path) {
        return AerobicLog::parse(RecordFile::read(path), path, AerobicLog::Layout::Full).size();
    });
}
BENCHMARK(ReadAerobicLog)->Apply(scales)->Unit(benchmark::kMicrosecond);

// The catalogues and the factors are parsed anew each time: named in turn
// by two names, so that the reading kept from the last parse (LastParse),
// which spares a save parsing them again, never answers.
QString nameInTurn(const QString &path)
{
    static int turn = 0;
    return ++turn % 2 ? path : path + u'.';
}

void ReadWeightCatalogue(benchmark::State &state)
{
    readFile(state, WeightCatalogue::kFileName, weightCatalogue(kCatalogueRecords * int(state.range(0))), [](const QString &path) {
        return WeightCatalogue::parse(RecordFile::read(path), nameInTurn(path)).size();
    });
}
BENCHMARK(ReadWeightCatalogue)->Apply(scales)->Unit(benchmark::kMicrosecond);

void ReadAerobicCatalogue(benchmark::State &state)
{
    readFile(state, AerobicCatalogue::kFileName, aerobicCatalogue(kCatalogueRecords * int(state.range(0))), [](const QString &path) {
        return AerobicCatalogue::parse(RecordFile::read(path), nameInTurn(path)).size();
    });
}
BENCHMARK(ReadAerobicCatalogue)->Apply(scales)->Unit(benchmark::kMicrosecond);

void ReadFactors(benchmark::State &state)
{
    readFile(state, CalorieFactors::kFileName, factors(kCatalogueRecords * int(state.range(0))), [](const QString &path) {
        return CalorieFactors::parse(RecordFile::read(path), nameInTurn(path)).size();
    });
}
BENCHMARK(ReadFactors)->Apply(scales)->Unit(benchmark::kMicrosecond);

// The rewrites of a save in memory, without reading or writing a file:
// every record checked and copied, the new one put in its place. A journal
// large enough is checked in parts on several threads, then copied whole.
// Bytes per second of the old file.
void RewriteJournal(benchmark::State &state)
{
    const int records = kJournalRecords * int(state.range(0));
    const QByteArray bytes = journal(records);
    const QDate middle = journalDate(records, records / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalorieJournal::inserted(bytes, CalorieJournal::kExerciseFileName, middle, 142.5f).size());
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(RewriteJournal)->Apply(scales);

void RewriteExerciseLog(benchmark::State &state)
{
    const QByteArray bytes = exerciseLog(kLogEntries * int(state.range(0)), 5);
    const ExerciseLogEntry entry{QStringLiteral("31-Dec-49"), {{100, 10}, {105, 9}, {110, 8}, {115, 7}, {120, 6}}, {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(ExerciseLog::withFirst(entry, bytes, QStringLiteral("BiCurl 1.txt"), 5).size());
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(RewriteExerciseLog)->Apply(scales);

} // namespace
