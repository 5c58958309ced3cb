#include "RecordFileError.h"

#include <QFileInfo>

RecordFileError::RecordFileError(Code code, QString fileName, QString detail, int line)
    : m_code(code), m_fileName(std::move(fileName)), m_detail(std::move(detail)), m_line(line)
{
}

QString RecordFileError::message() const
{
    const QString name = QFileInfo(m_fileName).fileName();
    QString where = m_line > 0 ? QStringLiteral(" (line %1)").arg(m_line) : QString();
    switch (m_code) {
    case FileNotFound:
        return QStringLiteral("The file %1 could not be found.").arg(name);
    case WriteFailed:
        return QStringLiteral("The file %1 could not be saved: %2. Nothing was changed.")
            .arg(name, m_detail);
    case Unfinished:
        return QStringLiteral("The file %1 could not be replaced yet: %2. The save is kept and is finished when "
                              "the program starts next.")
            .arg(name, m_detail);
    case ReadFailed:
        return QStringLiteral("The file %1 could not be read: %2.").arg(name, m_detail);
    case PastEnd:
        return QStringLiteral("The file %1 is damaged: it ends inside a record%2.").arg(name, where);
    case Overflow:
        return QStringLiteral("The file %1 is damaged: a number is too large%2 (%3).")
            .arg(name, where, m_detail);
    case TypeMismatch:
        return QStringLiteral("The file %1 is damaged: a value has the wrong kind%2 (%3).")
            .arg(name, where, m_detail);
    case SubscriptOutOfRange:
    case BadFile:
        break;
    }
    return QStringLiteral("The file %1 could not be used%2: %3.").arg(name, where, m_detail);
}

const char *RecordFileError::what() const noexcept
{
    m_what = message().toUtf8();
    return m_what.constData();
}
