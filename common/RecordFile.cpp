#include "RecordFile.h"

#include "FileBatch.h"
#include "RecordFileError.h"
#include "SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using SystemError::isMissing;

QString notRegular()
{
    return QStringLiteral("it is not a regular file");
}

} // namespace

QString RecordFile::path(const QString &dataFolder, const QString &fileName)
{
    return QDir(dataFolder).filePath(fileName);
}

bool RecordFile::exists(const QString &path)
{
    return QFileInfo(path).isFile();
}

namespace {

// The part of a file compared at a time with the bytes a caller expects.
constexpr size_t kComparedPart = 256 * 1024;

// The regular file at `path` opened for reading, its status in `st`; -1
// when it is missing. Only a regular file is opened; `seen` says one was
// seen there a moment ago.
int openRegular(const QString &path, struct stat &st, bool seen = false)
{
    const QByteArray name = QFile::encodeName(path);
    // What stands there first: a FIFO or a device is never opened.
    if (seen) {
        st.st_mode = S_IFREG;
    } else if (::stat(name.constData(), &st) != 0) {
        if (isMissing(errno))
            return -1;
        throw RecordFileError(RecordFileError::ReadFailed, path, SystemError::text(errno));
    }
    if (!S_ISREG(st.st_mode))
        throw RecordFileError(RecordFileError::ReadFailed, path, notRegular());
    // Without waiting, should something else stand there by now; a link
    // made there since the file was seen is looked at first as any other.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (seen ? O_NOFOLLOW : 0));
    if (fd < 0 && seen && errno == ELOOP)
        return openRegular(path, st, false);
    if (fd < 0) {
        if (isMissing(errno))
            return -1;
        throw RecordFileError(RecordFileError::ReadFailed, path, SystemError::text(errno));
    }
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!regular) {
        const int error = errno;
        ::close(fd);
        throw RecordFileError(RecordFileError::ReadFailed, path, S_ISREG(st.st_mode) ? SystemError::text(error) : notRegular());
    }
    return fd;
}

// The file's first `limit` bytes and one more (all of it with a negative
// `limit`), and whether that is all of it; none when it is missing.
std::optional<QByteArray> readPart(const QString &path, qsizetype limit, bool &whole, unsigned *mode = nullptr,
                                   const QByteArray *same = nullptr, bool regular = false)
{
    struct stat st;
    const int fd = openRegular(path, st, regular);
    if (fd < 0)
        return std::nullopt;
    if (mode)
        *mode = unsigned(st.st_mode);
    auto fail = [&](const QString &why) {
        ::close(fd);
        throw RecordFileError(RecordFileError::ReadFailed, path, why);
    };
    // The bytes the caller expects, compared part by part in a small
    // buffer that stays in the processor's cache; at the first difference
    // the file is read whole from its start.
    if (same && limit < 0 && qsizetype(st.st_size) == same->size()) {
        thread_local std::vector<char> part(kComparedPart);
        qsizetype matched = 0;
        for (;;) {
            const ssize_t n = ::read(fd, part.data(), part.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                fail(SystemError::text(errno));
            if (n == 0 && matched == same->size()) {
                ::close(fd);
                whole = true;
                return *same;
            }
            if (n == 0 || n > same->size() - matched
                || std::memcmp(part.data(), same->constData() + matched, size_t(n)) != 0) {
                // Something else stands there: read as a whole, from the
                // start.
                if (::lseek(fd, 0, SEEK_SET) != 0)
                    fail(SystemError::text(errno));
                break;
            }
            matched += n;
            // A read that ends short at the very size the file had is at
            // its end: no read more is needed to see it.
            if (size_t(n) < part.size() && matched == same->size()) {
                ::close(fd);
                whole = true;
                return *same;
            }
        }
    }
    // The size it has, and one byte more to see its end in the same read;
    // allocated at exactly that size (a buffer grown to the next power of
    // two would cross the allocator's threshold for fresh pages at half of
    // it).
    const qsizetype most = limit < 0 ? -1 : limit + 1;
    qsizetype room = qsizetype(st.st_size) + 1;
    if (most >= 0)
        room = std::min(room, most);
    QByteArray bytes(room, Qt::Uninitialized);
    qsizetype size = 0;
    whole = true;
    for (;;) {
        if (size == room) {
            if (room == most) {
                whole = false;
                break;
            }
            // The file grew meanwhile.
            room = most >= 0 ? std::min(room * 2, most) : room * 2;
            bytes.resize(room);
        }
        const ssize_t n = ::read(fd, bytes.data() + size, size_t(room - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(SystemError::text(errno));
        if (n == 0)
            break;
        size += n;
        // Short at the very size the file had: its end, seen without a
        // read more.
        if (size < room && size == qsizetype(st.st_size))
            break;
    }
    ::close(fd);
    bytes.truncate(size);
    return bytes;
}

} // namespace

std::optional<QByteArray> RecordFile::readIfExists(const QString &path, unsigned *mode, const QByteArray *same,
                                                   bool regular)
{
    bool whole = true;
    return readPart(path, -1, whole, mode, same, regular);
}

QByteArray RecordFile::readHead(const QString &path, qsizetype size, bool &whole)
{
    std::optional<QByteArray> bytes = readPart(path, std::max<qsizetype>(size, 0), whole);
    if (!bytes) {
        whole = true;
        return QByteArray();
    }
    return std::move(*bytes);
}

std::optional<RecordFileReader> RecordFileReader::open(const QString &path)
{
    struct stat st;
    const int fd = openRegular(path, st);
    if (fd < 0)
        return std::nullopt;
    RecordFileReader reader;
    reader.m_path = path;
    reader.m_fd = fd;
    reader.m_size = qint64(st.st_size);
    return reader;
}

RecordFileReader::RecordFileReader(RecordFileReader &&other) noexcept
    : m_path(std::move(other.m_path)), m_fd(std::exchange(other.m_fd, -1)), m_size(other.m_size)
{
}

RecordFileReader &RecordFileReader::operator=(RecordFileReader &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_path = std::move(other.m_path);
        m_fd = std::exchange(other.m_fd, -1);
        m_size = other.m_size;
    }
    return *this;
}

RecordFileReader::~RecordFileReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray RecordFileReader::read(qint64 offset, qsizetype size) const
{
    QByteArray bytes(std::max<qsizetype>(size, 0), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < size) {
        const ssize_t n = ::pread(m_fd, bytes.data() + got, size_t(size - got), off_t(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw RecordFileError(RecordFileError::ReadFailed, m_path, SystemError::text(errno));
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

QByteArray RecordFile::read(const QString &path)
{
    std::optional<QByteArray> bytes = readIfExists(path);
    return bytes ? std::move(*bytes) : QByteArray();
}

QByteArray RecordFile::readExisting(const QString &path)
{
    std::optional<QByteArray> bytes = readIfExists(path);
    if (!bytes)
        throw RecordFileError(RecordFileError::FileNotFound, path, QStringLiteral("file not found"));
    return std::move(*bytes);
}

void RecordFile::write(const QString &path, const QByteArray &bytes)
{
    FileBatch batch;
    batch.write(path, bytes);
    batch.commit();
}

void RecordFile::append(const QString &path, const QByteArray &lines)
{
    FileBatch batch;
    batch.append(path, lines);
    batch.commit();
}

void RecordFile::remove(const QString &path)
{
    FileBatch batch;
    batch.remove(path);
    batch.commit();
}

bool RecordFile::nameFits(const QString &path)
{
    const QFileInfo fi(path);
    return QFile::encodeName(fi.fileName()).size() <= longestName(fi.absolutePath());
}

long RecordFile::longestName(const QString &folder)
{
    errno = 0;
    const long most = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    if (most < 0)
        return errno == 0 ? LONG_MAX : NAME_MAX; // no limit, or a folder not there yet
    return most;
}
