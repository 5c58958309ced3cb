#include "BenchData.h"

#include "common/DateText.h"
#include "common/FileBatch.h"
#include "common/RecordWriter.h"
#include "common/SettingKeys.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace BenchData {

QByteArray exerciseLog(int entries, int sets)
{
    RecordWriter w;
    for (int i = 0; i < entries; ++i) {
        QList<RecordValue> fields{RecordValue::text(DateText::medium(kNewest.addDays(-i)))};
        for (int k = 0; k < sets; ++k) {
            fields.append(RecordValue::whole(100 + (i + 5 * k) % 150));
            fields.append(RecordValue::whole(6 + (i + k) % 10));
        }
        w.write(fields);
    }
    return w.bytes();
}

QByteArray aerobicLog(int entries)
{
    static const char *const terrains[] = {"Hilly ", "Flat - Indoor", "Flat - Outdoor", "Select Terrain Type"};
    RecordWriter w;
    for (int i = 0; i < entries; ++i) {
        w.write({RecordValue::text(DateText::medium(kNewest.addDays(-i))), RecordValue::whole(20 + i % 70),
                 RecordValue::whole(1 + i % 12), RecordValue::text(QString::fromLatin1(terrains[i % 4]))});
    }
    return w.bytes();
}

void scales(benchmark::internal::Benchmark *b)
{
    b->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
}

void saveScales(benchmark::internal::Benchmark *b)
{
    for (int scale : {1, 10, 100})
        b->Args({scale, 0})->Args({scale, 1})->Args({scale, 2});
    b->Unit(benchmark::kMillisecond);
}

namespace {

// The records a day of journal(records).
int journalPerDay(int records)
{
    const qint64 days = DateText::kFirstDate.daysTo(kNewest) + 1;
    return int(std::max<qint64>(3, (records + days - 1) / days));
}

} // namespace

QDate journalDate(int records, int index)
{
    return kNewest.addDays(-index / journalPerDay(records));
}

QByteArray journal(int records)
{
    RecordWriter w;
    w.reserve(qsizetype(records) * 18);
    for (int i = 0; i < records; ++i) {
        w.write({RecordValue::text(DateText::medium(journalDate(records, i))),
                 RecordValue::whole(120 + (i * 37) % 900)});
    }
    return w.bytes();
}

QByteArray history(int records)
{
    RecordWriter w;
    for (int i = 0; i < records; ++i) {
        w.write({RecordValue::text(DateText::medium(kNewest.addDays(-i))), RecordValue::whole(40),
                 RecordValue::whole(150 + i % 40), RecordValue::whole(70)});
    }
    w.write({RecordValue::text(QStringLiteral("Initializer")), RecordValue::whole(0), RecordValue::whole(0),
             RecordValue::whole(0)});
    return w.bytes();
}

QByteArray weightCatalogue(int records)
{
    static const char *const codes[] = {"Tr", "Sh", "Ba", "Ch", "Le"};
    RecordWriter w;
    for (int i = 0; i < records; ++i) {
        const bool curl = i < 7;
        w.write({RecordValue::text(curl ? QStringLiteral("Bi") : QString::fromLatin1(codes[i % 5])),
                 RecordValue::text(curl ? QStringLiteral("Curl %1").arg(i + 1) : QStringLiteral("Exercise %1").arg(i)),
                 RecordValue::text(QStringLiteral("Stand with the feet apart, lift slowly, lower slowly.")),
                 RecordValue::text(curl ? QStringLiteral("5") : QString::number(1 + i % 5))});
    }
    return w.bytes();
}

QByteArray aerobicCatalogue(int records)
{
    static const char *const codes[] = {"Ou", "In", "Aq"};
    RecordWriter w;
    for (int i = 0; i < records; ++i) {
        w.write({RecordValue::text(QString::fromLatin1(codes[i % 3])),
                 RecordValue::text(i == 0 ? QStringLiteral("Running") : QStringLiteral("Activity %1").arg(i)),
                 RecordValue::boolean(true), RecordValue::boolean(i % 2 == 0), RecordValue::boolean(i % 4 == 0)});
    }
    return w.bytes();
}

QByteArray factors(int records)
{
    RecordWriter w;
    for (int i = 0; i < records; ++i) {
        const QString name = i == 0 ? QStringLiteral("Weight training")
                             : i == 1 ? QStringLiteral("Running")
                                      : QStringLiteral("Activity %1").arg(i);
        w.write({RecordValue::text(name), RecordValue::dbl(i == 0 ? 0.05 : 0.0278 + 0.0001 * (i % 500))});
    }
    return w.bytes();
}

Folder::Folder()
{
    m_settings = std::make_unique<Settings>(m_dir.filePath(QStringLiteral("Pulsar.ini")));
    m_settings->set(SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("160"));
}

void Folder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(f.fileName()));
}

Snapshot::Snapshot(const Folder &folder, const QStringList &names)
{
    for (const QString &name : names)
        m_files.append({folder.file(name), RecordFile::read(folder.file(name))});
}

QString Snapshot::folder() const
{
    return QFileInfo(m_files.first().first).absolutePath();
}

void Snapshot::restore() const
{
    FileBatch batch;
    for (const auto &[path, bytes] : m_files)
        batch.write(path, bytes);
    batch.commit();
}

namespace {

// Writes each of `files` (name, bytes) into a new file, flushes and renames
// it over its file, then flushes the folder `dir`: what any save of those
// bytes must pay at least. False when a call fails.
bool floorWrite(const QList<QPair<QByteArray, QByteArray>> &files, const QByteArray &dir)
{
    for (const auto &[name, contents] : files) {
        const QByteArray saving = name + ".floor";
        const int fd = ::open(saving.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0 || ::write(fd, contents.constData(), size_t(contents.size())) != contents.size()
            || ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(saving.constData(), name.constData()) != 0)
            return false;
    }
    const int d = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return d >= 0 && ::fsync(d) == 0 && ::close(d) == 0;
}

} // namespace

void settle(const QString &folder)
{
    const int d = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        (void)::syncfs(d);
        ::close(d);
    }
}

void Snapshot::timeFloor()
{
    QList<QPair<QByteArray, QByteArray>> changed;
    for (const auto &[path, bytes] : std::as_const(m_files)) {
        QByteArray now = RecordFile::read(path);
        if (now != bytes)
            changed.append({QFile::encodeName(path), std::move(now)});
    }
    if (changed.isEmpty())
        return;
    const QByteArray dir = QFile::encodeName(QFileInfo(m_files.first().first).absolutePath());
    const auto start = std::chrono::steady_clock::now();
    if (!floorWrite(changed, dir))
        qFatal("the floor could not be written");
    m_floorMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ++m_floors;
}

void Snapshot::reportFloor(benchmark::State &state) const
{
    if (m_floors == 0 || m_floorMs <= 0)
        return;
    state.counters["floor_ms"] = m_floorMs / m_floors;
    state.counters["x_floor"] = m_saveMs / m_floorMs;
}

void writeFloor(benchmark::State &state, const Folder &folder, const QStringList &names)
{
    QList<QPair<QByteArray, QByteArray>> files; // the file's name, its bytes
    qint64 bytes = 0;
    for (const QString &name : names) {
        files.append({QFile::encodeName(folder.file(name)), RecordFile::read(folder.file(name))});
        bytes += files.last().second.size();
    }
    const QByteArray dir = QFile::encodeName(folder.path());
    for (auto _ : state) {
        if (!floorWrite(files, dir)) {
            state.SkipWithError("a write failed");
            return;
        }
    }
    state.counters["files"] = double(files.size());
    state.counters["KiB"] = double(bytes) / 1024.0;
}

QByteArray foodDay(int foods, const QDate &day)
{
    static const char *const groups[] = {"Milk", "Meat", "Fruit", "Grain", "Other"};
    RecordWriter w;
    for (int i = 0; i < foods; ++i)
        w.write({RecordValue::text(DateText::medium(day)), RecordValue::text(QString::fromLatin1(groups[i % 5])),
                 RecordValue::text(QStringLiteral("Food %1 (1 serving)").arg(i)),
                 RecordValue::text(QString::number(40 + (i * 37) % 400)),
                 RecordValue::text(i % 3 == 0 ? QStringLiteral("1.5") : QStringLiteral("1"))});
    return w.bytes();
}

} // namespace BenchData
