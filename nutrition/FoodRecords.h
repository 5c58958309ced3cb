#pragma once

#include "common/RecordFile.h"
#include "common/RecordFileError.h"
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
