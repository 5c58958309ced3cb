#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>

#include <optional>
#include <utility>

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

// The date a record written on one line by the writer reads back as; none
// when its line does not start with a date field.
std::optional<QDate> dateOfLine(QByteArrayView line);

// Where the first record dated on or before `date` starts in a file in its
// written form (WrittenForm) whose dates never rise, found by halving it;
// none when a line looked at does not start with a date as the writer
// writes it.
std::optional<qsizetype> placeIn(QByteArrayView bytes, const QDate &date);

// A file in its written form with its record written new last time (`last`)
// replaced by `again`, and `made` inserted at `at`; where `made` starts. None
// when `at` falls inside that record.
struct Stitched
{
    QByteArray bytes;
    qsizetype newBegin = 0;
};
std::optional<Stitched> stitch(const QByteArray &bytes, std::pair<qsizetype, qsizetype> last, const QByteArray &again,
                               qsizetype at, const QByteArray &made);

} // namespace NewestFirst
