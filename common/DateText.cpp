#include "DateText.h"

#include "NumberText.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
const char *const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

int yearOf(QStringView digits)
{
    const int y = digits.toInt();
    if (digits.size() <= 2)
        return y < 50 ? 2000 + y : 1900 + y;
    return y;
}
} // namespace

QString DateText::monthAbbreviation(int month)
{
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(kMonths[month - 1]);
}

QString DateText::medium(const QDate &date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(monthAbbreviation(date.month()))
        .arg(((date.year() % 100) + 100) % 100, 2, 10, QChar(u'0'));
}

std::optional<QDate> DateText::parseMedium(QStringView text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})-([A-Za-z]{3})-(\\d{2}|\\d{4})\\s*$"));
    const auto m = re.match(text.toString());
    if (!m.hasMatch())
        return std::nullopt;
    int month = 0;
    for (int i = 0; i < 12; ++i) {
        if (m.capturedView(2).compare(QLatin1String(kMonths[i]), Qt::CaseInsensitive) == 0)
            month = i + 1;
    }
    if (month == 0)
        return std::nullopt;
    const QDate d(yearOf(m.capturedView(3)), month, m.capturedView(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

QString DateText::shortDate(const QDate &date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

std::optional<QDate> DateText::parseShort(QStringView text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})\\s*$"));
    const auto m = re.match(text.toString());
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(yearOf(m.capturedView(3)), m.capturedView(1).toInt(), m.capturedView(2).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

QString DateText::dayMonth(const QDate &date)
{
    return QStringLiteral("%1-%2").arg(date.day()).arg(monthAbbreviation(date.month()));
}

QString DateText::longDate(const QDate &date)
{
    return QLocale().toString(date, QLocale::LongFormat);
}

QString DateText::percent(double fraction)
{
    const double hundredths = NumberText::roundHalfEven(fraction * 100.0, 2);
    return QString::number(hundredths, 'f', 2) + u'%';
}

std::optional<QDate> DateText::parseAny(QStringView text)
{
    if (auto d = parseMedium(text))
        return d;
    if (auto d = parseShort(text))
        return d;
    const QDate iso = QDate::fromString(text.trimmed().toString(), Qt::ISODate);
    if (iso.isValid())
        return iso;
    return std::nullopt;
}
