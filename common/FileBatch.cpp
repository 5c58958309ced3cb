#include "FileBatch.h"

#include "RecordFile.h"
#include "RecordFileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

const QString FileBatch::kCommitFileName = QStringLiteral(".pulsar-commit");

namespace {

const QString kSavingSuffix = QStringLiteral(".saving");

// The hidden file the new contents of `path` are written to first, named
// by the batch's `id` as well: a note of an earlier batch never names a file
// of a later one.
QString savingPath(const QString &path, const QString &id)
{
    const QFileInfo fi(path);
    return fi.dir().filePath(u'.' + fi.fileName() + u'.' + id + kSavingSuffix);
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Runs work(i) for every i below `count`, each on a thread of its own
// (`here` on this one), then rethrows the first error in their order.
template <typename Work>
void runTogether(qsizetype count, Work work, qsizetype here = 0)
{
    std::vector<std::exception_ptr> errors(size_t(std::max<qsizetype>(count, 0)));
    auto run = [&](qsizetype i) {
        try {
            work(i);
        } catch (...) {
            errors[size_t(i)] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    for (qsizetype i = 0; i < count; ++i) {
        if (i == here)
            continue;
        try {
            threads.emplace_back(run, i);
        } catch (const std::system_error &) {
            run(i); // no thread to be had: here, then
        }
    }
    if (here >= 0 && here < count)
        run(here);
    for (std::thread &t : threads)
        t.join();
    for (const std::exception_ptr &e : errors) {
        if (e)
            std::rethrow_exception(e);
    }
}

// Writes `bytes` to `path` and flushes them to the disk; errors name
// `shownPath`, the file the user knows.
void writeFlushed(const QString &path, const QByteArray &bytes, const QString &shownPath)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw RecordFileError(RecordFileError::WriteFailed, shownPath, f.errorString());
    if (f.write(bytes) != bytes.size()) {
        const QString why = f.errorString();
        f.close();
        QFile::remove(path);
        throw RecordFileError(RecordFileError::WriteFailed, shownPath, why);
    }
    if (::fsync(f.handle()) != 0) {
        const QString why = systemError();
        f.close();
        QFile::remove(path);
        throw RecordFileError(RecordFileError::WriteFailed, shownPath, why);
    }
    f.close();
}

// Flushes a folder's entries (new names, renames) to the disk.
void flushFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool replace(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Carries out the committed batch noted in `folder`: every new file still
// under its hidden name replaces its file. True when none is left to do (the
// note is then gone).
bool finishCommitted(const QString &folder)
{
    const QDir dir(folder);
    const QString notePath = dir.filePath(FileBatch::kCommitFileName);
    if (!QFileInfo::exists(notePath))
        return true;
    QFile note(notePath);
    if (!note.open(QIODevice::ReadOnly))
        return false;
    bool done = true;
    for (const QByteArray &line : note.readAll().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab < 0)
            continue;
        const QString saving = dir.filePath(QString::fromUtf8(line.left(tab)));
        const QString target = dir.filePath(QString::fromUtf8(line.mid(tab + 1)));
        if (QFileInfo::exists(saving) && !replace(saving, target))
            done = false;
    }
    note.close();
    if (!done)
        return false;
    flushFolder(folder);
    return true;
}

} // namespace

FileBatch::Change &FileBatch::changeOf(const QString &path)
{
    for (Change &c : m_changes) {
        if (c.path == path)
            return c;
    }
    Change c;
    c.path = path;
    m_changes.append(c);
    return m_changes.last();
}

void FileBatch::load(Change &c)
{
    if (c.loaded)
        return;
    c.existed = RecordFile::exists(c.path);
    c.before = c.existed ? RecordFile::readExisting(c.path) : QByteArray();
    c.after = c.before;
    c.loaded = true;
}

void FileBatch::make(Change &c)
{
    load(c);
    for (const Make &m : std::as_const(c.makes))
        c.after = m(c.after);
    c.makes.clear();
}

QByteArray FileBatch::read(const QString &path)
{
    Change &c = changeOf(path);
    make(c);
    return c.after;
}

void FileBatch::write(const QString &path, const QByteArray &bytes)
{
    Change &c = changeOf(path);
    load(c);
    c.makes.clear();
    c.after = bytes;
    c.staged = true;
}

void FileBatch::append(const QString &path, const QByteArray &lines)
{
    Change &c = changeOf(path);
    make(c);
    if (!c.after.isEmpty() && !c.after.endsWith('\n') && !c.after.endsWith('\r'))
        c.after += "\r\n";
    c.after += lines;
    c.staged = true;
}

void FileBatch::create(const QString &path)
{
    Change &c = changeOf(path);
    load(c);
    c.staged = true;
}

void FileBatch::transform(const QString &path, Make make)
{
    Change &c = changeOf(path);
    c.makes.append(std::move(make));
    c.staged = true;
}

void FileBatch::commit()
{
    if (m_changes.isEmpty())
        return;
    const QDir noteDir = QFileInfo(m_changes.first().path).dir();
    // A batch of an earlier run that was committed but not carried out
    // comes first.
    finishCommitted(noteDir.path());

    // Each file on a thread of its own: read, made, and when it changes,
    // written under its hidden name and flushed to the disk.
    const QString id = QString::number(QRandomGenerator::global()->generate64(), 36);
    const qsizetype count = m_changes.size();
    std::vector<char> written(size_t(count), 0);
    QStringList savings;
    // The largest file is made on this thread: its buffers come from the
    // heap the saves before it left, with no fresh pages to fault in.
    qsizetype largest = 0;
    qint64 largestSize = -1;
    for (qsizetype i = 0; i < count; ++i) {
        const Change &c = m_changes[i];
        savings.append(savingPath(c.path, id));
        const qint64 size = c.loaded ? c.after.size() : QFileInfo(c.path).size();
        if (size > largestSize) {
            largest = i;
            largestSize = size;
        }
    }
    try {
        runTogether(count, [&](qsizetype i) {
            Change &c = m_changes[i];
            make(c);
            if (!c.staged || (c.existed && c.after == c.before))
                return;
            // A folder or a write-protected file where the file should go
            // refuses the whole batch.
            const QFileInfo fi(c.path);
            if (fi.exists() && (!fi.isFile() || !fi.isWritable()))
                throw RecordFileError(RecordFileError::WriteFailed, c.path,
                                      QStringLiteral("the file cannot be replaced"));
            writeFlushed(savings[i], c.after, c.path);
            written[size_t(i)] = 1;
        }, largest);
    } catch (const RecordFileError &) {
        for (qsizetype i = 0; i < count; ++i) {
            if (written[size_t(i)])
                QFile::remove(savings[i]);
        }
        throw;
    }

    QList<qsizetype> changed;
    QSet<QString> folders;
    for (qsizetype i = 0; i < count; ++i) {
        if (written[size_t(i)]) {
            changed.append(i);
            folders.insert(QFileInfo(m_changes[i].path).absolutePath());
        }
    }
    if (changed.isEmpty())
        return;
    // One file is replaced in one step.
    if (changed.size() == 1) {
        const Change &c = m_changes[changed[0]];
        if (!replace(savings[changed[0]], c.path)) {
            const QString why = systemError();
            QFile::remove(savings[changed[0]]);
            throw RecordFileError(RecordFileError::WriteFailed, c.path, why);
        }
        return;
    }

    // The note that commits the batch, put in place in one step once the new
    // files' names are on the disk.
    const QString notePath = noteDir.filePath(kCommitFileName);
    const QString noteSaving = noteDir.filePath(kCommitFileName + u'.' + id + kSavingSuffix);
    const QString &firstPath = m_changes[changed[0]].path;
    try {
        for (const QString &folder : std::as_const(folders))
            flushFolder(folder);
        QByteArray note;
        for (qsizetype i : std::as_const(changed)) {
            note += noteDir.relativeFilePath(savings[i]).toUtf8() + '\t'
                    + noteDir.relativeFilePath(m_changes[i].path).toUtf8() + '\n';
        }
        writeFlushed(noteSaving, note, firstPath);
        if (!replace(noteSaving, notePath))
            throw RecordFileError(RecordFileError::WriteFailed, firstPath, systemError());
    } catch (const RecordFileError &) {
        for (qsizetype i : std::as_const(changed))
            QFile::remove(savings[i]);
        QFile::remove(noteSaving);
        throw;
    }
    flushFolder(noteDir.path());

    // Committed: the new files replace the old ones. The note stays until
    // the next batch puts its own in its place or recover() removes it: a
    // rename that has not reached the disk when the machine stops is made
    // again from it, and it names no file of a later batch. A file that
    // cannot be replaced now is left to recover() as well.
    for (qsizetype i : std::as_const(changed)) {
        if (!replace(savings[i], m_changes[i].path))
            throw RecordFileError(RecordFileError::WriteFailed, m_changes[i].path, systemError());
    }
}

void FileBatch::recover(const QString &folder)
{
    if (!finishCommitted(folder))
        return;
    QDir dir(folder);
    dir.remove(kCommitFileName);
    // What batches left that were never committed.
    const QStringList strays =
        dir.entryList({u'.' + QStringLiteral("*") + kSavingSuffix}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : strays)
        dir.remove(name);
}
