#pragma once

#include "RecordFileError.h"
#include "RecordValue.h"

#include <QByteArray>
#include <QDate>
#include <QString>

// Reads the fields of a record file one by one. Commas and line ends
// delimit fields alike, so a record may span lines. Each read throws a
// RecordFileError naming the file and line when the field is missing (past
// the end), too large for its target or of the wrong kind.
class RecordReader
{
public:
    explicit RecordReader(QByteArray bytes, QString fileName = QString());

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
    // The next field's bytes (without quotes) as they stand in the file,
    // without a copy: valid while the reader lives. For readers that compare
    // a field with the one before it before converting it.
    QByteArrayView readRaw() { bool quoted = false; return nextField(quoted); }

    QString readText();
    qint16 readInt16();
    qint32 readInt32();
    float readSingle();
    double readDouble();
    bool readBool();
    QDate readDate();
    RecordValue readValue();

    // The line the next field starts on, counting from 1.
    int line() const { return m_line; }
    const QString &fileName() const { return m_fileName; }

private:
    QByteArrayView nextField(bool &quoted);
    [[noreturn]] void fail(RecordFileError::Code code, const QString &detail, int line) const;
    double readNumber(const char *kind, int &line);

    QByteArray m_bytes;
    QString m_fileName;
    qsizetype m_pos = 0;
    int m_line = 1;
};
