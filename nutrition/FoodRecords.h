#pragma once

#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordReader.h"
#include "workouts/RecordList.h"

#include <QList>
#include <QString>

// The records of the food file at `path` as far as they read, for the
// windows that show what a damaged file holds: a missing file holds none;
// a file that cannot be read or a damaged record puts the message naming
// the file in `problem` and ends the list before it.
template <typename Record, typename ReadOne>
QList<Record> foodRecordsOf(const QString &path, ReadOne readOne, QString &problem)
{
    QList<Record> out;
    try {
        const QByteArray bytes = RecordFile::read(path);
        out.reserve(lineCount(bytes));
        forEachRecord<Record>(bytes, path, readOne, [&out](Record &&record) { out.append(std::move(record)); });
    } catch (const RecordFileError &e) {
        problem = e.message();
    }
    return out;
}

// `lines` after the records of a food file's `bytes`: blank lines a hand
// edit left at its end are dropped, since records after them would not read
// as records, and a last line without its line end gets one. A byte-order
// mark another program put at its start goes, as in every rewrite.
inline QByteArray withRecordsAppended(QByteArray bytes, const QByteArray &lines)
{
    bytes.remove(0, RecordReader::droppableByteOrderMarkSize(bytes));
    qsizetype end = bytes.size();
    while (end > 0 && (bytes[end - 1] == ' ' || bytes[end - 1] == '\t' || bytes[end - 1] == '\r'
                       || bytes[end - 1] == '\n'))
        --end;
    bytes.truncate(end);
    if (!bytes.isEmpty())
        bytes += "\r\n";
    return bytes + lines;
}

// The new bytes of the food file at `path` with `lines` appended after its
// records, as withRecordsAppended() makes them, checked: the file must read
// whole before (else its RecordFileError), and after with every record it
// had and every new one (else the TypeMismatch error naming the file: its
// last record is not closed, so the new ones would not read). `parse(bytes,
// path)` gives the records of such bytes, or their number.
// A parser's records, or the count of them a checking parser gives.
template <typename Record>
qsizetype recordCount(const QList<Record> &records)
{
    return records.size();
}
inline qsizetype recordCount(qsizetype count)
{
    return count;
}

template <typename Parse>
QByteArray appendRecords(const QByteArray &bytes, const QByteArray &lines, const QString &path, Parse parse)
{
    const qsizetype before = recordCount(parse(bytes, path));
    const qsizetype added = recordCount(parse(lines, path));
    QByteArray after = withRecordsAppended(bytes, lines);
    bool whole = false;
    try {
        whole = recordCount(parse(after, path)) == before + added;
    } catch (const RecordFileError &) {
    }
    if (!whole)
        throw RecordFileError(RecordFileError::TypeMismatch, path, QStringLiteral("its last record is not closed"));
    return after;
}
