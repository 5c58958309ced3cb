#include "FileBatch.h"

#include "RecordFile.h"
#include "RecordFileError.h"
#include "RecordReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const QString FileBatch::kCommitFileName = QStringLiteral(".pulsar-commit");
const QString FileBatch::kLockFileName = QStringLiteral(".pulsar-lock");

namespace {

// Every hidden file a batch writes is named ".pulsar-<id>-<what>.saving",
// the batch's `id` random: a note of an earlier batch never names a file of
// a later one, and a long file name gets no longer.
const QString kSavingPrefix = QStringLiteral(".pulsar-");
const QString kSavingSuffix = QStringLiteral(".saving");

QString savingName(const QString &id, const QString &what)
{
    return kSavingPrefix + id + u'-' + what + kSavingSuffix;
}

QString systemError(int error = errno)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Runs work(i) for every i below `count`, each on a thread of its own
// (`here` on this one), then rethrows the first error in their order.
template <typename Work>
void runTogether(qsizetype count, Work work, qsizetype here)
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
    threads.reserve(size_t(std::max<qsizetype>(count, 0)));
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

// Writes `bytes` to the new file `path` and flushes them to the disk: with
// the permissions `keep` exactly when given (an existing file's), else with
// those the umask gives a new file. Errors name `shownPath`, the file the
// user knows.
void writeFlushed(const QString &path, const QByteArray &bytes, std::optional<mode_t> keep,
                  const QString &shownPath)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw RecordFileError(RecordFileError::WriteFailed, shownPath, systemError());
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(name.constData());
        throw RecordFileError(RecordFileError::WriteFailed, shownPath, systemError(error));
    };
    if (keep && ::fchmod(fd, *keep) != 0)
        fail(errno);
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n < 0 ? errno : ENOSPC);
        data += n;
        left -= n;
    }
    if (::fsync(fd) != 0)
        fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        throw RecordFileError(RecordFileError::WriteFailed, shownPath, systemError(error));
    }
}

// Flushes a folder's entries (new names, renames) to the disk.
bool flushFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = ::fsync(fd) == 0;
    ::close(fd);
    return flushed;
}

bool replace(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The note: for every file, its hidden name and its own, relative to the
// note's folder, each ended by a NUL (which no file name holds).
QByteArray noteOf(const QDir &dir, const QList<QPair<QString, QString>> &files)
{
    QByteArray note;
    for (const auto &[saving, target] : files) {
        note += QFile::encodeName(dir.relativeFilePath(saving)) + '\0';
        note += QFile::encodeName(dir.relativeFilePath(target)) + '\0';
    }
    return note;
}

// What carrying out a committed batch came to.
struct Finishing
{
    bool done = true;      // no file of it is left to replace
    QStringList saved;     // its files that hold their new contents
    QStringList unsaved;   // its files that could not be replaced
    QStringList leftOver;  // the hidden files of those
    QString why;
};

// The pairs of hidden name and file the note of `folder` names, as paths;
// none when there is no note. False when the note cannot be read.
bool readNote(const QString &folder, QList<QPair<QString, QString>> &files)
{
    const QDir dir(folder);
    std::optional<QByteArray> note;
    try {
        note = RecordFile::readIfExists(dir.filePath(FileBatch::kCommitFileName));
    } catch (const RecordFileError &) {
        return false;
    }
    if (!note)
        return true;
    const QList<QByteArray> names = note->split('\0');
    for (qsizetype i = 0; i + 1 < names.size(); i += 2) {
        if (!names[i].isEmpty() && !names[i + 1].isEmpty())
            files.append({dir.filePath(QFile::decodeName(names[i])), dir.filePath(QFile::decodeName(names[i + 1]))});
    }
    return true;
}

// Whether a file the note of `folder` names is still under its hidden name.
bool anyLeft(const QString &folder)
{
    QList<QPair<QString, QString>> files;
    if (!readNote(folder, files))
        return true;
    return std::any_of(files.cbegin(), files.cend(), [](const auto &f) { return QFileInfo::exists(f.first); });
}

// Carries out the committed batch noted in `folder`: every new file still
// under its hidden name replaces its file.
Finishing finishCommitted(const QString &folder)
{
    Finishing out;
    QList<QPair<QString, QString>> files;
    if (!readNote(folder, files)) {
        out.done = false;
        out.why = QStringLiteral("its note could not be read");
        return out;
    }
    bool renamed = false;
    for (const auto &[saving, target] : std::as_const(files)) {
        const QString shown = QFileInfo(target).fileName();
        if (!QFileInfo::exists(saving)) {
            out.saved.append(shown); // replaced already
        } else if (replace(saving, target)) {
            renamed = true;
            out.saved.append(shown);
        } else {
            out.why = systemError();
            out.done = false;
            out.unsaved.append(shown);
            out.leftOver.append(saving);
        }
    }
    if (renamed && !flushFolder(folder)) {
        out.done = false;
        out.why = systemError();
    }
    return out;
}

} // namespace

// A folder's lock, held while a batch or a recovery works there: a lock of
// the system on the lock file, which ends with the process that holds it,
// however that ends. The lock file itself stays, empty.
class FileBatch::FolderLock
{
public:
    explicit FolderLock(const QString &folder)
    {
        const QByteArray lockPath = QFile::encodeName(QDir(folder).filePath(kLockFileName));
        m_fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
        // A lock file left read-only (say by a run as another user) locks
        // as well when opened for reading.
        if (m_fd < 0)
            m_fd = ::open(lockPath.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (m_fd >= 0) {
            struct stat st;
            if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
                ::close(m_fd);
                m_fd = -1;
            }
        }
        if (m_fd < 0) {
            // A folder no file can be written into needs no lock: reading it
            // is safe, and every write fails on its own. In any other folder
            // a save without the lock could lose another copy's records, so
            // it is refused (something else stands where the lock file goes).
            m_locked = ::access(QFile::encodeName(folder).constData(), W_OK) != 0;
            return;
        }
        // Another copy of the program saving there is done within moments.
        for (int tries = 0; tries < 1000; ++tries) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
                m_locked = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR)
                return;
            ::usleep(10000);
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // and with it the lock
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    bool locked() const { return m_locked; }

private:
    int m_fd = -1;
    bool m_locked = false;
};

FileBatch::FileBatch() = default;
FileBatch::~FileBatch() = default;

FileBatch::Change &FileBatch::changeOf(const QString &path)
{
    for (Change &c : m_changes) {
        if (c.path == path)
            return c;
    }
    if (m_changes.isEmpty()) {
        // The batch's first file: the folder is this batch's, and as the
        // batch an earlier run committed there left it.
        const QString folder = QFileInfo(path).absolutePath();
        m_lock.reset(); // a lock of an earlier try that failed, let go first
        m_lock = std::make_unique<FolderLock>(folder);
        if (!m_lock->locked())
            throw RecordFileError(RecordFileError::WriteFailed, path,
                                  QStringLiteral("its folder could not be locked for the save (through %1)").arg(kLockFileName));
        if (!finishCommitted(folder).done)
            throw RecordFileError(RecordFileError::WriteFailed, path,
                                  QStringLiteral("an earlier save into its folder could not be finished; the "
                                                 "program finishes it or gives it up when it starts next"));
    }
    Change c;
    c.path = path;
    const QFileInfo fi(path);
    // Through a symbolic link to the file it names, as other saves write.
    c.target = !fi.isSymLink() ? fi.absoluteFilePath()
               : fi.exists()   ? fi.canonicalFilePath()
                               : fi.symLinkTarget();
    m_changes.append(c);
    return m_changes.last();
}

void FileBatch::load(Change &c)
{
    if (c.loaded)
        return;
    std::optional<QByteArray> before = RecordFile::readIfExists(c.path);
    c.existed = before.has_value();
    c.before = before ? std::move(*before) : QByteArray();
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
    c.after.remove(0, RecordReader::byteOrderMarkSize(c.after));
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
    const QDir noteDir = QFileInfo(m_changes.first().path).absoluteDir();

    // Each file on a thread of its own: read, made, and when it changes,
    // written under its hidden name and flushed to the disk.
    const QString id = QString::number(QRandomGenerator::global()->generate64(), 36);
    const qsizetype count = m_changes.size();
    std::vector<char> written(size_t(count), 0);
    QStringList savings;
    // The largest file is made on this thread: its buffers come from the
    // heap the saves before it left, with no fresh pages to fault in.
    // Files the batch only read need no thread.
    QList<qsizetype> staged;
    qsizetype largest = -1;
    qint64 largestSize = -1;
    for (qsizetype i = 0; i < count; ++i) {
        const Change &c = m_changes[i];
        savings.append(QFileInfo(c.target).dir().filePath(savingName(id, QString::number(i))));
        if (!c.staged)
            continue;
        staged.append(i);
        // A name the file system does not take could never replace its
        // file: refused before any file is touched.
        if (!RecordFile::nameFits(c.target))
            throw RecordFileError(RecordFileError::WriteFailed, c.path,
                                  QStringLiteral("its name is too long for a file name"));
        const qint64 size = c.loaded ? c.after.size() : QFileInfo(c.target).size();
        if (size > largestSize) {
            largest = staged.size() - 1;
            largestSize = size;
        }
    }
    auto removeWritten = [&] {
        for (qsizetype i = 0; i < count; ++i) {
            if (written[size_t(i)])
                QFile::remove(savings[i]);
        }
    };
    try {
        runTogether(
            staged.size(),
            [&](qsizetype k) {
                const qsizetype i = staged[k];
                Change &c = m_changes[i];
                make(c);
                if (c.existed && c.after == c.before)
                    return;
                // A folder or a write-protected file where the file should
                // go refuses the whole batch; the new file keeps the old
                // one's permissions.
                std::optional<mode_t> keep;
                struct stat st;
                if (::stat(QFile::encodeName(c.target).constData(), &st) == 0) {
                    if (!S_ISREG(st.st_mode) || ::access(QFile::encodeName(c.target).constData(), W_OK) != 0)
                        throw RecordFileError(RecordFileError::WriteFailed, c.path,
                                              QStringLiteral("the file cannot be replaced"));
                    keep = st.st_mode & 07777;
                }
                writeFlushed(savings[i], c.after, keep, c.path);
                written[size_t(i)] = 1;
            },
            largest);
    } catch (...) {
        removeWritten();
        throw;
    }

    QList<qsizetype> changed;
    QSet<QString> folders;
    for (qsizetype i = 0; i < count; ++i) {
        if (written[size_t(i)]) {
            changed.append(i);
            folders.insert(QFileInfo(m_changes[i].target).absolutePath());
        }
    }
    if (changed.isEmpty())
        return;
    // One file is replaced in one step.
    if (changed.size() == 1) {
        const Change &c = m_changes[changed[0]];
        if (!replace(savings[changed[0]], c.target)) {
            const QString why = systemError();
            QFile::remove(savings[changed[0]]);
            throw RecordFileError(RecordFileError::WriteFailed, c.path, why);
        }
        // The rename itself onto the disk, so that a power cut after the
        // save was reported does not bring the old file back. The file is
        // replaced whatever this answers, so the save stands either way.
        (void)flushFolder(QFileInfo(c.target).absolutePath());
        return;
    }

    // The note that commits the batch, put in place in one step once the new
    // files' names are on the disk, and on the disk itself before any file
    // is replaced.
    const QString notePath = noteDir.filePath(kCommitFileName);
    const QString noteSaving = noteDir.filePath(savingName(id, QStringLiteral("note")));
    const QString &firstPath = m_changes[changed[0]].path;
    try {
        for (const QString &folder : std::as_const(folders)) {
            if (!flushFolder(folder))
                throw RecordFileError(RecordFileError::WriteFailed, firstPath, systemError());
        }
        QList<QPair<QString, QString>> files;
        for (qsizetype i : std::as_const(changed))
            files.append({savings[i], m_changes[i].target});
        writeFlushed(noteSaving, noteOf(noteDir, files), std::nullopt, firstPath);
        if (!replace(noteSaving, notePath))
            throw RecordFileError(RecordFileError::WriteFailed, firstPath, systemError());
        if (!flushFolder(noteDir.path())) {
            // Not known to be on the disk: no file is replaced, and the note
            // names files that are gone.
            const QString why = systemError();
            QFile::remove(notePath);
            throw RecordFileError(RecordFileError::WriteFailed, firstPath, why);
        }
    } catch (...) {
        removeWritten();
        QFile::remove(noteSaving);
        throw;
    }

    // Committed: the new files replace the old ones. The note stays until
    // the next batch puts its own in its place or recover() removes it: a
    // rename that has not reached the disk when the machine stops is made
    // again from it, and it names no file of a later batch.
    QList<qsizetype> left;
    for (qsizetype i : std::as_const(changed)) {
        if (!replace(savings[i], m_changes[i].target))
            left.append(i);
    }
    for (qsizetype i : std::as_const(left)) {
        // Once more; then the save is kept, for the next batch or the next
        // start to finish (the start gives it up when it still cannot).
        if (!replace(savings[i], m_changes[i].target))
            throw RecordFileError(RecordFileError::Unfinished, m_changes[i].path, systemError());
    }
}

FileBatch::Recovery FileBatch::recoverFolder(const QString &folder)
{
    Recovery out;
    // A folder not made yet has nothing to finish.
    if (!QFileInfo(folder).isDir())
        return out;
    const FolderLock lock(folder);
    if (!lock.locked()) {
        // Another copy of the program keeps saving there: it finished
        // what it found before its first save.
        out.kept = anyLeft(folder);
        return out;
    }
    QDir dir(folder);
    const Finishing finishing = finishCommitted(folder);
    if (!finishing.done) {
        // It was tried once more, here; a save that still cannot be
        // finished is given up, so that it stops no save after it. Its
        // hidden files go with the strays below.
        out.saved = finishing.saved;
        out.unsaved = finishing.unsaved;
        out.why = finishing.why;
        if (dir.exists(kCommitFileName) && !dir.remove(kCommitFileName)) {
            out.kept = true;
            return out;
        }
        out.givenUp = true;
        for (const QString &saving : finishing.leftOver)
            QFile::remove(saving);
    }
    dir.remove(kCommitFileName);
    // What batches left that were never committed, or given up.
    const QStringList strays = dir.entryList({kSavingPrefix + u'*' + kSavingSuffix},
                                             QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : strays)
        dir.remove(name);
    return out;
}
