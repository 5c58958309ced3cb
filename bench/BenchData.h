#pragma once

// Data folders of a given size for the benchmarks: every file is written as
// the program itself writes it, with plausible values, in a temporary
// folder that is removed when the folder object goes.

#include "common/FileBatch.h"
#include "common/RecordFile.h"
#include "common/Settings.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace BenchData {

// The sizes the program is designed for; the benchmarks run each case at
// these, at ten and at a hundred times them (the argument /1, /10, /100 of
// each case; --benchmark_filter=-/100 leaves the hundredfold out).
constexpr int kLogEntries = 366;
constexpr int kJournalRecords = 10001;
constexpr int kHistoryRecords = 1366;
// The catalogues and the calorie factors: the deletion's old limit.
constexpr int kCatalogueRecords = 101;

// The newest date of every generated file; older records go back from it.
inline const QDate kNewest(2049, 12, 31);

// Gives a case its sizes: 1, 10 and 100 times the design sizes, in
// milliseconds.
void scales(benchmark::internal::Benchmark *b);
// Gives a save its sizes, each three times (the second argument): a
// session's first save into files the program wrote in an earlier run (0),
// a save into files a save of the same session wrote last, as every later
// save of a session finds them (1), and a save into files another program
// changed, whose every record is checked (2).
void saveScales(benchmark::internal::Benchmark *b);

// A weight-training log of `entries` one-line entries of `sets` sets.
QByteArray exerciseLog(int entries, int sets);
// An aerobic log of `entries` records of the full layout (date, minutes,
// distance, terrain).
QByteArray aerobicLog(int entries);
// A calorie journal, newest first: three records a day, more where three a
// day would reach back past the years two-digit dates can name (a journal
// of a hundred times the design size has 28 a day).
QByteArray journal(int records);
// The date of the record at `index` (from 0, newest first) of journal(records).
QDate journalDate(int records, int index);
// A body-weight history, one weighing a day, newest first, with the
// shipped placeholder record last.
QByteArray history(int records);
// A weight-training catalogue of `records` exercises: the first seven are
// "Bi" exercises named "Curl 1" ... "Curl 7" with 5 sets, the rest spread
// over the other groups.
QByteArray weightCatalogue(int records);
// An aerobic catalogue of `records` activities: the first is the outdoor
// "Running" with time, distance and terrain.
QByteArray aerobicCatalogue(int records);
// The calorie factors: "Weight training", "Running", then made-up names.
QByteArray factors(int records);

// A data folder in a temporary directory, with its own settings file
// (body weight 160).
class Folder
{
public:
    Folder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return RecordFile::path(path(), name); }
    void write(const QString &name, const QByteArray &bytes) const;
    Settings &settings() { return *m_settings; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Settings> m_settings;
};

// Files of a folder as they stand now, put back before each timed save so
// that every save finds the same files (a save adds its record to them).
class Snapshot
{
public:
    Snapshot(const Folder &folder, const QStringList &names);
    // Puts every file back as a save leaves it, flushed to the disk, so that
    // the timed save pays for none of it; call with the timing paused.
    void restore() const;
    // The folder of the files.
    QString folder() const;

    // Times the floor of the save that just ran: the files it changed
    // (those that no longer hold their snapshot), written as writeFloor()
    // writes them; untimed by `state`, added to the totals below.
    void timeFloor();
    // Adds the time of one save.
    void addSave(double ms) { m_saveMs += ms; }
    // Reports the floor of each save ("floor_ms") and the saves' time over
    // their floors ("x_floor"), each save against the floor of the very
    // bytes it wrote, timed right after it.
    void reportFloor(benchmark::State &state) const;

private:
    QList<QPair<QString, QByteArray>> m_files; // path, bytes
    double m_saveMs = 0;
    double m_floorMs = 0;
    int m_floors = 0;
};

// Puts whatever waits to go to the disk of `folder` there (the files put
// back, what the start cleared away), as the system does by itself within
// seconds: a session's first save comes that long after the start.
void settle(const QString &folder);

// Times `save` (which answers an error's text, empty when it saved): before
// each run the files are put back as `files` holds them; then, as the save's
// second argument (saveScales()) asks, `prime` saves into them once and the
// session ends and a new one starts (0), `prime` saves into them once (1),
// or a new session starts (2). A session ends as the program ends, keeping
// its files' forms (FileBatch::keepForms()), and starts as the program
// starts (FileBatch::recoverFolder()); a new session's folder is then put
// on the disk (settle()), as the seconds between a start and its first save
// put it there; all of it untimed. Each save is followed by its floor
// (Snapshot::timeFloor()), untimed too.
template <typename Prime, typename Save>
void timeSaves(benchmark::State &state, Snapshot &files, Prime prime, Save save)
{
    const int64_t mode = state.range(1);
    const QString folder = files.folder();
    for (auto _ : state) {
        state.PauseTiming();
        files.restore();
        if (mode == 0 || mode == 1) {
            const QString refusal = prime();
            if (!refusal.isEmpty()) {
                state.SkipWithError(qPrintable(refusal));
                return;
            }
        }
        if (mode == 0)
            FileBatch::keepForms(folder);
        if (mode == 0 || mode == 2) {
            FileBatch::forgetThisRun();
            FileBatch::recoverFolder(folder);
            settle(folder);
        }
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const QString refusal = save();
        const auto end = std::chrono::steady_clock::now();
        if (!refusal.isEmpty()) {
            state.SkipWithError(qPrintable(refusal));
            return;
        }
        state.PauseTiming();
        files.addSave(std::chrono::duration<double, std::milli>(end - start).count());
        files.timeFloor();
        state.ResumeTiming();
    }
    files.reportFloor(state);
}

// The floor of a save on the disk of `folder`: the files `names` as the save
// left them, written by plain system calls into as many new files, each
// flushed to the disk and renamed over its file, then the folder flushed;
// timed in `state`. No reading, checking, note or lock: what any save of
// those bytes must pay at least.
void writeFloor(benchmark::State &state, const Folder &folder, const QStringList &names);
// The daily food file of `day` with `foods` foods of every group, their
// calories and servings as the food entry window stores them (one in three
// 1.5 servings).
QByteArray foodDay(int foods, const QDate &day);

} // namespace BenchData
