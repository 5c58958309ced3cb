#pragma once

#include "common/RecordFileError.h"
#include "common/RecordReader.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Reads the records of a data file's bytes one after another until only
// blank lines are left; `readOne(reader)` reads the fields of one record.
// A record that cannot be read throws its RecordFileError; with `complete`
// given nothing is thrown: the records before the failing one are returned
// and *complete says whether every record was read.
template <typename Record, typename ReadOne>
QList<Record> readRecords(const QByteArray &bytes, const QString &fileName, ReadOne readOne,
                          bool *complete = nullptr)
{
    QList<Record> out;
    // About one record a line: growing the list record by record would copy
    // every record again and again.
    out.reserve(bytes.count('\n') + 1);
    RecordReader r(bytes, fileName);
    try {
        while (!r.atEndOrBlank())
            out.append(readOne(r));
    } catch (const RecordFileError &) {
        if (!complete)
            throw;
        *complete = false;
        return out;
    }
    if (complete)
        *complete = true;
    return out;
}
