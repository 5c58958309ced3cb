#include "common/RecordReader.h"
#include "common/RecordWriter.h"

#include <benchmark/benchmark.h>

#include <QDate>

namespace {

// A calorie journal of `records` (date, calories) pairs, newest first.
QByteArray journal(int records)
{
    RecordWriter w;
    QDate d(2049, 12, 31);
    for (int i = 0; i < records; ++i) {
        w.write({RecordValue::text(d.toString("dd-MMM-yy")), RecordValue::single(123.25f + float(i % 100))});
        if (i % 3 == 2)
            d = d.addDays(-1);
    }
    return w.bytes();
}

void ParseJournal(benchmark::State &state)
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
BENCHMARK(ParseJournal)->Arg(10001)->Arg(100010)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
