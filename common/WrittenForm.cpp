#include "WrittenForm.h"

#include <QList>

namespace WrittenForm {

namespace {

QByteArray head(QByteArrayView kind)
{
    return kind.toByteArray() + ", new at ";
}

} // namespace

QByteArray of(QByteArrayView kind, qsizetype begin, qsizetype end)
{
    return head(kind) + QByteArray::number(begin) + ' ' + QByteArray::number(end);
}

std::optional<std::pair<qsizetype, qsizetype>> newRecord(QByteArrayView form, QByteArrayView kind, qsizetype size)
{
    const QByteArray start = head(kind);
    if (!form.startsWith(start))
        return std::nullopt;
    const QList<QByteArray> numbers = form.sliced(start.size()).toByteArray().split(' ');
    if (numbers.size() != 2)
        return std::nullopt;
    bool ok1 = false;
    bool ok2 = false;
    const qsizetype begin = numbers[0].toLongLong(&ok1);
    const qsizetype end = numbers[1].toLongLong(&ok2);
    if (!ok1 || !ok2 || begin < 0 || begin >= end || end > size)
        return std::nullopt;
    return std::pair{begin, end};
}

} // namespace WrittenForm
