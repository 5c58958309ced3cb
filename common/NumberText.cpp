#include "NumberText.h"

#include <cmath>
#include <charconv>
#include <string>
#include <limits>

namespace {

// Writes |value| with at most `digits` significant digits in plain decimal
// notation, without trailing zeros.
QString format(double value, int digits)
{
    if (!std::isfinite(value))
        return value > 0 ? QStringLiteral("1E+308") : value < 0 ? QStringLiteral("-1E+308")
                                                                : QStringLiteral("0");
    if (value == 0)
        return QStringLiteral("0");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                   digits - 1);
    // buf: [-]d.ddddde[+-]XX, whatever the locale
    QString s = QString::fromLatin1(buf, res.ptr - buf);
    const bool negative = s.startsWith(u'-');
    if (negative)
        s.remove(0, 1);
    const qsizetype e = s.indexOf(u'e');
    int exponent = s.mid(e + 1).toInt();
    QString mantissa = s.left(e);
    mantissa.remove(u'.');
    while (mantissa.size() > 1 && mantissa.endsWith(u'0'))
        mantissa.chop(1);
    QString out;
    if (exponent >= 0) {
        if (exponent + 1 >= mantissa.size())
            out = mantissa + QString(exponent + 1 - mantissa.size(), u'0');
        else
            out = mantissa.left(exponent + 1) + u'.' + mantissa.mid(exponent + 1);
    } else {
        out = QStringLiteral("0.") + QString(-exponent - 1, u'0') + mantissa;
    }
    return negative ? u'-' + out : out;
}

} // namespace

double NumberText::roundHalfEven(double value)
{
    // nearbyint rounds in the current mode, which is to-nearest-even.
    return std::nearbyint(value);
}

double NumberText::roundHalfEven(double value, int decimals)
{
    // Round the shortest decimal text of the value, so that a tie is a tie
    // in the number as written (0.06665 is a tie, whatever its binary form).
    if (!std::isfinite(value) || decimals < 0)
        return value;
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string text(buf, res.ptr);
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.erase(0, 1);
    const auto point = text.find('.');
    std::string whole = point == std::string::npos ? text : text.substr(0, point);
    std::string frac = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (int(frac.size()) <= decimals)
        return value;
    std::string kept = whole + frac.substr(0, decimals);
    const std::string rest = frac.substr(decimals);
    bool up = false;
    if (rest[0] > '5')
        up = true;
    else if (rest[0] == '5') {
        const bool exactHalf = rest.find_first_not_of('0', 1) == std::string::npos;
        up = !exactHalf || ((kept.back() - '0') % 2 == 1);
    }
    if (up) {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i];
    }
    std::string out = kept.substr(0, kept.size() - decimals);
    if (decimals > 0)
        out += '.' + kept.substr(kept.size() - decimals);
    double result = 0;
    std::from_chars(out.data(), out.data() + out.size(), result);
    return negative ? -result : result;
}

std::optional<qint32> NumberText::whole32(double value)
{
    const double whole = roundHalfEven(value);
    if (!(whole >= double(std::numeric_limits<qint32>::min()) && whole <= double(std::numeric_limits<qint32>::max())))
        return std::nullopt;
    return qint32(whole);
}

QString NumberText::single(float value)
{
    return format(double(value), 7);
}

QString NumberText::dbl(double value)
{
    return format(value, 15);
}

QString NumberText::whole(qint64 value)
{
    return QString::number(value);
}

std::optional<double> NumberText::parse(QStringView text)
{
    if (text.size() > 400)
        return std::nullopt;
    QByteArray ascii;
    ascii.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() >= 128)
            return std::nullopt;
        ascii.append(char(c.unicode()));
    }
    return parse(QByteArrayView(ascii));
}

std::optional<double> NumberText::parse(QByteArrayView ascii)
{
    // Plain whole numbers first, nearly every number of the data files.
    {
        const char *p = ascii.data();
        const char *end = p + ascii.size();
        const bool negative = p < end && *p == '-';
        if (negative)
            ++p;
        if (p < end && end - p <= 15) {
            double v = 0;
            const char *q = p;
            for (; q < end && *q >= '0' && *q <= '9'; ++q)
                v = v * 10 + double(*q - '0');
            if (q == end)
                return negative ? -v : v;
        }
    }
    const QByteArrayView t = ascii.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    // Only a sign, digits, one point and an exponent are allowed.
    qsizetype i = 0;
    const bool negative = t[0] == '-';
    if (t[i] == '-' || t[i] == '+')
        ++i;
    const qsizetype numberStart = i;
    bool digits = false;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
        digits = true;
    }
    const qsizetype wholeEnd = i;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    // Whole numbers, nearly every number of the data files, exactly and
    // without a conversion routine (up to 15 digits a double holds them).
    if (wholeEnd == t.size() && wholeEnd - numberStart <= 15) {
        double v = 0;
        for (qsizetype k = numberStart; k < wholeEnd; ++k)
            v = v * 10 + double(t[k] - '0');
        return negative ? -v : v;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '-' || t[i] == '+'))
            ++i;
        bool expDigits = false;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            expDigits = true;
        }
        if (!expDigits)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    // from_chars wants a digit before the point and no "+" anywhere but in
    // the exponent; ".05" and "+3" are fine numbers in the data files.
    char buf[512];
    qsizetype len = 0;
    if (t.size() - numberStart + 2 > qsizetype(sizeof buf))
        return std::nullopt;
    if (t[numberStart] == '.')
        buf[len++] = '0';
    for (qsizetype k = numberStart; k < t.size(); ++k)
        buf[len++] = t[k];
    double v = 0;
    const auto res = std::from_chars(buf, buf + len, v);
    if (res.ec != std::errc() || res.ptr != buf + len || !std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}
