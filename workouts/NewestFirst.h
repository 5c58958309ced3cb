#pragma once

#include <QDate>
#include <QList>

// The insertion rule of the newest-first files (the calorie journals and the
// aerobic logs): a new record goes before the first record dated on or
// before its own, so before the records of its own date and after every
// later one; at the end when there is none. Records have a `date` member.
namespace NewestFirst {

// Whether a new record of `date` goes before `record`, the first one it
// does not go after.
template <typename Record>
bool goesBefore(const Record &record, const QDate &date)
{
    return record.date <= date;
}

template <typename Record>
qsizetype insertionIndex(const QList<Record> &records, const QDate &date)
{
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (goesBefore(records[i], date))
            return i;
    }
    return records.size();
}

} // namespace NewestFirst
