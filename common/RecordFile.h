#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Whole-file access to the data files. Nothing is held open between calls.
// Only regular files are read: a FIFO, socket or device in a data file's
// place is refused without being opened for reading, so no reader can hang
// on it. Every write is a one-file FileBatch: atomic, under the data
// folder's lock. Failures throw RecordFileError.
class RecordFile
{
public:
    // The path of a data file in the data folder.
    static QString path(const QString &dataFolder, const QString &fileName);

    static bool exists(const QString &path);
    // Every byte of the file; a missing file reads as empty.
    static QByteArray read(const QString &path);
    // Every byte of the file; a missing file is the FileNotFound error.
    static QByteArray readExisting(const QString &path);
    // Every byte of the file; none when it is missing.
    static std::optional<QByteArray> readIfExists(const QString &path);
    // Replaces the file's contents with `bytes`.
    static void write(const QString &path, const QByteArray &bytes);
    // Adds `lines` at the end; when the file's last line has no line end,
    // the new lines start on a line of their own.
    static void append(const QString &path, const QByteArray &lines);
    // Deletes the file; a missing file is not an error.
    static void remove(const QString &path);

    // Whether the file name of `path` is short enough for the file system
    // of its folder, counted in the bytes the name is written in.
    static bool nameFits(const QString &path);
};
