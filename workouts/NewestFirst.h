#pragma once

#include "common/RecordWriter.h"
#include "common/WrittenForm.h"

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

// The one pass of an insertion of a record of `date` into a newest-first
// file, written into `out`: it puts the new record in its place, and finds
// whether the new contents stand in their written form (WrittenForm): each
// old record as the next pass copies it (spoil() when one does not), the
// dates never rising, the new one's read back as it was given.
class Insertion
{
public:
    Insertion(RecordWriter &out, const QDate &date) : m_out(out), m_date(date) {}

    // Before an old record of `date` is written: the new one first when it
    // goes before it, written by `writeNew(out)`.
    template <typename WriteNew>
    void before(const QDate &date, WriteNew writeNew)
    {
        if (!m_placed && goesBefore(Dated{date}, m_date))
            place(writeNew);
        follows(date);
    }
    // After the last old record: the new one, when it went after them all.
    template <typename WriteNew>
    void finish(WriteNew writeNew)
    {
        if (!m_placed)
            place(writeNew);
    }
    void spoil() { m_formed = false; }
    // The form of the new contents for a file of `kind`; empty when they do
    // not stand in it.
    QByteArray form(QByteArrayView kind) const
    {
        return m_formed ? WrittenForm::of(kind, m_newBegin, m_newEnd) : QByteArray();
    }

private:
    struct Dated
    {
        QDate date;
    };
    template <typename WriteNew>
    void place(WriteNew writeNew)
    {
        m_newBegin = m_out.bytes().size();
        writeNew(m_out);
        m_newEnd = m_out.bytes().size();
        // A date its two-digit year names otherwise reads back as another.
        if (dateOfLine(m_out.bytes().sliced(m_newBegin)) != m_date)
            m_formed = false;
        follows(m_date);
        m_placed = true;
    }
    void follows(const QDate &date)
    {
        if (m_previous.isValid() && date > m_previous)
            m_formed = false;
        m_previous = date;
    }

    RecordWriter &m_out;
    QDate m_date;
    bool m_placed = false;
    bool m_formed = true;
    qsizetype m_newBegin = 0;
    qsizetype m_newEnd = 0;
    QDate m_previous;
};

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
