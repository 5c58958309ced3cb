#pragma once

#include "RecordFileError.h"
#include "RecordValue.h"

#include <QByteArray>
#include <QDate>
#include <QString>

// Where a record stands in the bytes it was read from, when those bytes are
// exactly what RecordWriter writes for its values: every text quoted, every
// whole number in plain digits, one comma between fields and CR LF after the
// last, nothing else. A rewrite copies such a record instead of converting
// it again. `size` is 0 for any other record. Records compare by their values,
// wherever they stood, so two spans always compare equal.
struct VerbatimRecord
{
    qsizetype begin = 0;
    qsizetype size = 0;

    bool isValid() const { return size > 0; }
    bool operator==(const VerbatimRecord &) const { return true; }
};

// Reads the fields of a record file one by one. Commas and line ends
// delimit fields alike, so a record may span lines. A UTF-8 byte-order mark
// that another program put at the start of the file is skipped; the rest is
// read as Windows-1252 all the same. Each read throws a
// RecordFileError naming the file and line when the field is missing (past
// the end), too large for its target or of the wrong kind.
class RecordReader
{
public:
    explicit RecordReader(QByteArray bytes, QString fileName = QString());

    // The size of the UTF-8 byte-order mark `bytes` start with: 3, else 0.
    static qsizetype byteOrderMarkSize(QByteArrayView bytes)
    {
        return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    }

    // True once every byte has been consumed; directly after the last record
    // of a file the program wrote, and at once for an empty file.
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // True when only blanks, tabs and line ends are left: trailing blank
    // lines of a hand-edited file end it instead of starting a record.
    bool atEndOrBlank() const;

    struct Field {
        QByteArray bytes; // Windows-1252, without quotes
        bool quoted = false;
    };
    Field readField();
    // The next field, a text, as its bytes (without quotes) stand in the
    // file, without a copy: valid while the reader lives. For readers that
    // compare a field with the one before it before converting it.
    QByteArrayView readRaw();

    QString readText();
    qint16 readInt16();
    qint32 readInt32();
    float readSingle();
    double readDouble();
    bool readBool();
    QDate readDate();
    RecordValue readValue();

    // Starts a record: the fields read from here on make up its
    // verbatim() span.
    void beginRecord();
    // The record begun last, when every field read since stood exactly as
    // the writer writes it back (texts read as text, whole numbers of at
    // most six digits read as numbers) and the last one ended its line with
    // CR LF; else an empty span.
    VerbatimRecord verbatim() const;
    // Drops the record begun last and the rest of the line it starts on, and
    // goes on at the next line: a reader that passes over a record it cannot
    // read finds the next record there, as the writer puts one on each line.
    void skipRecordLine();

    // The line the next field starts on, counting from 1.
    int line() const { return m_line; }
    const QString &fileName() const { return m_fileName; }

private:
    // What the last field was, blanks around it aside: a quoted text, plain
    // digits (of at most six) or anything else.
    enum class Shape { Other, Text, Whole };
    enum class Delimiter { None, Comma, CrLf, Other };

    QByteArrayView nextField(bool &quoted);
    void expect(Shape shape) { m_verbatim = m_verbatim && m_plain && m_shape == shape; }
    [[noreturn]] void fail(RecordFileError::Code code, const QString &detail, int line) const;
    double readNumber(const char *kind, int &line);

    QByteArray m_bytes;
    QString m_fileName;
    qsizetype m_pos = 0;
    int m_line = 1;
    qsizetype m_recordBegin = 0;
    int m_recordLine = 1;
    bool m_verbatim = false;
    Shape m_shape = Shape::Other;
    bool m_plain = false; // no blanks around the last field, nothing after its quote
    int m_whole = 0;      // the last field's value when its shape is Whole
    Delimiter m_delimiter = Delimiter::None;
};
