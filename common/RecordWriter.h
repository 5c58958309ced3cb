#pragma once

#include "RecordReader.h"
#include "RecordValue.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <initializer_list>

// Writes records in the data files' layout: fields separated by ",", each
// record one line ending in CR LF, texts between double quotes, numbers with
// "." as the decimal point, #TRUE#/#FALSE#, dates as #yyyy-mm-dd#. Bytes are
// Windows-1252.
class RecordWriter
{
public:
    static QByteArray field(const RecordValue &value);
    static QByteArray line(const QList<RecordValue> &values);
    // The same for fields given in place, without a list.
    static QByteArray line(std::initializer_list<RecordValue> values);
    // A text read from a file and about to be written back: one holding a
    // double quote would not read back as it was, so it is the TypeMismatch
    // error naming the file (and the line, when known) instead.
    static void requireWritable(const QString &text, const QString &fileName, int line = 0);

    // An empty line: CR LF alone.
    static QByteArray emptyLine() { return QByteArrayLiteral("\r\n"); }

    // Collects lines for one file.
    RecordWriter &write(const QList<RecordValue> &values)
    {
        flushRun();
        appendLine(m_bytes, values.constData(), values.size());
        return *this;
    }
    // The same for fields given in place, without a list for each record.
    RecordWriter &write(std::initializer_list<RecordValue> values)
    {
        flushRun();
        appendLine(m_bytes, values.begin(), qsizetype(values.size()));
        return *this;
    }
    RecordWriter &writeRaw(QByteArrayView bytes)
    {
        flushRun();
        m_bytes.append(bytes);
        return *this;
    }
    // Writes a record as it stands in `source`, the bytes RecordReader gave
    // `record` for: the same bytes write() would make of its values, without
    // converting them again. False, and nothing written, when the record has
    // no verbatim span or the span lies outside `source`. Records that follow
    // one another in `source` are copied in one go, at the next write() or
    // bytes(): `source` must live until then.
    bool copy(QByteArrayView source, const VerbatimRecord &record)
    {
        if (!record.isValid() || record.begin < 0 || record.begin + record.size > source.size())
            return false;
        const char *begin = source.data() + record.begin;
        if (begin != m_runEnd) {
            flushRun();
            m_runBegin = begin;
        }
        m_runEnd = begin + record.size;
        return true;
    }
    // Room for `size` bytes in all, for a writer that knows about how
    // large its file will be.
    void reserve(qsizetype size) { m_bytes.reserve(size); }
    const QByteArray &bytes() const
    {
        flushRun();
        return m_bytes;
    }

private:
    static void appendLine(QByteArray &out, const RecordValue *values, qsizetype count);
    void flushRun() const
    {
        if (m_runBegin != m_runEnd)
            m_bytes.append(m_runBegin, m_runEnd - m_runBegin);
        m_runBegin = m_runEnd = nullptr;
    }

    // The bytes written so far, then the run of copied records not yet in
    // them.
    mutable QByteArray m_bytes;
    mutable const char *m_runBegin = nullptr;
    mutable const char *m_runEnd = nullptr;
};
