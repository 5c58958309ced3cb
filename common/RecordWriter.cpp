#include "RecordWriter.h"

#include "RecordFileError.h"
#include "Windows1252.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cstring>

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
    // Straight into the file's bytes, made room for once: texts and whole
    // numbers, nearly every field of a rewritten file, make no intermediate
    // copies; any other value is written as field() writes it.
    constexpr qsizetype kWholeRoom = 24;
    QVarLengthArray<QByteArray, 8> others;
    qsizetype room = std::max<qsizetype>(count - 1, 0) + 2; // the commas and CR LF
    for (qsizetype i = 0; i < count; ++i) {
        const RecordValue &v = values[i];
        if (v.kind() == RecordValue::Text) {
            room += v.textView().size() + 2;
        } else if (v.kind() == RecordValue::Whole) {
            room += kWholeRoom;
        } else {
            others.append(field(v));
            room += others.last().size();
        }
    }
    const qsizetype start = out.size();
    out.resize(start + room);
    char *const begin = out.data() + start;
    char *to = begin;
    qsizetype other = 0;
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0)
            *to++ = ',';
        const RecordValue &v = values[i];
        if (v.kind() == RecordValue::Text) {
            *to++ = '"';
            to = Windows1252::encodeInto(to, v.textView());
            *to++ = '"';
        } else if (v.kind() == RecordValue::Whole) {
            to = std::to_chars(to, to + kWholeRoom, v.wholeValue()).ptr;
        } else {
            const QByteArray &f = others[other++];
            std::memcpy(to, f.constData(), size_t(f.size()));
            to += f.size();
        }
    }
    *to++ = '\r';
    *to++ = '\n';
    out.truncate(start + (to - begin));
}

QByteArray RecordWriter::line(const QList<RecordValue> &values)
{
    QByteArray out;
    appendLine(out, values.constData(), values.size());
    return out;
}

QByteArray RecordWriter::line(std::initializer_list<RecordValue> values)
{
    QByteArray out;
    appendLine(out, values.begin(), qsizetype(values.size()));
    return out;
}

void RecordWriter::requireWritable(const QString &text, const QString &fileName, int line)
{
    if (text.contains(u'"'))
        throw RecordFileError(RecordFileError::TypeMismatch, fileName,
                              QStringLiteral("the text \"%1\" holds a double quote").arg(text), line);
}
