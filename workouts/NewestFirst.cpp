#include "NewestFirst.h"

#include "common/DateText.h"

namespace NewestFirst {

namespace {

// The date of the record on the line that starts at `at`, and where the
// next line starts; none when the line does not start with a date field as
// the writer writes it.
std::optional<std::pair<QDate, qsizetype>> lineAt(QByteArrayView bytes, qsizetype at)
{
    if (at >= bytes.size() || bytes[at] != '"')
        return std::nullopt;
    const qsizetype close = bytes.indexOf('"', at + 1);
    const qsizetype lineEnd = bytes.indexOf('\n', at);
    if (close < 0 || lineEnd < 0 || close > lineEnd)
        return std::nullopt;
    const auto date = DateText::parseMedium(bytes.sliced(at + 1, close - at - 1));
    if (!date)
        return std::nullopt;
    return std::pair{*date, lineEnd + 1};
}

} // namespace

std::optional<QDate> dateOfLine(QByteArrayView line)
{
    const auto read = lineAt(line, 0);
    return read ? std::optional<QDate>(read->first) : std::nullopt;
}

std::optional<qsizetype> placeIn(QByteArrayView bytes, const QDate &date)
{
    qsizetype low = 0;             // a line's start; every record before it is later than `date`
    qsizetype high = bytes.size(); // a line's start, or the end; the place is not after it
    while (low < high) {
        qsizetype at = low + (high - low) / 2;
        if (at > low) {
            const qsizetype lineEnd = bytes.indexOf('\n', at - 1);
            at = lineEnd < 0 ? bytes.size() : lineEnd + 1;
        }
        if (at >= high)
            at = low; // one line left between them
        const auto line = lineAt(bytes, at);
        if (!line)
            return std::nullopt;
        if (line->first <= date)
            high = at;
        else
            low = line->second;
    }
    return low;
}

std::optional<Stitched> stitch(const QByteArray &bytes, std::pair<qsizetype, qsizetype> last, const QByteArray &again,
                               qsizetype at, const QByteArray &made)
{
    const auto [begin, end] = last;
    if (at > begin && at < end)
        return std::nullopt;
    const QByteArrayView all(bytes);
    Stitched out;
    out.bytes.reserve(bytes.size() - (end - begin) + again.size() + made.size());
    if (at <= begin) {
        out.bytes.append(all.first(at));
        out.newBegin = out.bytes.size();
        out.bytes.append(made);
        out.bytes.append(all.sliced(at, begin - at));
        out.bytes.append(again);
        out.bytes.append(all.sliced(end));
    } else {
        out.bytes.append(all.first(begin));
        out.bytes.append(again);
        out.bytes.append(all.sliced(end, at - end));
        out.newBegin = out.bytes.size();
        out.bytes.append(made);
        out.bytes.append(all.sliced(at));
    }
    return out;
}

} // namespace NewestFirst
