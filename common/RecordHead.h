#pragma once

#include "RecordFile.h"
#include "RecordFileError.h"
#include "RecordReader.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <optional>
#include <utility>

// The first records of a data file, read from the head of the file alone:
// a chart of the newest records of a file that keeps them first reads what
// it draws, however long the file has grown. The head starts at a guess and
// doubles until it holds the records asked for (or is the whole file).
//
// A record counts only when the reader stopped before the end of the head,
// after its last delimiter: then every byte its reading looked at is the
// file's own, and it reads as it would from the whole file. A record or an
// error that reached the end of the head may be the head's cut, so the head
// grows instead.
namespace RecordHead {

template <typename Record>
struct Records
{
    QList<Record> records;
    // Why the reading stopped before `most` records: the first record that
    // cannot be read. A damaged record after them is not looked for.
    std::optional<RecordFileError> damage;
};

// Up to `most` records from the start of the file at `path`, each read by
// `readOne(reader)` (errors naming `fileName`), until the first that cannot
// be read. `guess` is the head to start with, in bytes. A missing file
// holds none; a file that cannot be read throws its RecordFileError.
template <typename Record, typename ReadOne>
Records<Record> first(const QString &path, const QString &fileName, qsizetype most, qsizetype guess,
                      ReadOne readOne)
{
    for (qsizetype size = std::max<qsizetype>(guess, 256);; size *= 2) {
        bool whole = true;
        const QByteArray head = RecordFile::readHead(path, size, whole);
        Records<Record> out;
        out.records.reserve(std::min<qsizetype>(most, 1024));
        RecordReader r(head, fileName);
        // Whether the head was long enough to tell.
        bool known = true;
        try {
            while (out.records.size() < most && !r.atEndOrBlank()) {
                r.beginRecord();
                Record record = readOne(r);
                if (!whole && r.position() >= r.size()) {
                    known = false;
                    break;
                }
                out.records.append(std::move(record));
            }
            if (!whole && out.records.size() < most && known)
                known = false; // only blanks left in the head: the file goes on
        } catch (const RecordFileError &e) {
            if (!whole && r.position() >= r.size())
                known = false;
            else
                out.damage = e;
        }
        if (known)
            return out;
    }
}

} // namespace RecordHead
