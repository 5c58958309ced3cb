#pragma once

// Data folders of a given size for the benchmarks: every file is written as
// the program itself writes it, with plausible values, in a temporary
// folder that is removed when the folder object goes.

#include "common/RecordFile.h"
#include "common/Settings.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace BenchData {

// The sizes the program is designed for; the benchmarks run each case at
// these and at ten times them.
constexpr int kLogEntries = 366;
constexpr int kJournalRecords = 10001;
constexpr int kHistoryRecords = 1366;
// The catalogues and the calorie factors: the deletion's old limit.
constexpr int kCatalogueRecords = 101;

// The newest date of every generated file; older records go back from it.
inline const QDate kNewest(2049, 12, 31);

// A weight-training log of `entries` one-line entries of `sets` sets.
QByteArray exerciseLog(int entries, int sets);
// An aerobic log of `entries` records of the full layout (date, minutes,
// distance, terrain).
QByteArray aerobicLog(int entries);
// A calorie journal, three records a day, newest first.
QByteArray journal(int records);
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

// The daily food file of `day` with `foods` foods of every group, their
// calories and servings as the food entry window stores them (one in three
// 1.5 servings).
QByteArray foodDay(int foods, const QDate &day);

} // namespace BenchData
