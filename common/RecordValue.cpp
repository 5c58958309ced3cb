#include "RecordValue.h"

#include "NumberText.h"

QString RecordValue::toText() const
{
    switch (m_kind) {
    case Empty:
        return QString();
    case Text:
        return std::get<QString>(m_value);
    case Whole:
        return NumberText::whole(std::get<qint64>(m_value));
    case Single:
        return NumberText::single(std::get<float>(m_value));
    case Double:
        return NumberText::dbl(std::get<double>(m_value));
    case Boolean:
        return std::get<bool>(m_value) ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
    case Date:
        return std::get<QDate>(m_value).toString(QStringLiteral("yyyy-MM-dd"));
    case DateTime:
        return std::get<QDateTime>(m_value).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    return QString();
}

double RecordValue::toDouble() const
{
    switch (m_kind) {
    case Whole:
        return double(std::get<qint64>(m_value));
    case Single:
        return double(std::get<float>(m_value));
    case Double:
        return std::get<double>(m_value);
    default:
        return 0;
    }
}

QDate RecordValue::toDate() const
{
    if (m_kind == Date)
        return std::get<QDate>(m_value);
    if (m_kind == DateTime)
        return std::get<QDateTime>(m_value).date();
    return QDate();
}
