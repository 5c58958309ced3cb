#include "RecordFile.h"

#include "RecordFileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString RecordFile::path(const QString &dataFolder, const QString &fileName)
{
    return QDir(dataFolder).filePath(fileName);
}

bool RecordFile::exists(const QString &path)
{
    return QFileInfo(path).isFile();
}

QByteArray RecordFile::read(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QByteArray();
    return readExisting(path);
}

QByteArray RecordFile::readExisting(const QString &path)
{
    QFile f(path);
    if (!f.exists())
        throw RecordFileError(RecordFileError::FileNotFound, path, QStringLiteral("file not found"));
    if (!f.open(QIODevice::ReadOnly))
        throw RecordFileError(RecordFileError::ReadFailed, path, f.errorString());
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw RecordFileError(RecordFileError::ReadFailed, path, f.errorString());
    return bytes;
}

void RecordFile::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    // Unbuffered, so that a failing write is seen here: a write error during
    // the final flush of a buffered save file would still be committed.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw RecordFileError(RecordFileError::WriteFailed, path, f.errorString());
    if (f.write(bytes) != bytes.size()) {
        const QString why = f.errorString();
        f.cancelWriting();
        throw RecordFileError(RecordFileError::WriteFailed, path, why);
    }
    if (!f.commit())
        throw RecordFileError(RecordFileError::WriteFailed, path, f.errorString());
}

void RecordFile::append(const QString &path, const QByteArray &lines)
{
    QByteArray bytes = read(path);
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += "\r\n";
    bytes += lines;
    write(path, bytes);
}

void RecordFile::remove(const QString &path)
{
    QFile f(path);
    if (f.exists() && !f.remove())
        throw RecordFileError(RecordFileError::WriteFailed, path, f.errorString());
}
