#include "BoxNumber.h"

#include "common/NumberText.h"

#include <cmath>

std::optional<double> BoxNumber::value(const QString &text)
{
    return NumberText::parse(text);
}

namespace {

std::optional<qint16> inRange(double whole, qint16 lowest, qint16 highest)
{
    if (whole < lowest || whole > highest)
        return std::nullopt;
    return qint16(whole);
}

} // namespace

std::optional<qint16> BoxNumber::wholePart(const QString &text, qint16 lowest, qint16 highest)
{
    const auto v = value(text);
    if (!v)
        return std::nullopt;
    return inRange(std::floor(*v), lowest, highest);
}

std::optional<qint16> BoxNumber::nearest(const QString &text, qint16 lowest, qint16 highest)
{
    const auto v = value(text);
    if (!v)
        return std::nullopt;
    return inRange(NumberText::roundHalfEven(*v), lowest, highest);
}
