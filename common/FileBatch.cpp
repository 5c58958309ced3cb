#include "FileBatch.h"

#include "Flushes.h"
#include "InParts.h"
#include "KeptForms.h"

#include "RecordFile.h"
#include "RecordFileError.h"
#include "RecordReader.h"
#include "SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
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

// The umask of the process, read once from the system's account of it
// (setting it to read it would change it for a moment for every thread);
// all bits when that cannot be read, so that permissions are always set.
mode_t processUmask()
{
    static const mode_t mask = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("Umask:")) {
                    bool ok = false;
                    const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
                    if (ok)
                        return mode_t(value & 0777);
                }
            }
        }
        return mode_t(0777);
    }();
    return mask;
}

// A new file being written: open until it is flushed to the disk.
class NewFile
{
public:
    NewFile() = default;
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;
    // Left unflushed (a failed batch): closed and removed.
    ~NewFile()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            ::unlink(m_name.constData());
        }
    }

    // Writes `bytes` to the new file `path`, as open() and writeAll() do.
    void write(const QString &path, const QByteArray &bytes, std::optional<mode_t> keep, const QString &shownPath)
    {
        open(path, keep, shownPath);
        writeAll(bytes.constData(), bytes.size());
    }

    // Makes the new file `path`: with the permissions `keep` exactly when
    // given (an existing file's), else with those the umask gives a new
    // file. Errors name `shownPath`, the file the user knows.
    void open(const QString &path, std::optional<mode_t> keep, const QString &shownPath)
    {
        m_name = QFile::encodeName(path);
        m_shownPath = shownPath;
        m_fd = ::open(m_name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, keep ? *keep & 0777 : 0666);
        if (m_fd < 0)
            throw RecordFileError(RecordFileError::WriteFailed, shownPath, SystemError::text());
        // Created with the permissions kept, less what the umask takes away
        // (and without the special bits): set exactly only when that was
        // anything.
        if (keep && (*keep & (07000 | processUmask())) != 0 && ::fchmod(m_fd, *keep) != 0)
            fail(errno);
    }

    // Writes the `left` bytes at `data` into the file made by open().
    void writeAll(const char *data, qsizetype left)
    {
        while (left > 0) {
            const ssize_t n = ::write(m_fd, data, size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                fail(n < 0 ? errno : ENOSPC);
            data += n;
            left -= n;
        }
    }
    // Sets the disk writing the file while others are written and flushed:
    // the flushes that follow then mostly wait for writes already under way.
    void startFlush()
    {
#if defined(__linux__)
        if (m_fd >= 0)
            ::sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    }
    // Flushes the file to the disk and closes it; nothing once it is, and
    // the same error again once writing or flushing it failed.
    void flush()
    {
        flushed(m_error == 0 && m_fd >= 0 && ::fsync(m_fd) != 0 ? errno : 0);
    }
    // The file while it waits for its flush: its descriptor, else -1.
    int unflushed() const { return m_error == 0 ? m_fd : -1; }
    // flush() of a file flushed with others (Flushes::together()): `error`
    // says how the flush of unflushed() went.
    void flushed(int error)
    {
        if (m_error != 0)
            throw RecordFileError(RecordFileError::WriteFailed, m_shownPath, SystemError::text(m_error));
        if (m_fd < 0)
            return;
        if (error != 0)
            fail(error);
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0) {
            const int error = errno;
            ::unlink(m_name.constData());
            throw RecordFileError(RecordFileError::WriteFailed, m_shownPath, SystemError::text(error));
        }
    }

private:
    [[noreturn]] void fail(int error)
    {
        ::close(std::exchange(m_fd, -1));
        ::unlink(m_name.constData());
        m_error = error != 0 ? error : EIO;
        throw RecordFileError(RecordFileError::WriteFailed, m_shownPath, SystemError::text(m_error));
    }

    QByteArray m_name;
    QString m_shownPath;
    int m_fd = -1;
    int m_error = 0; // why a write or flush failed: every later flush() fails with it
};

// The folder's note, written in place: open() makes it, empty, where there
// is none; write() writes the note over what it held and flushes it to the
// disk. A note that could not be written wholly is cut to nothing, so that
// no start carries out a batch that was refused; cleared() says whether
// that is known to be on the disk.
class NoteFile
{
public:
    NoteFile() = default;
    NoteFile(const NoteFile &) = delete;
    NoteFile &operator=(const NoteFile &) = delete;
    ~NoteFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    // A note that cannot be written where it stands (one made read-only, a
    // symbolic link, anything but a file) is made anew, once `beforeRemoving`
    // has put on the disk what the last note did. A folder in its place
    // refuses the batch.
    void open(const QString &path, const QString &shownPath, const std::function<void()> &beforeRemoving)
    {
        m_shownPath = shownPath;
        const QByteArray name = QFile::encodeName(path);
        constexpr int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK;
        m_fd = ::open(name.constData(), flags, 0666);
        if (m_fd >= 0) {
            struct stat st;
            if (::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode)) {
                m_size = qint64(st.st_size);
                return;
            }
            ::close(std::exchange(m_fd, -1));
        } else if (errno != EACCES && errno != EPERM && errno != ELOOP && errno != ENXIO) {
            throw RecordFileError(RecordFileError::WriteFailed, shownPath, SystemError::text());
        }
        beforeRemoving();
        if (::unlink(name.constData()) != 0 && !SystemError::isMissing(errno))
            throw RecordFileError(RecordFileError::WriteFailed, shownPath, SystemError::text());
        m_fd = ::open(name.constData(), flags | O_EXCL, 0666);
        if (m_fd < 0)
            throw RecordFileError(RecordFileError::WriteFailed, shownPath, SystemError::text());
    }

    void write(const QByteArray &note)
    {
        m_cleared = false;
        qsizetype at = 0;
        while (at < note.size()) {
            const ssize_t n = ::pwrite(m_fd, note.constData() + at, size_t(note.size() - at), off_t(at));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                fail(n < 0 ? errno : ENOSPC);
            at += n;
        }
        // Cut back only where the last note was longer.
        if (note.size() < m_size && ::ftruncate(m_fd, off_t(note.size())) != 0)
            fail(errno);
        m_whole = true;
        if (::fdatasync(m_fd) != 0)
            fail(errno);
        // On the disk: whatever closing it answers, the batch is committed.
        ::close(std::exchange(m_fd, -1));
    }

    bool cleared() const { return m_cleared; }

private:
    // A note not written whole cannot match its digest: it commits nothing
    // whether or not it is cut to nothing.
    [[noreturn]] void fail(int error)
    {
        m_cleared = (::ftruncate(m_fd, 0) == 0 && ::fdatasync(m_fd) == 0) || !m_whole;
        ::close(std::exchange(m_fd, -1));
        throw RecordFileError(RecordFileError::WriteFailed, m_shownPath, SystemError::text(error));
    }

    QString m_shownPath;
    int m_fd = -1;
    qint64 m_size = 0; // what the note held when opened
    bool m_whole = false;
    bool m_cleared = true;
};

// Whether a file of `size` bytes is checked in parts (InParts).
bool checkedInParts(qsizetype size)
{
    return InParts::splits(size, InParts::kLeastPart);
}

// Whether `folder` lies on a file system held in memory, whose flushes
// wait for no disk. What it chooses costs no save its safety, only time: the
// last folder's answer is kept, so that each save looks it up but once.
bool folderInMemory(const QString &folder)
{
    thread_local QString last;
    thread_local bool lastInMemory = false;
    if (!last.isNull() && folder == last)
        return lastInMemory;
    struct statfs fs;
    bool held = false;
    if (::statfs(QFile::encodeName(folder).constData(), &fs) == 0) {
        constexpr decltype(fs.f_type) kTmpfs = 0x01021994;
        constexpr decltype(fs.f_type) kRamfs = decltype(fs.f_type)(0x858458f6);
        held = fs.f_type == kTmpfs || fs.f_type == kRamfs;
    }
    last = folder;
    lastInMemory = held;
    return held;
}

// The same for the folder of the file `path` names (or would name).
bool inMemory(const QString &path)
{
    return folderInMemory(QFileInfo(path).absolutePath());
}

// The size from which a new file is handed to the writer's thread. A
// smaller one, whose bytes the save has just made in this core's cache, is
// written sooner here than by another core, however little is made beside
// it (a journal of 1.7 MB cost a third more handed over, in memory).
constexpr qsizetype kHandOver = 8 * 1024 * 1024;

// The thread that writes a batch's new files while the batch makes the
// next one: writing a file costs the system about as much as reading and
// checking one, and both are done at once. One thread, started by the first
// batch that writes and kept for the rest of the program: started for each
// batch it would cost more than it gains.
class Writer
{
public:
    static Writer &instance()
    {
        // Never destroyed: the thread waits for work until the program ends.
        // A child process made by fork() has no such thread: it starts its
        // own.
        static const bool forgetInChild = [] {
            ::pthread_atfork(nullptr, nullptr, [] { s_writer = nullptr; });
            return true;
        }();
        Q_UNUSED(forgetInChild);
        const std::lock_guard lock(s_starting);
        if (!s_writer)
            s_writer = new Writer;
        return *s_writer;
    }

    // Runs `work` on the thread, after the work given before it.
    void give(std::function<void()> work)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_work.push_back({std::move(work), std::this_thread::get_id()});
            ++m_given;
        }
        m_ready.notify_one();
    }

    // A mark of the work given so far, for finishedUpTo().
    quint64 given()
    {
        const std::lock_guard lock(m_mutex);
        return m_given;
    }

    // Whether the work given before `mark` is all done.
    bool finishedUpTo(quint64 mark)
    {
        const std::lock_guard lock(m_mutex);
        return m_done >= mark;
    }

    // Waits until all work given is done; then rethrows the first error
    // that work this thread gave threw since its last wait. A batch
    // committing on another thread meanwhile never takes this one's error.
    void wait()
    {
        std::unique_lock lock(m_mutex);
        m_finished.wait(lock, [this] { return m_done == m_given; });
        const auto own = std::find_if(m_errors.begin(), m_errors.end(),
                                      [](const auto &e) { return e.first == std::this_thread::get_id(); });
        if (own != m_errors.end()) {
            const std::exception_ptr error = own->second;
            m_errors.erase(own);
            std::rethrow_exception(error);
        }
    }

private:
    Writer()
    {
        std::thread([this] { run(); }).detach();
    }

    void run()
    {
        for (;;) {
            Work work;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [this] { return !m_work.empty(); });
                work = std::move(m_work.front());
                m_work.pop_front();
            }
            std::exception_ptr error;
            try {
                work.run();
            } catch (...) {
                error = std::current_exception();
            }
            {
                const std::lock_guard lock(m_mutex);
                const bool kept = std::any_of(m_errors.begin(), m_errors.end(),
                                              [&](const auto &e) { return e.first == work.giver; });
                if (error && !kept)
                    m_errors.emplace_back(work.giver, error);
                ++m_done;
            }
            m_finished.notify_all();
        }
    }

    inline static Writer *s_writer = nullptr;
    inline static std::mutex s_starting;

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_finished;
    struct Work
    {
        std::function<void()> run;
        std::thread::id giver; // the thread that gave it, which takes its error
    };
    std::deque<Work> m_work;
    quint64 m_given = 0;
    quint64 m_done = 0;
    // The first error of each thread's work since that thread last waited.
    std::vector<std::pair<std::thread::id, std::exception_ptr>> m_errors;
};

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

// The same for a folder an earlier batch wrote in: one that is gone since
// holds nothing to flush.
bool flushFolderIfThere(const QString &folder)
{
    if (flushFolder(folder))
        return true;
    return errno == ENOENT || errno == ENOTDIR;
}

bool replace(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

using SystemError::isMissing;

// Removes the file `path`, a symbolic link as a link. True when it is gone,
// also when it was not there; otherwise errno says why.
bool removeFile(const QString &path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0 || isMissing(errno);
}

// Whether something stands at `path` for a batch to remove (a symbolic link
// looked at itself). Throws the error naming `shownPath` when it cannot be
// removed, so that the batch is refused before it is committed.
bool standsToRemove(const QString &path, const QString &shownPath)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (isMissing(errno))
            return false;
        throw RecordFileError(RecordFileError::WriteFailed, shownPath, SystemError::text());
    }
    if (S_ISDIR(st.st_mode))
        throw RecordFileError(RecordFileError::WriteFailed, shownPath, QStringLiteral("it is a folder"));
    if (::access(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), W_OK | X_OK) != 0)
        throw RecordFileError(RecordFileError::WriteFailed, shownPath, SystemError::text());
    return true;
}

// Drops the note of a batch that removed files, once all it did is on the
// disk in `folders` (every folder it replaced or removed a file in): a
// later start would remove again a file made anew under a removed name. The
// note of a batch that only replaces files names hidden files no later
// batch makes, and stays. False when the note could not be dropped.
bool dropNote(const QString &noteFolder, const QSet<QString> &folders)
{
    for (const QString &folder : folders) {
        if (!flushFolderIfThere(folder))
            return false;
    }
    const QByteArray note = QFile::encodeName(QDir(noteFolder).filePath(FileBatch::kCommitFileName));
    if (::unlink(note.constData()) != 0 && errno != ENOENT)
        return false;
    return flushFolder(noteFolder);
}

// The note: a heading, then for every file its hidden name and its own,
// relative to the note's folder, each ended by a NUL (which no file name
// holds). A file the batch removes has an empty hidden name (no hidden
// file's name is empty; a reader of renames alone passes over it). The
// heading gives the length of the names and their digest: a note is written
// over the last one in place, and one cut short or mixed with the last one
// by a power cut is no note at all (its batch was not committed). It ends
// with two NULs, so that an earlier version's reader passes over it as a
// file to remove with no name. A note without the heading is one an earlier
// version wrote, names alone.
const QByteArray kNoteHeading = QByteArrayLiteral("pulsar-commit 2 ");
constexpr QByteArrayView kNoteHeadingEnd("\0\0", 2);

QByteArray noteOf(const QDir &dir, const QList<QPair<QString, QString>> &files)
{
    // A file of the folder itself is named by its name alone.
    const QString base = dir.path() + u'/';
    const auto relative = [&](const QString &path) {
        if (path.startsWith(base) && path.size() > base.size() && path.indexOf(u'/', base.size()) < 0)
            return path.sliced(base.size());
        return dir.relativeFilePath(path);
    };
    QByteArray names;
    for (const auto &[saving, target] : files) {
        if (!saving.isEmpty())
            names += QFile::encodeName(relative(saving));
        names += '\0';
        names += QFile::encodeName(relative(target)) + '\0';
    }
    return kNoteHeading + QByteArray::number(names.size()) + ' '
           + QCryptographicHash::hash(names, QCryptographicHash::Sha256).toHex() + kNoteHeadingEnd.toByteArray() + names;
}

// The note's pairs of hidden name and file, each ended by a NUL; none when
// they are not all whole. `earlier` asks for the very shape an earlier
// version wrote: every hidden name one of its own batch's, beside its file,
// so that a note whose beginning a power cut lost is never taken for one.
std::optional<QList<QPair<QByteArray, QByteArray>>> pairsOf(QByteArrayView names, bool earlier)
{
    if (!names.endsWith('\0'))
        return std::nullopt;
    const QList<QByteArray> split = names.chopped(1).toByteArray().split('\0');
    if (split.size() % 2 != 0)
        return std::nullopt;
    QList<QPair<QByteArray, QByteArray>> out;
    QByteArray id;
    for (qsizetype i = 0; i < split.size(); i += 2) {
        const QByteArray &saving = split[i];
        const QByteArray &target = split[i + 1];
        if (target.isEmpty())
            return std::nullopt;
        if (earlier && !saving.isEmpty()) {
            const qsizetype slash = saving.lastIndexOf('/');
            const QByteArray name = saving.mid(slash + 1);
            const qsizetype dash = name.lastIndexOf('-');
            if (target.lastIndexOf('/') != slash || !target.startsWith(saving.left(slash + 1))
                || !name.startsWith(".pulsar-") || !name.endsWith(".saving") || dash <= 8)
                return std::nullopt;
            const QByteArray batch = name.mid(8, dash - 8);
            const QByteArray number = name.mid(dash + 1, name.size() - dash - 1 - 7);
            if ((!id.isEmpty() && batch != id) || number.isEmpty()
                || !std::all_of(number.cbegin(), number.cend(), [](char c) { return c >= '0' && c <= '9'; })
                || !std::all_of(batch.cbegin(), batch.cend(),
                                [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); }))
                return std::nullopt;
            id = batch;
        }
        out.append({saving, target});
    }
    return out;
}

// What a folder's note says.
struct Note
{
    bool read = true;     // false when it could not be read
    bool stands = false;  // the note is there, not empty
    bool current = false; // written by this version (with its heading)
    // The pairs of hidden name and file it names, as paths (an empty hidden
    // name for a file to remove); none when there is no note, or when it is
    // not whole.
    QList<QPair<QString, QString>> files;
    // The folders of those files.
    QSet<QString> folders() const
    {
        QSet<QString> out;
        for (const auto &[saving, target] : files)
            out.insert(QFileInfo(target).absolutePath());
        return out;
    }
};

// What the note `bytes` of the folder `dir` says.
Note noteFrom(const QDir &dir, const std::optional<QByteArray> &note)
{
    Note out;
    if (!note || note->isEmpty())
        return out;
    out.stands = true;
    QByteArrayView names = *note;
    if (note->startsWith(kNoteHeading)) {
        out.current = true;
        const qsizetype end = note->indexOf(kNoteHeadingEnd);
        if (end < 0)
            return out;
        const QList<QByteArray> heading = note->mid(kNoteHeading.size(), end - kNoteHeading.size()).split(' ');
        bool ok = false;
        const qsizetype length = heading.size() == 2 ? heading[0].toLongLong(&ok) : -1;
        names = QByteArrayView(*note).sliced(end + kNoteHeadingEnd.size());
        if (!ok || length != names.size()
            || QCryptographicHash::hash(names, QCryptographicHash::Sha256).toHex() != heading[1])
            return out;
    }
    const auto pairs = pairsOf(names, !out.current);
    if (!pairs)
        return out;
    for (const auto &[saving, target] : *pairs)
        out.files.append({saving.isEmpty() ? QString() : dir.filePath(QFile::decodeName(saving)),
                          dir.filePath(QFile::decodeName(target))});
    return out;
}

// The bytes of the note of `folder`; none when there is none, and
// RecordFileError when it cannot be read.
std::optional<QByteArray> noteBytes(const QString &folder)
{
    return RecordFile::readIfExists(QDir(folder).filePath(FileBatch::kCommitFileName));
}

// The note of `folder`.
Note readNote(const QString &folder)
{
    try {
        return noteFrom(QDir(folder), noteBytes(folder));
    } catch (const RecordFileError &) {
        Note out;
        out.read = false;
        return out;
    }
}

// What this program keeps by path from one batch to the next, shared by
// every thread that saves.
template <typename Value>
class ProcessTable
{
public:
    // The value kept for `key`, or a default one.
    Value value(const QString &key) const
    {
        const std::lock_guard<std::mutex> guard(m_mutex);
        return m_values.value(key);
    }
    void insert(const QString &key, Value value)
    {
        const std::lock_guard<std::mutex> guard(m_mutex);
        m_values.insert(key, std::move(value));
    }
    void remove(const QString &key)
    {
        const std::lock_guard<std::mutex> guard(m_mutex);
        m_values.remove(key);
    }
    // The value kept for `key`, which is then kept no more.
    std::optional<Value> take(const QString &key)
    {
        const std::lock_guard<std::mutex> guard(m_mutex);
        const auto found = m_values.constFind(key);
        if (found == m_values.cend())
            return std::nullopt;
        Value v = *found;
        m_values.erase(found);
        return v;
    }
    QHash<QString, Value> all() const
    {
        const std::lock_guard<std::mutex> guard(m_mutex);
        return m_values;
    }
    void clear()
    {
        const std::lock_guard<std::mutex> guard(m_mutex);
        m_values.clear();
    }

private:
    mutable std::mutex m_mutex;
    QHash<QString, Value> m_values;
};

// The last note this program wrote in each folder and carried out whole
// (every file it names replaced, none removed), and the folders of its
// files. A note that still holds those very bytes (its batch's own random
// id among them) names a batch with nothing left to do: the next batch
// there need not read what it names and look for its files again.
class FinishedNotes
{
public:
    struct Finished
    {
        QByteArray bytes;
        QSet<QString> folders;
    };
    static std::optional<QSet<QString>> foldersIfSame(const QString &folder, const QByteArray &bytes)
    {
        const Finished finished = notes().value(folder);
        if (finished.bytes.isEmpty() || finished.bytes != bytes)
            return std::nullopt;
        return finished.folders;
    }
    static void set(const QString &folder, const QByteArray &bytes, const QSet<QString> &folders)
    {
        notes().insert(folder, Finished{bytes, folders});
    }
    static void forget(const QString &folder) { notes().remove(folder); }
    static void forgetAll() { notes().clear(); }

private:
    static ProcessTable<Finished> &notes()
    {
        static ProcessTable<Finished> n;
        return n;
    }
};

// Whether something other than a file stands where `folder` keeps its
// note.
bool noteIsNoFile(const QString &folder)
{
    struct stat st;
    return ::stat(QFile::encodeName(QDir(folder).filePath(FileBatch::kCommitFileName)).constData(), &st) == 0
           && !S_ISREG(st.st_mode);
}

// Whether a file the note of `folder` names is still under its hidden name.
bool anyLeft(const QString &folder)
{
    const Note note = readNote(folder);
    if (!note.read)
        return true;
    return std::any_of(note.files.cbegin(), note.files.cend(),
                       [](const auto &f) { return !f.first.isEmpty() && QFileInfo::exists(f.first); });
}

// What carrying out a committed batch came to.
struct Finishing
{
    bool done = true;      // no file of it is left to replace
    bool notAFile = false; // something no save writes stands in the note's place
    QStringList saved;     // its files that hold their new contents
    QStringList unsaved;   // its files that could not be replaced
    QStringList leftOver;  // the hidden files of those
    QString why;
    QSet<QString> folders; // those of every file it names
};

// Carries out the committed batch noted in `folder`: every new file still
// under its hidden name replaces its file, and then the files it removes go.
// With `trustFinished`, a note this program carried out whole and that
// still holds its very bytes is taken as done without looking again (see
// FinishedNotes).
Finishing finishCommitted(const QString &folder, bool trustFinished)
{
    Finishing out;
    std::optional<QByteArray> bytes;
    Note note;
    try {
        bytes = noteBytes(folder);
        if (bytes && trustFinished) {
            if (auto folders = FinishedNotes::foldersIfSame(folder, *bytes)) {
                out.folders = std::move(*folders);
                return out;
            }
        }
        note = noteFrom(QDir(folder), bytes);
    } catch (const RecordFileError &) {
        note.read = false;
        // A folder in the note's place was made by no save: an empty one
        // goes. Anything else that is no file stops every save until it
        // goes, and says so.
        if (noteIsNoFile(folder)) {
            if (::rmdir(QFile::encodeName(QDir(folder).filePath(FileBatch::kCommitFileName)).constData()) == 0) {
                note = Note{};
            } else {
                out.done = false;
                out.notAFile = true;
                return out;
            }
        }
    }
    if (!note.read) {
        out.done = false;
        out.why = QStringLiteral("its note could not be read");
        return out;
    }
    out.folders = note.folders();
    bool renamed = false;
    QStringList removals;
    for (const auto &[saving, target] : std::as_const(note.files)) {
        const QString shown = QFileInfo(target).fileName();
        if (saving.isEmpty()) {
            removals.append(target);
        } else if (!QFileInfo::exists(saving)) {
            out.saved.append(shown); // replaced already
        } else if (replace(saving, target)) {
            renamed = true;
            out.saved.append(shown);
        } else {
            out.why = SystemError::text();
            out.done = false;
            out.unsaved.append(shown);
            out.leftOver.append(saving);
        }
    }
    if (renamed) {
        for (const QString &f : std::as_const(out.folders)) {
            if (!flushFolder(f)) {
                out.done = false;
                out.why = SystemError::text();
            }
        }
    }
    // Files are removed only once every file of the batch stands replaced:
    // a batch given up keeps them all.
    const bool replaced = out.unsaved.isEmpty();
    for (const QString &target : std::as_const(removals)) {
        const QString shown = QFileInfo(target).fileName();
        if (replaced && removeFile(target)) {
            out.saved.append(shown);
        } else {
            if (replaced)
                out.why = SystemError::text();
            out.done = false;
            out.unsaved.append(shown);
        }
    }
    // The note of a batch that removed files goes once they are gone; so
    // does one an earlier version wrote, so that the next note is never
    // written over one of another form.
    if (out.done && (!removals.isEmpty() || (note.stands && !note.current))
        && !dropNote(folder, out.folders + QSet<QString>{folder})) {
        out.done = false;
        out.why = SystemError::text();
    }
    return out;
}

} // namespace

// What this program last wrote into each file in a checked form, for the
// next save into it (see MakeChecked). Only the last contents of a file are
// kept, shared with the batch that wrote them: no copy is made. The forms
// the last run kept (KeptForms) wait beside them until a save reads their
// file or writes it.
class FileBatch::Written
{
public:
    struct Kept
    {
        QByteArray bytes;
        QByteArray form;
    };
    static Kept of(const QString &target) { return files().value(target); }
    // The size the file had when this run or the last one wrote it in a
    // form; none when neither did.
    static std::optional<qint64> sizeWritten(const QString &target)
    {
        const Kept kept = of(target);
        if (!kept.form.isEmpty())
            return kept.bytes.size();
        if (const auto entry = lastRun().value(target); !entry.form.isEmpty())
            return entry.size;
        return std::nullopt;
    }
    // The file now holds `bytes` in `form` (in no known form when empty).
    static void set(const QString &target, const QByteArray &bytes, const QByteArray &form)
    {
        lastRun().remove(target);
        if (form.isEmpty())
            files().remove(target);
        else
            files().insert(target, Kept{bytes, form});
    }
    // What the file holds is not known: it is read and checked anew.
    static void forget(const QString &target) { set(target, QByteArray(), QByteArray()); }

    // The form the last run kept for the file, when it read `bytes` now
    // still holds what that run wrote (the same size and digest): from
    // then on this run knows them as its own.
    static QByteArray fromLastRun(const QString &target, const QByteArray &bytes)
    {
        const std::optional<KeptForms::Entry> kept = lastRun().take(target);
        if (!kept || kept->size != bytes.size() || KeptForms::digest(bytes) != kept->digest)
            return QByteArray();
        files().insert(target, Kept{bytes, kept->form});
        return kept->form;
    }
    // Takes up the forms kept in `folder`, unless a save of this run knows
    // better.
    static void readLastRun(const QString &folder)
    {
        std::optional<QByteArray> bytes;
        try {
            bytes = RecordFile::readIfExists(QDir(folder).filePath(QString::fromLatin1(KeptForms::kFileName)));
        } catch (const RecordFileError &) {
            return;
        }
        const auto entries = bytes ? KeptForms::decode(*bytes) : std::nullopt;
        if (!entries)
            return;
        for (const KeptForms::Entry &e : *entries) {
            const QString target = QFileInfo(QDir(folder).filePath(QFile::decodeName(e.name))).absoluteFilePath();
            if (files().value(target).form.isEmpty())
                lastRun().insert(target, e);
        }
    }
    // Every form this run knows of the files of `folder`: those it wrote,
    // and those the last run kept that no save of this one has touched.
    static QList<KeptForms::Entry> inFolder(const QString &folder)
    {
        QHash<QByteArray, KeptForms::Entry> out;
        const auto fileOf = [&](const QString &target) -> std::optional<QByteArray> {
            const QFileInfo fi(target);
            if (fi.absolutePath() != folder)
                return std::nullopt;
            return QFile::encodeName(fi.fileName());
        };
        for (const auto &[target, e] : lastRun().all().asKeyValueRange()) {
            if (const auto name = fileOf(target))
                out.insert(*name, e);
        }
        for (const auto &[target, kept] : files().all().asKeyValueRange()) {
            if (const auto name = fileOf(target))
                out.insert(*name, KeptForms::Entry{*name, kept.bytes.size(), KeptForms::digest(kept.bytes), kept.form});
        }
        return out.values();
    }
    static void forgetAll()
    {
        files().clear();
        lastRun().clear();
    }

private:
    static ProcessTable<Kept> &files()
    {
        static ProcessTable<Kept> f;
        return f;
    }
    static ProcessTable<KeptForms::Entry> &lastRun()
    {
        static ProcessTable<KeptForms::Entry> l;
        return l;
    }
};

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
        const Finishing finishing = finishCommitted(folder, true);
        if (finishing.notAFile)
            throw RecordFileError(RecordFileError::WriteFailed, path,
                                  QStringLiteral("something other than a file stands at %1 in its folder, where "
                                                 "every save keeps its note, and it must go first")
                                      .arg(kCommitFileName));
        if (!finishing.done)
            throw RecordFileError(RecordFileError::WriteFailed, path,
                                  QStringLiteral("an earlier save into its folder could not be finished; the "
                                                 "program finishes it or gives it up when it starts next"));
        m_noteFolders = finishing.folders;
    }
    Change c;
    c.path = path;
    const QFileInfo fi(path);
    // Through a symbolic link to the file it names, as other saves write.
    c.linked = fi.isSymLink();
    c.regular = !c.linked && fi.isFile();
    c.sizeSeen = fi.exists() ? fi.size() : 0;
    c.target = !c.linked   ? fi.absoluteFilePath()
               : fi.exists() ? fi.canonicalFilePath()
                             : fi.symLinkTarget();
    m_changes.append(c);
    return m_changes.last();
}

void FileBatch::load(Change &c)
{
    if (c.loaded)
        return;
    const Written::Kept kept = Written::of(c.target);
    std::optional<QByteArray> before =
        RecordFile::readIfExists(c.path, &c.mode, kept.form.isEmpty() ? nullptr : &kept.bytes, c.regular);
    c.existed = before.has_value();
    c.before = before ? std::move(*before) : QByteArray();
    c.after = c.before;
    c.form = c.existed && !kept.form.isEmpty() && c.before.isSharedWith(kept.bytes) ? kept.form : QByteArray();
    if (c.existed && c.form.isEmpty())
        c.form = Written::fromLastRun(c.target, c.before);
    c.loaded = true;
}

void FileBatch::make(Change &c)
{
    load(c);
    for (const MakeChecked &m : std::as_const(c.makes)) {
        Checked made = m(c.after, c.form);
        c.after = std::move(made.bytes);
        c.form = std::move(made.form);
    }
    c.makes.clear();
}

thread_local FileBatch::Deferring FileBatch::t_deferred;

class FileBatch::LeftCheck
{
public:
    // `check` left to run(), or started at once.
    LeftCheck(Check check, bool start)
    {
        if (!start) {
            m_check = std::move(check);
            return;
        }
        m_outcome = std::make_shared<Outcome>();
        m_started.reset(new InParts::Started([check = std::move(check), outcome = m_outcome] {
            try {
                outcome->passed = check();
            } catch (const RecordFileError &) {
                outcome->passed = false;
            } catch (...) {
                outcome->error = std::current_exception();
            }
        }));
    }

    // Whether the check passes; throws what it throws but RecordFileError,
    // which fails it.
    bool run()
    {
        if (!m_started) {
            try {
                return m_check();
            } catch (const RecordFileError &) {
                return false;
            }
        }
        m_started->finish();
        if (m_outcome->error)
            std::rethrow_exception(m_outcome->error);
        return m_outcome->passed;
    }

private:
    struct Outcome
    {
        bool passed = false;
        std::exception_ptr error;
    };
    // A check started and then not asked for (the make refused, or a check
    // before it failed) is given up as it goes: its outcome would count
    // for nothing.
    struct GiveUp
    {
        void operator()(InParts::Started *started) const
        {
            started->abandon();
            delete started;
        }
    };
    Check m_check;
    std::shared_ptr<Outcome> m_outcome;
    std::unique_ptr<InParts::Started, GiveUp> m_started;
};

bool FileBatch::checksDeferred()
{
    return t_deferred.checks != nullptr;
}

bool FileBatch::deferCheck(Check check)
{
    if (!t_deferred.checks)
        return false;
    t_deferred.checks->emplace_back(std::move(check), t_deferred.started);
    return true;
}

void FileBatch::makeDeferring(Change &c, const Change &unmade, std::vector<LeftCheck> &checks)
{
    struct Leaving
    {
        Leaving(std::vector<LeftCheck> &checks, bool start) { t_deferred = {&checks, start}; }
        ~Leaving() { t_deferred = {}; }
    };
    try {
        // The check of a file that goes in parts, in a folder held in
        // memory, starts at once: it runs on the kept threads while this
        // one makes and writes the file. On a disk it runs once the file
        // is written, while the disk flushes it: started at once, it slowed
        // the making and writing it ran beside, which the disk's wait
        // follows (the journal at ten times 0.03 to 0.06 times its floor
        // slower on disk, and 17 % faster in memory).
        const Leaving leaving(checks, checkedInParts(unmade.before.size()) && inMemory(c.target));
        make(c);
    } catch (const RecordFileError &) {
        if (checks.empty())
            throw;
        // Refused where a presumption may not hold: the makes again, each
        // checking at once, and their own refusal if any.
        checks.clear();
        c = unmade;
        make(c);
    }
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
    c.form.clear();
    c.staged = true;
    c.removed = false;
}

void FileBatch::append(const QString &path, const QByteArray &lines)
{
    Change &c = changeOf(path);
    make(c);
    c.after.remove(0, RecordReader::droppableByteOrderMarkSize(c.after));
    if (!c.after.isEmpty() && !c.after.endsWith('\n') && !c.after.endsWith('\r'))
        c.after += "\r\n";
    c.after += lines;
    c.form.clear();
    c.staged = true;
    c.removed = false;
}

void FileBatch::create(const QString &path)
{
    Change &c = changeOf(path);
    load(c);
    c.staged = true;
    c.removed = false;
}

void FileBatch::transform(const QString &path, Make make)
{
    transformChecked(path, [make = std::move(make)](const QByteArray &before, QByteArrayView) {
        return Checked{make(before), QByteArray()};
    });
}

void FileBatch::transformChecked(const QString &path, MakeChecked make)
{
    Change &c = changeOf(path);
    c.makes.append(std::move(make));
    c.staged = true;
    c.removed = false;
}

void FileBatch::remove(const QString &path)
{
    Change &c = changeOf(path);
    // Not read: it is gone whatever it holds. Contents staged after this
    // start from none.
    if (!c.loaded) {
        c.loaded = true;
        c.existed = false;
        c.before.clear();
    }
    c.makes.clear();
    c.after.clear();
    c.form.clear();
    c.staged = false;
    c.removed = true;
}

void FileBatch::flushNoteFolders(const QString &shownPath, const QSet<QString> &flushed) const
{
    for (const QString &folder : m_noteFolders) {
        if (!flushed.contains(folder) && !flushFolderIfThere(folder))
            throw RecordFileError(RecordFileError::WriteFailed, shownPath, SystemError::text());
    }
}

void FileBatch::commit()
{
    if (m_changes.isEmpty())
        return;
    const QString noteFolder = QFileInfo(m_changes.first().path).absolutePath();
    const QDir noteDir(noteFolder);

    // On one thread: a thread for each file cost more in starting and in
    // fresh memory than it gained.
    // Of one length, so that the notes of batches of the same files are of one
    // length too and each is written over the last without growing it.
    const QString id = QString::number(QRandomGenerator::global()->generate64(), 36).rightJustified(13, u'0');
    const qsizetype count = m_changes.size();
    std::vector<char> written(size_t(count), 0);
    QStringList savings;
    // The longest name a folder takes, asked once a folder: all of a
    // batch's files stand in one as a rule.
    QHash<QString, long> longestNames;
    for (qsizetype i = 0; i < count; ++i) {
        const Change &c = m_changes[i];
        const QFileInfo target(c.target);
        const QString folder = target.absolutePath();
        savings.append(folder + u'/' + savingName(id, QString::number(i)));
        if (!c.staged)
            continue;
        // A name the file system does not take could never replace its
        // file: refused before any file is touched. One no longer than its
        // hidden file's is taken if that one is (and if not, the batch is
        // refused when it is made).
        if (QFile::encodeName(target.fileName()).size() <= QFile::encodeName(savingName(id, QString::number(i))).size())
            continue;
        auto longest = longestNames.constFind(folder);
        if (longest == longestNames.cend())
            longest = longestNames.insert(folder, RecordFile::longestName(folder));
        if (QFile::encodeName(target.fileName()).size() > *longest)
            throw RecordFileError(RecordFileError::WriteFailed, c.path,
                                  QStringLiteral("its name is too long for a file name"));
    }
    // The files to remove that stand there, each looked at now: none may
    // refuse once the batch is committed.
    QList<qsizetype> removals;
    QStringList removalPaths; // the names themselves, a symbolic link not followed
    for (qsizetype i = 0; i < count; ++i) {
        const Change &c = m_changes[i];
        if (!c.removed)
            continue;
        const QString path = QFileInfo(c.path).absoluteFilePath();
        if (standsToRemove(path, c.path)) {
            removals.append(i);
            removalPaths.append(path);
        }
    }
    // The largest file first: the disk writes it while the others are
    // read, checked, made and written. Files the batch only read need nothing more.
    QList<std::pair<qint64, qsizetype>> order; // size, index
    for (qsizetype i = 0; i < count; ++i) {
        const Change &c = m_changes[i];
        if (!c.staged)
            continue;
        // A file not read yet is as large as this program (this run or the
        // last) last wrote it, or as it stood when the batch first named it.
        qint64 size = c.after.size();
        if (!c.loaded)
            size = Written::sizeWritten(c.target).value_or(c.sizeSeen);
        order.append({size, i});
    }
    std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    auto removeWritten = [&] {
        for (qsizetype i = 0; i < count; ++i) {
            if (written[size_t(i)])
                QFile::remove(savings[i]);
        }
    };
    std::vector<std::unique_ptr<NewFile>> files;
    files.resize(size_t(count));
    try {
        // The new file of `c`, the `i`-th, under its hidden name; false
        // when its contents do not change. `checking` says checks left by
        // its makes follow: the disk is set writing it at once.
        const auto writeNew = [&](Change &c, qsizetype i, bool checking) {
            if (c.existed && c.after == c.before)
                return false;
            // A folder or a write-protected file where the file should
            // go refuses the whole batch; the new file keeps the old
            // one's permissions.
            std::optional<mode_t> keep;
            struct stat st;
            // The file read under the lock is the one there; through a link
            // the file it names is looked at anew.
            bool there = c.existed && !c.linked;
            if (there)
                st.st_mode = mode_t(c.mode);
            else
                there = ::stat(QFile::encodeName(c.target).constData(), &st) == 0;
            if (there) {
                if (!S_ISREG(st.st_mode) || ::access(QFile::encodeName(c.target).constData(), W_OK) != 0)
                    throw RecordFileError(RecordFileError::WriteFailed, c.path,
                                          QStringLiteral("the file cannot be replaced"));
                keep = st.st_mode & 07777;
            }
            files[size_t(i)] = std::make_unique<NewFile>();
            files[size_t(i)]->open(savings[i], keep, c.path);
            // The last file has nothing to be made beside it, and one
            // not very large is written sooner than it is handed over:
            // written here.
            if (i == order.last().second || c.after.size() < kHandOver) {
                files[size_t(i)]->writeAll(c.after.constData(), c.after.size());
                if (order.size() > 1 || checking)
                    files[size_t(i)]->startFlush();
                return true;
            }
            // Written and set going to the disk on the writer's thread while
            // this one makes the next file; `c.after` stays as it is until
            // the wait below.
            Writer::instance().give([file = files[size_t(i)].get(), data = c.after.constData(),
                                     size = c.after.size()] {
                file->writeAll(data, size);
                file->startFlush();
            });
            return true;
        };
        // Each file read and made, then written under its hidden name, and
        // the disk set writing it; a file that cannot be made or replaced
        // leaves no file written (the hidden ones go with `files`). A make
        // may presume the file it reads passes a check of every record and
        // leave the check until what it made is written: the disk then
        // writes while the check runs.
        for (const auto &[size, i] : std::as_const(order)) {
            Change &c = m_changes[i];
            load(c);
            const Change unmade = c;
            std::vector<LeftCheck> checks;
            makeDeferring(c, unmade, checks);
            Writer &writer = Writer::instance();
            const quint64 mark = writer.given();
            writeNew(c, i, !checks.empty());
            if (checks.empty())
                continue;
            // Whether the writer's thread has work with this file.
            bool handed = writer.given() != mark;
            // A check long enough to go in parts: the file is flushed on the
            // writer's thread meanwhile, the disk's wait under the check;
            // only when that thread has no other file's work left, so that
            // a check that fails waits for this file alone.
            if (files[size_t(i)] && checkedInParts(unmade.before.size()) && writer.finishedUpTo(mark)) {
                written[size_t(i)] = 1;
                writer.give([file = files[size_t(i)].get()] { file->flush(); });
                handed = true;
            }
            const bool passed = std::all_of(checks.begin(), checks.end(), [](LeftCheck &check) { return check.run(); });
            if (passed)
                continue;
            // Not as presumed: made again, each make checking first, and
            // written over what was made, once the writer's thread is done
            // with it.
            if (handed)
                writer.wait();
            files[size_t(i)].reset();
            if (std::exchange(written[size_t(i)], 0))
                QFile::remove(savings[i]);
            c = unmade;
            make(c);
            writeNew(c, i, false);
        }
        Writer::instance().wait();
    } catch (...) {
        // Nothing may still be writing into the files about to go.
        try {
            Writer::instance().wait();
        } catch (...) {
        }
        removeWritten();
        throw;
    }

    QList<qsizetype> changed;
    QSet<QString> folders;
    for (qsizetype i = 0; i < count; ++i) {
        if (files[size_t(i)]) {
            changed.append(i);
            folders.insert(QFileInfo(m_changes[i].target).absolutePath());
        }
    }
    // The note that commits a batch of several files: written in place over
    // the last one once every new file and its name are on the disk.
    const QString notePath = noteDir.filePath(kCommitFileName);
    const QString firstPath = !changed.isEmpty()  ? m_changes[changed[0]].path
                              : !removals.isEmpty() ? m_changes[removals[0]].path
                                                    : QString();
    // A note is written when more than one file changes, a removal counted.
    const bool noted = changed.size() + removals.size() > 1;
    NoteFile note;
    // The folders whose names go to the disk before the note is written:
    // the new files' and the note's.
    QSet<QString> own = folders;
    own.insert(noteDir.path());
    try {
        // The note made, empty, where there is none, so that its name goes
        // to the disk with the new files' names.
        if (noted)
            note.open(notePath, firstPath, [&] { flushNoteFolders(firstPath); });
        // Every new file flushed to the disk, and when a note follows, the
        // folders that hold their names and the note's too, all asked for
        // at once on a disk: its file system then puts them there in one
        // go, where one after the other each waited for the disk again (the
        // aerobic save from 1.37 to 1.31 times its floor, the Enter of a
        // day's foods from 1.13 to 1.00). In memory, where a flush waits for
        // nothing, one after the other: asked for at once, the saves of
        // several files took 0.03 to 0.2 times their floor more there.
        std::vector<int> asked;
        for (const auto &[size, i] : std::as_const(order)) {
            if (files[size_t(i)] && files[size_t(i)]->unflushed() >= 0)
                asked.push_back(files[size_t(i)]->unflushed());
        }
        std::vector<int> folderFds;
        const auto closeFolders = qScopeGuard([&] {
            for (int fd : folderFds)
                ::close(fd);
        });
        if (noted) {
            for (const QString &folder : std::as_const(own)) {
                const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
                if (fd < 0)
                    throw RecordFileError(RecordFileError::WriteFailed, firstPath, SystemError::text());
                folderFds.push_back(fd);
            }
        }
        asked.insert(asked.end(), folderFds.begin(), folderFds.end());
        const std::vector<int> errors =
            asked.size() > 1 && !folderInMemory(noteFolder) ? Flushes::together(asked) : Flushes::oneByOne(asked);
        size_t k = 0;
        for (const auto &[size, i] : std::as_const(order)) {
            if (!files[size_t(i)])
                continue;
            // One flushed on the writer's thread already answers for itself.
            files[size_t(i)]->flushed(files[size_t(i)]->unflushed() >= 0 ? errors[k++] : 0);
            written[size_t(i)] = 1;
        }
        for (; k < errors.size(); ++k) {
            if (errors[k] != 0)
                throw RecordFileError(RecordFileError::WriteFailed, firstPath, SystemError::text(errors[k]));
        }
    } catch (...) {
        removeWritten();
        throw;
    }
    if (changed.isEmpty() && removals.isEmpty())
        return;
    // One file is removed in one step.
    if (!noted && !removals.isEmpty()) {
        Written::forget(m_changes[removals[0]].target);
        if (!removeFile(removalPaths[0]))
            throw RecordFileError(RecordFileError::WriteFailed, m_changes[removals[0]].path, SystemError::text());
        (void)flushFolder(QFileInfo(removalPaths[0]).absolutePath());
        return;
    }
    // One file is replaced in one step.
    if (!noted) {
        const Change &c = m_changes[changed[0]];
        if (!replace(savings[changed[0]], c.target)) {
            const QString why = SystemError::text();
            QFile::remove(savings[changed[0]]);
            throw RecordFileError(RecordFileError::WriteFailed, c.path, why);
        }
        Written::set(c.target, c.after, c.form);
        // The rename itself onto the disk, so that a power cut after the
        // save was reported does not bring the old file back. The file is
        // replaced whatever this answers, so the save stands either way.
        (void)flushFolder(QFileInfo(c.target).absolutePath());
        return;
    }

    // The commit: with the new files' names and the note's on the disk
    // (above), those of the files the last note names (its renames) in
    // other folders too, so that the last note is no longer needed; then
    // the note written over it and flushed before any file is replaced.
    QByteArray noteWritten;
    try {
        flushNoteFolders(firstPath, own);
        QList<QPair<QString, QString>> named;
        for (qsizetype i : std::as_const(changed))
            named.append({savings[i], m_changes[i].target});
        for (const QString &path : std::as_const(removalPaths))
            named.append({QString(), path});
        FinishedNotes::forget(noteFolder);
        noteWritten = noteOf(noteDir, named);
        note.write(noteWritten);
    } catch (const RecordFileError &e) {
        if (note.cleared()) {
            removeWritten();
            throw;
        }
        // A note that may commit the batch all the same: its new files are
        // kept for the next batch or start to carry out.
        for (qsizetype i : std::as_const(changed))
            Written::forget(m_changes[i].target);
        throw RecordFileError(RecordFileError::Unfinished, e.fileName(), e.detail());
    } catch (...) {
        removeWritten();
        throw;
    }
    m_noteFolders = folders;
    for (const QString &path : std::as_const(removalPaths))
        m_noteFolders.insert(QFileInfo(path).absolutePath());

    // Committed: the new files replace the old ones. The note stays until
    // the next batch puts its own in its place or recover() removes it: a
    // rename that has not reached the disk when the machine stops is made
    // again from it, and it names no file of a later batch (a batch that
    // removes files drops it once they are gone, below).
    QList<qsizetype> left;
    for (qsizetype i : std::as_const(changed)) {
        const Change &c = m_changes[i];
        if (replace(savings[i], c.target))
            Written::set(c.target, c.after, c.form);
        else
            left.append(i);
    }
    for (qsizetype i : std::as_const(left)) {
        // Once more; then the save is kept, for the next batch or the next
        // start to finish (the start gives it up when it still cannot).
        const Change &c = m_changes[i];
        if (!replace(savings[i], c.target)) {
            Written::forget(c.target);
            throw RecordFileError(RecordFileError::Unfinished, c.path, SystemError::text());
        }
        Written::set(c.target, c.after, c.form);
    }
    for (qsizetype i : std::as_const(removals))
        Written::forget(m_changes[i].target);
    if (removals.isEmpty()) {
        FinishedNotes::set(noteFolder, noteWritten, m_noteFolders);
        return;
    }

    // Every file replaced: the files to remove go, each tried once more
    // before the save is kept for the next batch or start to finish, as a
    // file that cannot be replaced is.
    QList<qsizetype> notRemoved;
    for (qsizetype k = 0; k < removals.size(); ++k) {
        folders.insert(QFileInfo(removalPaths[k]).absolutePath());
        if (!removeFile(removalPaths[k]))
            notRemoved.append(k);
    }
    for (qsizetype k : std::as_const(notRemoved)) {
        if (!removeFile(removalPaths[k]))
            throw RecordFileError(RecordFileError::Unfinished, m_changes[removals[k]].path, SystemError::text());
    }
    // Then the note, once that is on the disk. Should that fail the save
    // stands all the same: the next batch or start finishes it again (its
    // files are gone already) before it makes any file.
    (void)dropNote(noteDir.path(), folders);
}

FileBatch::Recovery FileBatch::recoverFolder(const QString &folder)
{
    Recovery out;
    // A folder not made yet has nothing to finish.
    if (!QFileInfo(folder).isDir())
        return out;
    // What the last run kept of its files' forms; a file a batch finished
    // below no longer matches its digest.
    Written::readLastRun(folder);
    const FolderLock lock(folder);
    if (!lock.locked()) {
        // Another copy of the program keeps saving there: it finished
        // what it found before its first save.
        out.notAFile = noteIsNoFile(folder);
        out.kept = !out.notAFile && anyLeft(folder);
        return out;
    }
    QDir dir(folder);
    // Read and carried out whatever this program did last.
    const Finishing finishing = finishCommitted(folder, false);
    if (finishing.notAFile) {
        out.notAFile = true;
        return out;
    }
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
    // The note goes once what it did is on the disk: a power cut must not
    // take back a file it replaced after it is gone.
    if (std::all_of(finishing.folders.cbegin(), finishing.folders.cend(), flushFolderIfThere))
        dir.remove(kCommitFileName);
    // What batches left that were never committed, or given up.
    const QStringList strays = dir.entryList({kSavingPrefix + u'*' + kSavingSuffix},
                                             QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : strays)
        dir.remove(name);
    return out;
}

void FileBatch::keepForms(const QString &folder)
{
    const QString dir = QFileInfo(folder).absoluteFilePath();
    const QList<KeptForms::Entry> entries = Written::inFolder(dir);
    if (entries.isEmpty())
        return;
    try {
        FileBatch batch;
        batch.write(QDir(dir).filePath(QString::fromLatin1(KeptForms::kFileName)), KeptForms::encode(entries));
        batch.commit();
    } catch (const RecordFileError &) {
        // The next run checks every file it saves into, as it would anyway.
    }
}

void FileBatch::forgetThisRun()
{
    Written::forgetAll();
    FinishedNotes::forgetAll();
}
