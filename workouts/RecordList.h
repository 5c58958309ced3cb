#pragma once

#include "common/RecordFileError.h"
#include "common/RecordReader.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstring>
#include <optional>
#include <utility>

// Reads the records of a data file's bytes one after another until only
// blank lines are left: `readOne(reader)` reads the fields of one record,
// `visit(record)` takes it. A record that cannot be read throws its
// RecordFileError. A record with a `verbatim` member gets the reader's
// verbatim() span in it.
template <typename Record, typename ReadOne, typename Visit>
void forEachRecord(const QByteArray &bytes, const QString &fileName, ReadOne readOne, Visit visit)
{
    RecordReader r(bytes, fileName);
    while (!r.atEndOrBlank()) {
        r.beginRecord();
        Record record = readOne(r);
        if constexpr (requires { record.verbatim; })
            record.verbatim = r.verbatim();
        visit(std::move(record));
    }
}

// Reads the records as forEachRecord() does for a reader that shows what
// it can, until `visit(record)` returns false: a record that cannot be read
// is passed over with the rest of the line it starts on, and reading goes on
// at the next line. Returns the error of the first record passed over.
template <typename Record, typename ReadOne, typename Visit>
std::optional<RecordFileError> forEachReadable(const QByteArray &bytes, const QString &fileName, ReadOne readOne,
                                               Visit visit)
{
    std::optional<RecordFileError> first;
    RecordReader r(bytes, fileName);
    while (!r.atEndOrBlank()) {
        r.beginRecord();
        std::optional<Record> record;
        try {
            record.emplace(readOne(r));
        } catch (const RecordFileError &e) {
            if (!first)
                first = e;
            r.skipRecordLine();
            continue;
        }
        if (!visit(std::move(*record)))
            break;
    }
    return first;
}

// Every record of a data file's bytes, as forEachRecord() reads them. With
// `complete` given nothing is thrown: the records before the failing one
// are returned and *complete says whether every record was read.
template <typename Record, typename ReadOne>
QList<Record> readRecords(const QByteArray &bytes, const QString &fileName, ReadOne readOne,
                          bool *complete = nullptr)
{
    QList<Record> out;
    // About one record a line: growing the list record by record would copy
    // every record again and again.
    out.reserve(lineCount(bytes));
    try {
        forEachRecord<Record>(bytes, fileName, readOne, [&out](Record &&record) { out.append(std::move(record)); });
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

// The records a parser reads before the first one that cannot be read, and
// in `damage` why it stopped there (left empty when every record was read).
// `parse(complete)` is one of the record-file parsers: given a flag it gives
// the records before a damaged one, given none it throws the damage.
template <typename Parse>
auto readAsFarAsWhole(Parse parse, std::optional<RecordFileError> &damage)
{
    bool complete = true;
    auto records = parse(&complete);
    if (!complete) {
        try {
            parse(nullptr);
        } catch (const RecordFileError &e) {
            damage = e;
        }
    }
    return records;
}
