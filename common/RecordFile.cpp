#include "RecordFile.h"

#include "FileBatch.h"
#include "RecordFileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A name that cannot be there: missing, or a folder of it missing.
bool isMissing(int error)
{
    return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG;
}

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

std::optional<QByteArray> RecordFile::readIfExists(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // What stands there first: a FIFO or a device is never opened.
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        if (isMissing(errno))
            return std::nullopt;
        throw RecordFileError(RecordFileError::ReadFailed, path, systemError(errno));
    }
    if (!S_ISREG(st.st_mode))
        throw RecordFileError(RecordFileError::ReadFailed, path, notRegular());
    // Without waiting, should something else stand there by now.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (isMissing(errno))
            return std::nullopt;
        throw RecordFileError(RecordFileError::ReadFailed, path, systemError(errno));
    }
    auto fail = [&](const QString &why) {
        ::close(fd);
        throw RecordFileError(RecordFileError::ReadFailed, path, why);
    };
    if (::fstat(fd, &st) != 0)
        fail(systemError(errno));
    if (!S_ISREG(st.st_mode))
        fail(notRegular());
    QByteArray bytes;
    // The size it has, and one byte more to see its end in the same read.
    qsizetype room = qsizetype(st.st_size) + 1;
    bytes.resize(room);
    qsizetype size = 0;
    for (;;) {
        if (size == room) {
            room = room * 2;
            bytes.resize(room);
        }
        const ssize_t n = ::read(fd, bytes.data() + size, size_t(room - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(systemError(errno));
        if (n == 0)
            break;
        size += n;
    }
    ::close(fd);
    bytes.truncate(size);
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
    QFile f(path);
    if (f.exists() && !f.remove())
        throw RecordFileError(RecordFileError::WriteFailed, path, f.errorString());
}

bool RecordFile::nameFits(const QString &path)
{
    const QFileInfo fi(path);
    const qsizetype bytes = QFile::encodeName(fi.fileName()).size();
    errno = 0;
    long most = ::pathconf(QFile::encodeName(fi.absolutePath()).constData(), _PC_NAME_MAX);
    if (most < 0)
        most = errno == 0 ? LONG_MAX : NAME_MAX; // no limit, or a folder not there yet
    return bytes <= most;
}
