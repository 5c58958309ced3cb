#pragma once

// What the fuzz targets check beyond "no crash": a property that fails
// prints what failed and aborts, so libFuzzer keeps the input and the
// corpus replay test fails.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

} // namespace Fuzz
