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
    // Every byte of the file; none when it is missing. With `mode` given,
    // the file's permissions and type go there. With `same` given, a file
    // that holds exactly its bytes is compared with it as it is read, in
    // parts, and answered with `same` itself: no copy of it is made.
    // `regular` says the caller has just seen a regular file under the very
    // name (no symbolic link): it is opened without looking at it first.
    static std::optional<QByteArray> readIfExists(const QString &path, unsigned *mode = nullptr,
                                                  const QByteArray *same = nullptr, bool regular = false);
    // The head of the file: its first `size` bytes and one more, or all of
    // it when it is shorter, which `whole` then says. A missing file is
    // empty and whole.
    static QByteArray readHead(const QString &path, qsizetype size, bool &whole);
    // Replaces the file's contents with `bytes`.
    static void write(const QString &path, const QByteArray &bytes);
    // Adds `lines` at the end; when the file's last line has no line end,
    // the new lines start on a line of their own.
    static void append(const QString &path, const QByteArray &lines);
    // Deletes the file (a symbolic link itself); a missing file is not an
    // error.
    static void remove(const QString &path);

    // Whether the file name of `path` is short enough for the file system
    // of its folder, counted in the bytes the name is written in.
    static bool nameFits(const QString &path);
    // The longest file name, in bytes, the file system of `folder` takes.
    static long longestName(const QString &folder);
};

// A data file open for reading parts of it, for a reader that needs only
// some of a long file. It is opened as RecordFile::read() opens a file:
// only a regular file, never a FIFO or a device.
class RecordFileReader
{
public:
    // The file at `path`; none when it is missing. Throws RecordFileError
    // when it cannot be opened or is no regular file.
    static std::optional<RecordFileReader> open(const QString &path);
    RecordFileReader(RecordFileReader &&other) noexcept;
    RecordFileReader &operator=(RecordFileReader &&other) noexcept;
    ~RecordFileReader();

    // Its size when it was opened.
    qint64 size() const { return m_size; }
    // Up to `size` bytes from `offset`: fewer at the end of the file.
    // Throws RecordFileError when they cannot be read.
    QByteArray read(qint64 offset, qsizetype size) const;

private:
    RecordFileReader() = default;
    QString m_path;
    int m_fd = -1;
    qint64 m_size = 0;
};
