#include "FileBatch.h"

#include "common/RecordFile.h"
#include "common/RecordFileError.h"

FileBatch::Change &FileBatch::changeOf(const QString &path)
{
    for (Change &c : m_changes) {
        if (c.path == path)
            return c;
    }
    Change c;
    c.path = path;
    c.existed = RecordFile::exists(path);
    c.before = c.existed ? RecordFile::readExisting(path) : QByteArray();
    c.after = c.before;
    m_changes.append(c);
    return m_changes.last();
}

QByteArray FileBatch::read(const QString &path)
{
    return changeOf(path).after;
}

void FileBatch::write(const QString &path, const QByteArray &bytes)
{
    Change &c = changeOf(path);
    c.after = bytes;
    c.staged = true;
}

void FileBatch::append(const QString &path, const QByteArray &lines)
{
    Change &c = changeOf(path);
    if (!c.after.isEmpty() && !c.after.endsWith('\n') && !c.after.endsWith('\r'))
        c.after += "\r\n";
    c.after += lines;
    c.staged = true;
}

void FileBatch::create(const QString &path)
{
    changeOf(path).staged = true;
}

void FileBatch::commit()
{
    QList<const Change *> written;
    try {
        for (const Change &c : m_changes) {
            if (!c.staged || (c.existed && c.after == c.before))
                continue;
            RecordFile::write(c.path, c.after);
            written.append(&c);
        }
    } catch (const RecordFileError &) {
        for (auto it = written.crbegin(); it != written.crend(); ++it) {
            const Change &c = **it;
            try {
                if (c.existed)
                    RecordFile::write(c.path, c.before);
                else
                    RecordFile::remove(c.path);
            } catch (const RecordFileError &) {
                // Nothing more can be done for this one; the first error is
                // the one the user hears of.
            }
        }
        throw;
    }
}
