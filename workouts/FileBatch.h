#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The data files one action writes, written together: every file is read
// and its new contents made first, then commit() writes them one after the
// other (each atomically). When a write fails, the files written before it
// get their old contents back (a file that did not exist is removed again)
// and the error goes on to the caller, so the action never half succeeds.
class FileBatch
{
public:
    // The file's contents as the batch will leave it: what was staged for it,
    // else its bytes now (a missing file reads as empty). Throws
    // RecordFileError when it cannot be read.
    QByteArray read(const QString &path);

    // Stages the whole new contents of the file.
    void write(const QString &path, const QByteArray &bytes);
    // Stages `lines` after the file's contents; when its last line has no
    // line end, the new lines start on a line of their own.
    void append(const QString &path, const QByteArray &lines);
    // Stages an empty file where none exists; an existing file keeps its
    // contents.
    void create(const QString &path);

    // Writes every staged file in the order first staged; a file whose
    // contents do not change is not written. Throws RecordFileError after
    // putting back what it had written.
    void commit();

private:
    struct Change
    {
        QString path;
        bool existed = false;
        QByteArray before;
        QByteArray after;
        bool staged = false;
    };
    Change &changeOf(const QString &path);

    QList<Change> m_changes;
};
