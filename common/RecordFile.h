#pragma once

#include <QByteArray>
#include <QString>

// Whole-file access to the data files. Nothing is held open between calls.
// Every write is atomic: the new contents go to a temporary file that is
// renamed over the old one, so a failure or a crash leaves either the old or
// the new file, never a partial one. Failures throw RecordFileError.
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
    // Replaces the file's contents with `bytes`.
    static void write(const QString &path, const QByteArray &bytes);
    // Adds `lines` at the end; when the file's last line has no line end,
    // the new lines start on a line of their own.
    static void append(const QString &path, const QByteArray &lines);
    // Deletes the file; a missing file is not an error.
    static void remove(const QString &path);
};
