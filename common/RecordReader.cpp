#include "RecordReader.h"

#include "ByteLanes.h"

#include "DateText.h"
#include "NumberText.h"
#include "Windows1252.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>


RecordReader::RecordReader(QByteArray bytes, QString fileName)
    : m_bytes(std::move(bytes)), m_fileName(std::move(fileName)), m_pos(byteOrderMarkSize(m_bytes))
{
}

bool RecordReader::onlySpaceLeft() const
{
    const char *data = m_bytes.constData();
    for (qsizetype i = m_pos; i < m_bytes.size(); ++i) {
        if (!isSpace(data[i]))
            return false;
    }
    return true;
}

void RecordReader::fail(RecordFileError::Code code, const QString &detail, int line) const
{
    throw RecordFileError(code, m_fileName, detail, line);
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// A whole number as the writer writes it, of at most six digits, so that
// every number type of the files writes it back the same: an optional minus,
// no leading zero, no "-0". Gives its value.
bool isPlainWhole(QByteArrayView f, int &value)
{
    const char *p = f.data();
    const char *end = p + f.size();
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    const qsizetype digits = end - p;
    if (digits < 1 || digits > 6 || (*p == '0' && (digits > 1 || negative)))
        return false;
    int v = 0;
    for (; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        v = v * 10 + (*p - '0');
    }
    value = negative ? -v : v;
    return true;
}

} // namespace

namespace {

#if defined(__SSE2__)
using ByteLanes::bitsOf;
using ByteLanes::bytesEqual;
using ByteLanes::digitLanes;
#endif

// Where the bytes at `p` end when they are `count` whole numbers of one to
// four digits without a leading zero (so of 16 bits), each after a comma,
// then CR LF: the byte after the LF; null when they are anything else or
// longer than 62 bytes, or fewer than 64 bytes are left before `end`. Sixteen
// bytes at a time: this checks most records of the logs and journals.
const char *plainNumbers(const char *p, const char *end, int count)
{
#if defined(__SSE2__)
    if (end - p < 64)
        return nullptr;
    quint64 digit = 0, comma = 0, zero = 0, cr = 0;
    // Most records end within the first sixteen bytes: the chunks after
    // the one with the CR are not looked at.
    for (int chunk = 0; chunk < 4 && !cr; ++chunk) {
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * chunk));
        digit |= bitsOf(digitLanes(c), chunk);
        comma |= bitsOf(_mm_cmpeq_epi8(c, _mm_set1_epi8(',')), chunk);
        zero |= bitsOf(_mm_cmpeq_epi8(c, _mm_set1_epi8('0')), chunk);
        cr |= bitsOf(_mm_cmpeq_epi8(c, _mm_set1_epi8('\r')), chunk);
    }
    if (!cr)
        return nullptr;
    const int length = std::countr_zero(cr); // the bytes before the CR
    if (length < 2 || length > 62 || p[length + 1] != '\n')
        return nullptr;
    const quint64 within = (quint64(1) << length) - 1;
    comma &= within;
    digit &= within;
    if ((digit | comma) != within || std::popcount(comma) != count || !(comma & 1))
        return nullptr;
    // No empty number (two commas in a row, or a comma last), no leading
    // zero, no run of five digits.
    const quint64 starts = comma << 1;
    if ((comma & starts) || (comma >> (length - 1)) || (zero & starts & (digit >> 1))
        || (digit & (digit >> 1) & (digit >> 2) & (digit >> 3) & (digit >> 4)))
        return nullptr;
    return p + length + 2;
#else
    Q_UNUSED(p);
    Q_UNUSED(end);
    Q_UNUSED(count);
    return nullptr;
#endif
}

#if defined(__SSE2__)
// The digits of the 64 bytes in `b`, one bit each.
Q_ALWAYS_INLINE quint64 digitBytes(const __m128i (&b)[4])
{
    quint64 m = 0;
    for (int i = 0; i < 4; ++i)
        m |= bitsOf(digitLanes(b[i]), i);
    return m;
}
#endif

// `m` moved `k` bytes on (1 to 63), the last `k` bytes of `before`, the
// block before, coming in first.
Q_ALWAYS_INLINE quint64 after(quint64 m, quint64 before, int k)
{
    return (m << k) | (before >> (64 - k));
}

} // namespace

// Made for three kinds of x86-64 processors, the one the machine has chosen
// as the program starts: with the 256-bit instructions and the counting of
// bits (1.5 times as fast here), with the counting of bits only, and any.
// Not in a build with a sanitizer, whose start the choice comes before.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)              \
    && !defined(__SANITIZE_ADDRESS__)
#define PULSAR_PROCESSOR_KINDS __attribute__((target_clones("arch=x86-64-v3", "popcnt", "default")))
#else
#define PULSAR_PROCESSOR_KINDS
#endif

PULSAR_PROCESSOR_KINDS
qsizetype RecordReader::plainTextAndNumbersLines(QByteArrayView bytes, int numbers, qsizetype *lines)
{
    *lines = 0;
#if defined(__SSE2__)
    // More than twelve numbers may take more than the 62 bytes the check
    // of one line looks at.
    if (numbers < 1 || numbers > 12)
        return 0;
    const char *const data = bytes.data();
    const qsizetype blocks = bytes.size() / 64;
    qsizetype taken = 0;
    // What the block before leaves the next one: whether it ends within a
    // text, its line feeds (the first block starts a line), CRs, closing
    // quotes, commas, digits and zeros outside the texts, and the commas
    // of the line that goes on.
    quint64 inText = 0;
    quint64 lineFeeds = quint64(1) << 63, crs = 0, closes = 0, commas = 0, digits = 0, zeros = 0;
    int lineCommas = 0;
    for (qsizetype b = 0; b < blocks; ++b) {
        const char *const p = data + 64 * b;
        __m128i v[4];
        ByteLanes::load64(p, v);
        const quint64 q = bytesEqual(v, '"');
        const quint64 lf = bytesEqual(v, '\n');
        // Within a text: from its opening quote to before its closing one.
        quint64 x = q;
        x ^= x << 1;
        x ^= x << 2;
        x ^= x << 4;
        x ^= x << 8;
        x ^= x << 16;
        x ^= x << 32;
        x ^= inText;
        inText = quint64(qint64(x) >> 63);
        const quint64 open = q & x;
        const quint64 close = q & ~x;
        const quint64 out = ~x & ~q;
        const quint64 cr = bytesEqual(v, '\r') & out;
        const quint64 comma = bytesEqual(v, ',') & out;
        const quint64 digit = digitBytes(v) & out;
        const quint64 zero = bytesEqual(v, '0') & out;
        // A byte where a line goes wrong.
        quint64 wrong = (after(lf, lineFeeds, 1) ^ open)                       // a line starts with its text
                        | (lf & x)                                              // which holds no line feed
                        | (out & ~(digit | comma | cr | lf))                    // nothing else but numbers
                        | (lf ^ after(cr, crs, 1))                              // CR LF ends the line
                        | (after(close, closes, 1) & ~comma)                    // a comma after the text
                        | (after(comma, commas, 1) & ~digit)                    // a digit after each comma
                        | (cr & ~after(digit, digits, 1))                       // and before the CR
                        | (digit & after(zero, zeros, 1) & after(comma, commas, 2)) // no leading zero
                        | (digit & after(digit, digits, 1) & after(digit, digits, 2) & after(digit, digits, 3)
                           & after(digit, digits, 4)); // at most four digits
        // So many commas on each line.
        quint64 rest = comma;
        for (quint64 ends = lf; ends; ends &= ends - 1) {
            const quint64 upTo = (ends ^ (ends - 1)); // the bytes up to this line feed
            if (lineCommas + std::popcount(rest & upTo) != numbers)
                wrong |= ends & ~(ends - 1);
            rest &= ~upTo;
            lineCommas = 0;
        }
        lineCommas += std::popcount(rest);
        if (wrong) {
            // The lines that end before the first wrong byte.
            const quint64 before = lf & ((wrong & ~(wrong - 1)) - 1);
            if (before) {
                taken = 64 * b + 64 - std::countl_zero(before);
                *lines += std::popcount(before);
            }
            return taken;
        }
        if (lf) {
            taken = 64 * b + 64 - std::countl_zero(lf);
            *lines += std::popcount(lf);
        }
        lineFeeds = lf;
        crs = cr;
        closes = close;
        commas = comma;
        digits = digit;
        zeros = zero;
    }
    return taken;
#else
    Q_UNUSED(bytes);
    Q_UNUSED(numbers);
    return 0;
#endif
}

bool RecordReader::skipPlainTextAndNumbersLines(int numbers)
{
    qsizetype lines = 0;
    const qsizetype taken = plainTextAndNumbersLines(QByteArrayView(m_bytes).sliced(m_pos), numbers, &lines);
    if (taken == 0)
        return false;
    m_pos += taken;
    m_line += int(lines);
    m_delimiter = Delimiter::CrLf;
    return true;
}

bool RecordReader::skipPlainTextAndNumbers(int numbers)
{
    const char *const data = m_bytes.constData();
    const char *const end = data + m_bytes.size();
    const char *p = data + m_pos;
    if (p == end || *p != '"')
        return false;
    p += 1 + quoteOrLineFeed(p + 1, end - p - 1);
    if (p == end || *p != '"')
        return false;
    const char *const after = plainNumbers(p + 1, end, numbers);
    if (!after)
        return false;
    m_pos = after - data;
    ++m_line;
    m_delimiter = Delimiter::CrLf;
    return true;
}

RecordReader::Field RecordReader::readField()
{
    m_verbatim = false;
    bool quoted = false;
    const QByteArrayView v = nextField(quoted);
    return Field{v.toByteArray(), quoted};
}

QByteArrayView RecordReader::readRaw()
{
    bool quoted = false;
    const QByteArrayView f = nextField(quoted);
    expect(Shape::Text);
    return f;
}

void RecordReader::skipRecordLine()
{
    const qsizetype n = m_bytes.size();
    const char *data = m_bytes.constData();
    m_pos = m_recordBegin;
    m_line = m_recordLine;
    while (m_pos < n && !isLineEnd(data[m_pos]))
        ++m_pos;
    if (m_pos < n) {
        if (data[m_pos] == '\r' && m_pos + 1 < n && data[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }
    m_verbatim = false;
    m_delimiter = Delimiter::None;
}

QByteArrayView RecordReader::nextField(bool &quoted)
{
    if (atEnd())
        fail(RecordFileError::PastEnd, QStringLiteral("input past end of file"), m_line);
    // A field after a line end of its own record: the writer puts a record
    // on one line.
    if (m_delimiter != Delimiter::None && m_delimiter != Delimiter::Comma)
        m_verbatim = false;
    const qsizetype n = m_bytes.size();
    // Read through constData(): the non-const operator[] would detach, and
    // copy the whole file when the caller still holds its bytes.
    const char *data = m_bytes.constData();
    const qsizetype fieldStart = m_pos;
    while (m_pos < n && isBlank(data[m_pos]))
        ++m_pos;
    // Blanks around a field, dropped by every read, are not written back.
    bool plain = m_pos == fieldStart;

    QByteArrayView f;
    quoted = false;
    if (m_pos < n && data[m_pos] == '"') {
        quoted = true;
        const qsizetype start = m_pos + 1;
        const auto *closing = static_cast<const char *>(std::memchr(data + start, '"', size_t(n - start)));
        const qsizetype close = closing ? closing - data : n;
        f = QByteArrayView(data + start, close - start);
        for (const char *p = data + start, *end = data + close;
             p < end && (p = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)))); ++p)
            ++m_line;
        m_pos = std::min(close + 1, n);
        // Anything between the closing quote and the delimiter is dropped.
        const qsizetype afterQuote = m_pos;
        while (m_pos < n && data[m_pos] != ',' && !isLineEnd(data[m_pos]))
            ++m_pos;
        m_shape = closing && m_pos == afterQuote ? Shape::Text : Shape::Other;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && data[m_pos] != ',' && !isLineEnd(data[m_pos]))
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && isBlank(data[end - 1]))
            --end;
        f = QByteArrayView(data + start, end - start);
        plain = plain && end == m_pos;
        m_shape = isPlainWhole(f, m_whole) ? Shape::Whole : Shape::Other;
    }

    m_plain = plain;
    m_delimiter = Delimiter::Other;
    if (m_pos < n) {
        const char c = data[m_pos];
        if (c == ',') {
            ++m_pos;
            m_delimiter = Delimiter::Comma;
        } else if (c == '\r') {
            ++m_pos;
            if (m_pos < n && data[m_pos] == '\n') {
                ++m_pos;
                m_delimiter = Delimiter::CrLf;
            }
            ++m_line;
        } else if (c == '\n') {
            ++m_pos;
            ++m_line;
        }
    }
    return f;
}

QString RecordReader::readText()
{
    bool quoted = false;
    const QByteArrayView f = nextField(quoted);
    expect(Shape::Text);
    return Windows1252::decode(f);
}

double RecordReader::readNumber(const char *kind, int &line)
{
    line = m_line;
    bool quoted = false;
    const QByteArrayView f = nextField(quoted);
    expect(Shape::Whole);
    // Plain digits, nearly every number of the files, are converted already.
    if (m_shape == Shape::Whole)
        return m_whole;
    // An empty field (white space alone) is 0.
    if (std::all_of(f.begin(), f.end(), [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }))
        return 0;
    const auto v = NumberText::parse(f);
    if (!v)
        fail(RecordFileError::TypeMismatch,
             QStringLiteral("\"%1\" is not a %2").arg(Windows1252::decode(f), QLatin1String(kind)), line);
    return *v;
}

qint16 RecordReader::readInt16()
{
    int line = 0;
    const double number = readNumber("whole number", line);
    // A whole number needs no rounding.
    const double v = m_shape == Shape::Whole ? number : NumberText::roundHalfEven(number);
    if (v < -32768 || v > 32767)
        fail(RecordFileError::Overflow, QStringLiteral("%1 does not fit").arg(NumberText::dbl(v)), line);
    return qint16(v);
}

qint32 RecordReader::readInt32()
{
    int line = 0;
    const double number = readNumber("whole number", line);
    const double v = m_shape == Shape::Whole ? number : NumberText::roundHalfEven(number);
    if (v < double(std::numeric_limits<qint32>::min()) || v > double(std::numeric_limits<qint32>::max()))
        fail(RecordFileError::Overflow, QStringLiteral("%1 does not fit").arg(NumberText::dbl(v)), line);
    return qint32(v);
}

float RecordReader::readSingle()
{
    int line = 0;
    const double v = readNumber("number", line);
    if (std::fabs(v) > double(std::numeric_limits<float>::max()))
        fail(RecordFileError::Overflow, QStringLiteral("%1 does not fit").arg(NumberText::dbl(v)), line);
    return float(v);
}

double RecordReader::readDouble()
{
    int line = 0;
    return readNumber("number", line);
}

bool RecordReader::readBool()
{
    const int line = m_line;
    m_verbatim = false;
    bool quoted = false;
    const QByteArrayView t = nextField(quoted).trimmed();
    // The words are plain ASCII, so the bytes compare as the characters do.
    auto is = [&t](const char *word) { return t.compare(QByteArrayView(word), Qt::CaseInsensitive) == 0; };
    if (is("#TRUE#") || is("True"))
        return true;
    if (is("#FALSE#") || is("False"))
        return false;
    fail(RecordFileError::TypeMismatch, QStringLiteral("\"%1\" is not a Boolean").arg(Windows1252::decode(t)), line);
}

namespace {
std::optional<QDate> dateOf(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() >= 2 && t.startsWith(u'#') && t.endsWith(u'#')) {
        const QString inner = t.mid(1, t.size() - 2).trimmed();
        const QDate d = QDate::fromString(inner.left(10), QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            return d;
        return std::nullopt;
    }
    return DateText::parseAny(t);
}

// The same for a field's bytes: the forms the program writes, "#2026-12-07#"
// and "07-Dec-26", straight from them; anything else as its text.
std::optional<QDate> dateOf(QByteArrayView bytes)
{
    const char *b = bytes.data();
    auto digits = [b](int from, int to) {
        int v = 0;
        for (int i = from; i < to; ++i) {
            if (b[i] < '0' || b[i] > '9')
                return -1;
            v = v * 10 + (b[i] - '0');
        }
        return v;
    };
    if (bytes.size() == 12 && b[0] == '#' && b[5] == '-' && b[8] == '-' && b[11] == '#') {
        const int year = digits(1, 5), month = digits(6, 8), day = digits(9, 11);
        if (year >= 0 && month >= 0 && day >= 0) {
            const QDate d(year, month, day);
            if (d.isValid())
                return d;
        }
    } else if (bytes.size() == 9) {
        if (const auto d = DateText::parseMedium(bytes))
            return d;
    }
    return dateOf(Windows1252::decode(bytes));
}
} // namespace

QDate RecordReader::readDate()
{
    const int line = m_line;
    const Field f = readField();
    const auto d = dateOf(QByteArrayView(f.bytes));
    if (!d)
        fail(RecordFileError::TypeMismatch,
             QStringLiteral("\"%1\" is not a date").arg(Windows1252::decode(f.bytes).trimmed()), line);
    return *d;
}

RecordValue RecordReader::readValue()
{
    const Field f = readField();
    const QString t = Windows1252::decode(f.bytes);
    if (f.quoted)
        return RecordValue::text(t);
    if (t.isEmpty())
        return RecordValue();
    if (t.compare(QLatin1String("#TRUE#"), Qt::CaseInsensitive) == 0)
        return RecordValue::boolean(true);
    if (t.compare(QLatin1String("#FALSE#"), Qt::CaseInsensitive) == 0)
        return RecordValue::boolean(false);
    if (t.startsWith(u'#')) {
        if (const auto d = dateOf(QByteArrayView(f.bytes)))
            return RecordValue::date(*d);
    }
    if (const auto v = NumberText::parse(t))
        return RecordValue::dbl(*v);
    return RecordValue::text(t);
}
