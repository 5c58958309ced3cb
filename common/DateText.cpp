#include "DateText.h"

#include "NumberText.h"
#include "Windows1252.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
const char *const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The value of a run of ASCII digits (callers check they are digits).
int digitsValue(QStringView digits)
{
    int v = 0;
    for (QChar c : digits)
        v = v * 10 + (c.unicode() - u'0');
    return v;
}

// A year written with `digits` digits: two digits read in 1950-2049.
int yearOf(int y, qsizetype digits)
{
    if (digits <= 2)
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
    // By hand rather than by a regular expression: every journal and log
    // record goes through here when its file is read.
    text = text.trimmed();
    auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    auto isLetter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    qsizetype i = 0;
    while (i < text.size() && i < 3 && isDigit(text[i]))
        ++i;
    const qsizetype dayDigits = i;
    if (dayDigits < 1 || dayDigits > 2 || text.size() - i < 7 || text[i] != u'-' || text[i + 4] != u'-')
        return std::nullopt;
    const QStringView monthText = text.sliced(i + 1, 3);
    for (QChar c : monthText) {
        if (!isLetter(c))
            return std::nullopt;
    }
    const QStringView yearText = text.sliced(i + 5);
    if (yearText.size() != 2 && yearText.size() != 4)
        return std::nullopt;
    for (QChar c : yearText) {
        if (!isDigit(c))
            return std::nullopt;
    }
    int month = 0;
    for (int m = 0; m < 12 && month == 0; ++m) {
        if (monthText.compare(QLatin1String(kMonths[m]), Qt::CaseInsensitive) == 0)
            month = m + 1;
    }
    if (month == 0)
        return std::nullopt;
    const QDate d(yearOf(digitsValue(yearText), yearText.size()), month, digitsValue(text.first(dayDigits)));
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QDate> DateText::parseMedium(QByteArrayView bytes)
{
    // The form the program writes, "07-Dec-26", straight from the bytes;
    // anything else as its text.
    const char *t = bytes.data();
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (bytes.size() == 9 && digit(t[0]) && digit(t[1]) && t[2] == '-' && t[6] == '-' && digit(t[7])
        && digit(t[8])) {
        auto lower = [](char c) { return char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c); };
        for (int m = 0; m < 12; ++m) {
            const char *name = kMonths[m];
            if (lower(t[3]) == lower(name[0]) && lower(t[4]) == lower(name[1]) && lower(t[5]) == lower(name[2])) {
                const QDate d(yearOf((t[7] - '0') * 10 + (t[8] - '0'), 2), m + 1, (t[0] - '0') * 10 + (t[1] - '0'));
                if (!d.isValid())
                    return std::nullopt;
                return d;
            }
        }
        return std::nullopt;
    }
    return parseMedium(Windows1252::decode(bytes));
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
    const QDate d(yearOf(m.capturedView(3).toInt(), m.capturedView(3).size()), m.capturedView(1).toInt(),
                  m.capturedView(2).toInt());
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
