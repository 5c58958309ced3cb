#include "RecordWriter.h"

#include "RecordFileError.h"
#include "Windows1252.h"

#include <charconv>

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

void RecordWriter::appendLine(QByteArray &out, const RecordValue *values, qsizetype count)
{
    // Straight into the file's bytes: texts and whole numbers, nearly every
    // field of a rewritten file, make no intermediate copies.
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0)
            out += ',';
        const RecordValue &v = values[i];
        if (v.kind() == RecordValue::Text) {
            out += '"';
            Windows1252::appendEncoded(out, v.textView());
            out += '"';
        } else if (v.kind() == RecordValue::Whole) {
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, v.wholeValue()).ptr;
            out.append(digits, end - digits);
        } else {
            out += field(v);
        }
    }
    out += "\r\n";
}

QByteArray RecordWriter::line(const QList<RecordValue> &values)
{
    QByteArray out;
    appendLine(out, values.constData(), values.size());
    return out;
}

void RecordWriter::requireWritable(const QString &text, const QString &fileName, int line)
{
    if (text.contains(u'"'))
        throw RecordFileError(RecordFileError::TypeMismatch, fileName,
                              QStringLiteral("the text \"%1\" holds a double quote").arg(text), line);
}
