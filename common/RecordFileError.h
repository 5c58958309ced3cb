#pragma once

#include <QString>
#include <exception>

// A failure of reading or writing a record file. The codes keep the numbers
// the program's messages have always used for them.
class RecordFileError : public std::exception
{
public:
    enum Code {
        FileNotFound = 53,
        PastEnd = 62,
        BadFile = 52,
        Overflow = 6,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        ReadFailed = 57,
        WriteFailed = 75,
        Unfinished = 76, // a committed save of several files not yet carried out
    };

    RecordFileError(Code code, QString fileName, QString detail, int line = 0);

    Code code() const { return m_code; }
    int number() const { return int(m_code); }
    const QString &fileName() const { return m_fileName; }
    const QString &detail() const { return m_detail; }
    int line() const { return m_line; }
    void setFileName(const QString &name) { m_fileName = name; }

    // A plain sentence that names the file and the problem, for a message box.
    QString message() const;
    const char *what() const noexcept override;

private:
    Code m_code;
    QString m_fileName;
    QString m_detail;
    int m_line;
    mutable QByteArray m_what;
};
