#pragma once

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
    // A text read from a file and about to be written back: one holding a
    // double quote would not read back as it was, so it is the TypeMismatch
    // error naming the file (and the line, when known) instead.
    static void requireWritable(const QString &text, const QString &fileName, int line = 0);

    // An empty line: CR LF alone.
    static QByteArray emptyLine() { return QByteArrayLiteral("\r\n"); }

    // Collects lines for one file.
    RecordWriter &write(const QList<RecordValue> &values)
    {
        appendLine(m_bytes, values.constData(), values.size());
        return *this;
    }
    // The same for fields given in place, without a list for each record.
    RecordWriter &write(std::initializer_list<RecordValue> values)
    {
        appendLine(m_bytes, values.begin(), qsizetype(values.size()));
        return *this;
    }
    RecordWriter &writeRaw(const QByteArray &bytes)
    {
        m_bytes += bytes;
        return *this;
    }
    const QByteArray &bytes() const { return m_bytes; }


private:
    static void appendLine(QByteArray &out, const RecordValue *values, qsizetype count);

    QByteArray m_bytes;
};
