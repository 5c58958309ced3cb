#pragma once

// What the fuzz targets check beyond "no crash": a property that fails
// prints what failed and aborts, so libFuzzer keeps the input and the
// corpus replay test fails.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "common/FileBatch.h"
#include "common/RecordFileError.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace Fuzz {

// A data folder for the targets that act on files, made once per run; in
// memory where the machine has such a folder, since every save flushes its
// file to the disk.
inline QString folder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/pulsar-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/pulsar-fuzz-XXXXXX"));
    return dir.path();
}

// Writes one file into the folder.
inline void put(const QString &name, const QByteArray &bytes)
{
    QFile file(QDir(folder()).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

// Empties the folder and writes one file into it.
inline void putOnly(const QString &name, const QByteArray &bytes)
{
    QDir dir(folder());
    for (const QString &f : dir.entryList(QDir::Files | QDir::Hidden))
        dir.remove(f);
    put(name, bytes);
}

inline QByteArray contents(const QString &name)
{
    QFile file(QDir(folder()).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// The input of the targets that take a per-exercise log: the first byte
// chooses a weight-training log of 1 to 5 sets (`weight(bytes, sets)`) or
// an aerobic log of the layout 0 to 2 (`aerobic(bytes, layout)`); the rest
// is the log's bytes.
template <typename Weight, typename Aerobic>
void oneLog(const uint8_t *data, size_t size, Weight weight, Aerobic aerobic)
{
    if (size == 0)
        return;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const int choice = data[0] % 8;
    if (choice < 5)
        weight(bytes, qint16(choice + 1));
    else
        aerobic(bytes, choice - 5);
}

// What a save made of a file, or how it refused: the error's code and
// line.
struct Outcome
{
    std::optional<FileBatch::Checked> made;
    int code = -1;
    int line = 0;
};

template <typename Save>
Outcome outcomeOf(Save save)
{
    Outcome o;
    try {
        o.made = save();
    } catch (const RecordFileError &e) {
        o.code = int(e.code());
        o.line = e.line();
    }
    return o;
}

// The same bytes and form made, or the same refusal.
inline void checkSame(const Outcome &made, const Outcome &onePass)
{
    FUZZ_CHECK(made.code == onePass.code && made.line == onePass.line);
    FUZZ_CHECK(made.made.has_value() == onePass.made.has_value());
    if (made.made)
        FUZZ_CHECK(made.made->bytes == onePass.made->bytes && made.made->form == onePass.made->form);
}

// The outcome of `make` run by a batch's commit on a file holding `bytes`,
// the file's bytes checked against it: the new ones, or the old ones when
// it refused.
template <typename Make>
Outcome savedOutcome(const QByteArray &bytes, Make make)
{
    const QString name = QStringLiteral("Saved.txt");
    Fuzz::putOnly(name, bytes);
    Outcome o;
    try {
        FileBatch batch;
        batch.transformChecked(QDir(Fuzz::folder()).filePath(name), [&](const QByteArray &b, QByteArrayView form) {
            o.made = make(b, form);
            return *o.made;
        });
        batch.commit();
    } catch (const RecordFileError &e) {
        o.made.reset();
        o.code = int(e.code());
        o.line = e.line();
    }
    FUZZ_CHECK(Fuzz::contents(name) == (o.made ? o.made->bytes : bytes));
    return o;
}

} // namespace Fuzz
