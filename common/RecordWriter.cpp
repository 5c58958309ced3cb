#include "RecordWriter.h"

#include "Windows1252.h"

QByteArray RecordWriter::field(const RecordValue &value)
{
    switch (value.kind()) {
    case RecordValue::Empty:
        return QByteArray();
    case RecordValue::Text:
        return '"' + Windows1252::encode(value.toText()) + '"';
    case RecordValue::Date:
    case RecordValue::DateTime:
        return '#' + value.toText().toLatin1() + '#';
    default:
        return value.toText().toLatin1();
    }
}

QByteArray RecordWriter::line(const QList<RecordValue> &values)
{
    QByteArray out;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ',';
        out += field(values[i]);
    }
    out += "\r\n";
    return out;
}
