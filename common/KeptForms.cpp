#include "KeptForms.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace KeptForms {

namespace {

constexpr quint64 kOdd1 = 0x9E3779B97F4A7C15ULL;
constexpr quint64 kOdd2 = 0xC2B2AE3D27D4EB4FULL;
constexpr quint64 kOdd3 = 0x94D049BB133111EBULL;
constexpr quint64 kOdd4 = 0xBF58476D1CE4E5B9ULL;

inline quint64 word(const char *p)
{
    quint64 w;
    std::memcpy(&w, p, 8);
    return w;
}

// One word into a lane: mixed in, multiplied so that each of its bits
// reaches the bits above it, and turned so that the high ones come down.
// Each step is one-to-one, so a word that differs leaves its lane different.
inline quint64 take(quint64 lane, quint64 w)
{
    return std::rotl((lane ^ w) * kOdd1, 29);
}

// Every bit of `h` made to reach every bit of the result.
inline quint64 spread(quint64 h)
{
    h ^= h >> 30;
    h *= kOdd4;
    h ^= h >> 27;
    h *= kOdd3;
    h ^= h >> 31;
    return h;
}

} // namespace

quint64 digest(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const qsizetype n = bytes.size();
    // Eight lanes of eight bytes each, independent of one another so that
    // the processor works on all of them at once.
    quint64 a = kOdd1, b = kOdd2, c = kOdd3, d = kOdd4, e = ~kOdd1, f = ~kOdd2, g = ~kOdd3, k = ~kOdd4;
    qsizetype i = 0;
    for (; i + 64 <= n; i += 64) {
        a = take(a, word(p + i));
        b = take(b, word(p + i + 8));
        c = take(c, word(p + i + 16));
        d = take(d, word(p + i + 24));
        e = take(e, word(p + i + 32));
        f = take(f, word(p + i + 40));
        g = take(g, word(p + i + 48));
        k = take(k, word(p + i + 56));
    }
    const quint64 lanes[8] = {a, b, c, d, e, f, g, k};
    // The size first, so that a file one zero byte longer is told apart.
    quint64 h = spread(quint64(n) ^ kOdd3);
    for (const quint64 lane : lanes)
        h = spread(take(h, lane));
    for (; i + 8 <= n; i += 8)
        h = spread(take(h, word(p + i)));
    if (i < n) {
        quint64 w = 0;
        std::memcpy(&w, p + i, size_t(n - i));
        h = take(h, w);
    }
    return spread(h);
}

namespace {

// The file: a heading line, then every entry as its name, a NUL, its size,
// digest and form separated by blanks, and a NUL. The heading gives the
// length of the entries and their digest, so that a file cut short or
// mixed with another is none at all.
const QByteArray kHeading = QByteArrayLiteral("pulsar-forms 1 ");

QByteArray hex(quint64 v)
{
    return QByteArray::number(v, 16).rightJustified(16, '0');
}

std::optional<quint64> fromHex(QByteArrayView text)
{
    if (text.size() != 16)
        return std::nullopt;
    quint64 v = 0;
    for (const char c : text) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else
            return std::nullopt;
        v = (v << 4) | quint64(d);
    }
    return v;
}

std::optional<qint64> fromDecimal(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 18 || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    qint64 v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

QByteArray encode(QList<Entry> entries)
{
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.name < b.name; });
    QByteArray body;
    for (const Entry &e : std::as_const(entries)) {
        body += e.name;
        body += '\0';
        body += QByteArray::number(e.size);
        body += ' ';
        body += hex(e.digest);
        body += ' ';
        body += e.form;
        body += '\0';
    }
    return kHeading + QByteArray::number(body.size()) + ' ' + hex(digest(body)) + '\n' + body;
}

std::optional<QList<Entry>> decode(QByteArrayView bytes)
{
    if (!bytes.startsWith(kHeading))
        return std::nullopt;
    const qsizetype lineEnd = bytes.indexOf('\n');
    if (lineEnd < 0)
        return std::nullopt;
    const QByteArrayView heading = bytes.sliced(kHeading.size(), lineEnd - kHeading.size());
    const qsizetype blank = heading.indexOf(' ');
    if (blank < 0)
        return std::nullopt;
    const auto length = fromDecimal(heading.first(blank));
    const auto sum = fromHex(heading.sliced(blank + 1));
    const QByteArrayView body = bytes.sliced(lineEnd + 1);
    if (!length || !sum || *length != body.size() || digest(body) != *sum)
        return std::nullopt;
    QList<Entry> out;
    qsizetype at = 0;
    while (at < body.size()) {
        const qsizetype nameEnd = body.indexOf('\0', at);
        if (nameEnd <= at)
            return std::nullopt;
        const qsizetype end = body.indexOf('\0', nameEnd + 1);
        if (end < 0)
            return std::nullopt;
        Entry e;
        e.name = body.sliced(at, nameEnd - at).toByteArray();
        // In the order encode() writes them, each name once.
        if (e.name.contains('/') || (!out.isEmpty() && !(out.last().name < e.name)))
            return std::nullopt;
        const QByteArrayView rest = body.sliced(nameEnd + 1, end - nameEnd - 1);
        const qsizetype first = rest.indexOf(' ');
        const qsizetype second = first < 0 ? -1 : rest.indexOf(' ', first + 1);
        if (second < 0)
            return std::nullopt;
        const auto size = fromDecimal(rest.first(first));
        const auto sumOfFile = fromHex(rest.sliced(first + 1, second - first - 1));
        if (!size || !sumOfFile)
            return std::nullopt;
        e.size = *size;
        e.digest = *sumOfFile;
        e.form = rest.sliced(second + 1).toByteArray();
        if (e.form.isEmpty())
            return std::nullopt;
        out.append(std::move(e));
        at = end + 1;
    }
    return out;
}

} // namespace KeptForms
