#pragma once

#include "RecordFileError.h"
#include "RecordValue.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <bit>
#include <cstring>
#include <cstddef>
#include <type_traits>

#include "ByteLanes.h"

// Where a record stands in the bytes it was read from, when those bytes are
// exactly what RecordWriter writes for its values: every text quoted, every
// whole number in plain digits, one comma between fields and CR LF after the
// last, nothing else. A rewrite copies such a record instead of converting
// it again. `size` is 0 for any other record. Records compare by their values,
// wherever they stood, so two spans always compare equal.
struct VerbatimRecord
{
    qsizetype begin = 0;
    qsizetype size = 0;

    bool isValid() const { return size > 0; }
    bool operator==(const VerbatimRecord &) const { return true; }
};

// The lines of a file's bytes, the last one without line end counted too:
// about the number of its records, to reserve room for them.
inline qsizetype lineCount(const QByteArray &bytes)
{
    qsizetype lines = 1;
    for (const char *p = bytes.constData(), *end = p + bytes.size();
         p < end && (p = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)))); ++p)
        ++lines;
    return lines;
}

// Reads the fields of a record file one by one. Commas and line ends
// delimit fields alike, so a record may span lines. A UTF-8 byte-order mark
// that another program put at the start of the file is skipped; the rest is
// read as Windows-1252 all the same. Each read throws a
// RecordFileError naming the file and line when the field is missing (past
// the end), too large for its target or of the wrong kind.
class RecordReader
{
public:
    explicit RecordReader(QByteArray bytes, QString fileName = QString());
    // Bytes from the middle of a file, from the start of a record on: a
    // byte-order mark is the file's own only at its start, so one here is
    // read as bytes.
    static RecordReader partOf(QByteArray bytes, QString fileName)
    {
        RecordReader r(std::move(bytes), std::move(fileName));
        r.m_pos = 0;
        return r;
    }

    // The size of the UTF-8 byte-order mark `bytes` start with: 3, else 0.
    static qsizetype byteOrderMarkSize(QByteArrayView bytes)
    {
        return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    }
    // The size of the byte-order mark a writer may drop from the start of
    // `bytes`: none when the same three bytes follow it, which are text and
    // would be taken for the mark once it went.
    static qsizetype droppableByteOrderMarkSize(QByteArrayView bytes)
    {
        const qsizetype mark = byteOrderMarkSize(bytes);
        return mark > 0 && byteOrderMarkSize(bytes.sliced(mark)) == 0 ? mark : 0;
    }

    // True once every byte has been consumed; directly after the last record
    // of a file the program wrote, and at once for an empty file.
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // True when only blanks, tabs and line ends are left: trailing blank
    // lines of a hand-edited file end it instead of starting a record.
    bool atEndOrBlank() const
    {
        // A record starting here, as nearly always, says so at once.
        if (m_pos < m_bytes.size() && !isSpace(m_bytes.constData()[m_pos]))
            return false;
        return onlySpaceLeft();
    }

    struct Field {
        QByteArray bytes; // Windows-1252, without quotes
        bool quoted = false;
    };
    Field readField();
    // The next field, a text, as its bytes (without quotes) stand in the
    // file, without a copy: valid while the reader lives. For readers that
    // compare a field with the one before it before converting it.
    QByteArrayView readRaw();

    QString readText();
    qint16 readInt16();
    qint32 readInt32();
    float readSingle();
    double readDouble();
    bool readBool();
    QDate readDate();
    RecordValue readValue();

    // One field of a plain line: a text's bytes (without quotes, a view
    // valid while the reader lives) or a whole number's value.
    struct PlainField
    {
        QByteArrayView bytes;
        int whole = 0;
    };
    // Reads the record that starts here in one pass when it stands on one
    // line exactly as the writer writes its fields, one of `Kinds` each:
    // 't' a text, 'u' a text that is a plain number of 0 or more (digits,
    // at most one point between digits), 'h' a whole number of 16 bits, 'w'
    // a whole number of at most six digits. The fields go into `fields` (as
    // many as there are kinds; may be null), and the record's verbatim()
    // span is the line. The fields are what the reads of their kind
    // (readText(), readInt16(), readDouble()) would give. Any other record
    // is not read: false, and the caller reads it field by field, as its
    // errors need.
    template <char... Kinds>
    bool readPlainLine(PlainField *fields = nullptr)
    {
        const char *const data = m_bytes.constData();
        const char *const end = data + m_bytes.size();
        const char *p = data + m_pos;
        int k = 0;
        if (!(plainField<Kinds>(p, end, fields, k++) && ...))
            return false;
        if (end - p < 2 || p[0] != '\r' || p[1] != '\n')
            return false;
        m_pos = (p + 2) - data;
        ++m_line;
        m_delimiter = Delimiter::CrLf;
        return true;
    }

    // The same for a record of a text and then `numbers` whole numbers,
    // checked without giving them: faster, for the most common form alone
    // (numbers of at most four digits, so of 16 bits). False, and nothing
    // read, for any other record: readPlainLine() and the careful reads
    // decide then.
    bool skipPlainTextAndNumbers(int numbers);
    // The lines from here on that skipPlainTextAndNumbers() would read one
    // by one (were there 64 bytes after each), as many as stand so in a row
    // up to the first that does not, gone over 64 bytes at a time (for 1 to
    // 12 numbers; none for more); false, and nothing read, when there is
    // none. The lines in the last bytes, under 64, are left to the
    // line-by-line reads. No verbatim() span is given for them.
    bool skipPlainTextAndNumbersLines(int numbers);
    // The bytes and the lines at the start of `bytes` it reads.
    static qsizetype plainTextAndNumbersLines(QByteArrayView bytes, int numbers, qsizetype *lines);
    // The records that follow the one read last, as long as each stands on a
    // line of its own as `prefix` (the writer's bytes of a first field, a
    // quoted text) and then one whole number of at most four digits: read
    // in one go, as readPlainLine() would read them one by one, and their
    // span given (empty when none follows). For the runs of one day's
    // records in a journal, which share their date field. With `take`, the
    // run goes on over a record whose text differs from the one before it
    // but is as long, when `take(text)` (its bytes, without the quotes)
    // takes it: a journal's days one after another. Should `take` throw,
    // nothing is read.
    template <typename Take = std::nullptr_t>
    VerbatimRecord skipPlainRepeats(QByteArrayView prefix, Take take = nullptr)
    {
        const char *const data = m_bytes.constData();
        const char *const end = data + m_bytes.size();
        const char *p = data + m_pos;
        const char *const begin = p;
        const qsizetype n = prefix.size();
        if (n < 8 || n > 16)
            return {};
        // The prefix as two overlapping words of eight bytes.
        quint64 head, tail;
        std::memcpy(&head, prefix.data(), 8);
        std::memcpy(&tail, prefix.data() + n - 8, 8);
        int lines = 0;
        // Each line: the prefix, a comma, one to four digits without a leading
        // zero, CR LF; eight bytes after the comma are read at once, so at
        // least that many must be left.
        while (end - p >= n + 9) {
            quint64 h, t;
            std::memcpy(&h, p, 8);
            std::memcpy(&t, p + n - 8, 8);
            const char *q = p + n;
            if (*q != ',')
                break;
            ++q;
            const qsizetype digits = leadingDigits(q);
            if (digits < 1 || digits > 4 || (*q == '0' && digits > 1) || q[digits] != '\r' || q[digits + 1] != '\n')
                break;
            if (h != head || t != tail) {
                if constexpr (std::is_same_v<Take, std::nullptr_t>) {
                    break;
                } else {
                    // Another text of the same length, quoted as the writer
                    // quotes it.
                    if (p[0] != '"' || p[n - 1] != '"' || quoteOrLineFeed(p + 1, n - 2) != n - 2
                        || !take(QByteArrayView(p + 1, n - 2)))
                        break;
                    head = h;
                    tail = t;
                }
            }
            p = q + digits + 2;
            ++lines;
        }
        if (lines == 0)
            return {};
        m_pos = p - data;
        m_line += lines;
        m_delimiter = Delimiter::CrLf;
        return VerbatimRecord{begin - data, p - begin};
    }

    // How many of the eight bytes at `p` are digits before the first one
    // that is none (8 when all are).
    Q_ALWAYS_INLINE static qsizetype leadingDigits(const char *p)
    {
        quint64 w;
        std::memcpy(&w, p, 8);
        // '0' to '9' become 0 to 9; a byte of 10 or more, or with its high
        // bit set, gets its high bit set below, with no carry between bytes.
        const quint64 x = w ^ 0x3030303030303030ULL;
        const quint64 other = (((x & 0x7F7F7F7F7F7F7F7FULL) + 0x7676767676767676ULL) | x) & 0x8080808080808080ULL;
        return other ? std::countr_zero(other) / 8 : 8;
    }

    // The line feeds among the 64 bytes at `p`, one bit each, the first
    // byte's the lowest.
    Q_ALWAYS_INLINE static quint64 lineFeedsOf64(const char *p)
    {
        quint64 m = 0;
#if defined(__SSE2__)
        __m128i v[4];
        ByteLanes::load64(p, v);
        m = ByteLanes::bytesEqual(v, '\n');
#else
        for (int i = 0; i < 64; ++i)
            m |= quint64(p[i] == '\n') << i;
#endif
        return m;
    }

    // Goes `bytes` bytes further, over `lines` whole lines, each ending with
    // CR LF, that the caller found standing as the writer writes its records
    // (as skipPlainRepeats() goes over them).
    void skipWrittenLines(qsizetype bytes, int lines)
    {
        if (lines <= 0)
            return;
        m_pos += bytes;
        m_line += lines;
        m_delimiter = Delimiter::CrLf;
    }

    // Where the next field starts, in the bytes given.
    qsizetype position() const { return m_pos; }
    // The size of the bytes given.
    qsizetype size() const { return m_bytes.size(); }

    // Starts a record: the fields read from here on make up its
    // verbatim() span.
    void beginRecord()
    {
        m_recordBegin = m_pos;
        m_recordLine = m_line;
        m_verbatim = true;
        m_delimiter = Delimiter::None;
    }
    // The record begun last, when every field read since stood exactly as
    // the writer writes it back (texts read as text, whole numbers of at
    // most six digits read as numbers) and the last one ended its line with
    // CR LF; else an empty span.
    VerbatimRecord verbatim() const
    {
        if (!m_verbatim || m_delimiter != Delimiter::CrLf)
            return {};
        return VerbatimRecord{m_recordBegin, m_pos - m_recordBegin};
    }
    // Drops the record begun last and the rest of the line it starts on, and
    // goes on at the next line: a reader that passes over a record it cannot
    // read finds the next record there, as the writer puts one on each line.
    void skipRecordLine();

    // The line the next field starts on, counting from 1.
    int line() const { return m_line; }
    const QString &fileName() const { return m_fileName; }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    bool onlySpaceLeft() const;

    // The offset of the first double quote or line feed of the `size` bytes
    // at `p`; `size` when there is none. Eight bytes at a time.
    Q_ALWAYS_INLINE static qsizetype quoteOrLineFeed(const char *p, qsizetype size)
    {
        qsizetype i = 0;
        for (; i + 8 <= size; i += 8) {
            quint64 w;
            std::memcpy(&w, p + i, 8);
            constexpr quint64 ones = 0x0101010101010101ULL;
            constexpr quint64 highs = 0x8080808080808080ULL;
            const quint64 q = w ^ (ones * '"');
            const quint64 n = w ^ (ones * '\n');
            // A byte of 0 in q or n: the lowest one found is exact.
            const quint64 found = ((q - ones) & ~q & highs) | ((n - ones) & ~n & highs);
            if (found)
                return i + std::countr_zero(found) / 8;
        }
        for (; i < size; ++i) {
            if (p[i] == '"' || p[i] == '\n')
                break;
        }
        return i;
    }

    // One field of a plain line at `p`, the `k`-th (a comma before all but
    // the first): false when it is not one.
    template <char Kind>
    Q_ALWAYS_INLINE static bool plainField(const char *&p, const char *end, PlainField *fields, int k)
    {
        static_assert(Kind == 't' || Kind == 'u' || Kind == 'h' || Kind == 'w');
        if (k > 0) {
            if (p == end || *p != ',')
                return false;
            ++p;
        }
        if constexpr (Kind == 't' || Kind == 'u') {
            if (p == end || *p != '"')
                return false;
            const char *const open = ++p;
            // To the closing quote; a line end inside takes the record onto
            // a second line, which the careful reading counts.
            p += quoteOrLineFeed(p, end - p);
            if (p == end || *p != '"')
                return false;
            if constexpr (Kind == 'u') {
                const char *q = open;
                while (q != p && *q >= '0' && *q <= '9')
                    ++q;
                if (q == open)
                    return false;
                if (q != p) {
                    if (*q != '.' || q + 1 == p)
                        return false;
                    for (++q; q != p; ++q) {
                        if (*q < '0' || *q > '9')
                            return false;
                    }
                }
            }
            if (fields)
                fields[k].bytes = QByteArrayView(open, p - open);
            ++p;
        } else {
            // As the writer writes a whole number: an optional minus, no
            // leading zero, no "-0", at most six digits.
            const bool negative = p != end && *p == '-';
            if (negative)
                ++p;
            const char *const first = p;
            qsizetype digits;
            if (end - p >= 8) {
                // The digits of eight bytes at once.
                digits = leadingDigits(p);
                p += digits;
            } else {
                while (p != end && *p >= '0' && *p <= '9' && p - first < 7)
                    ++p;
                digits = p - first;
            }
            if (digits < 1 || digits > 6 || (*first == '0' && (digits > 1 || negative)))
                return false;
            // Four digits always fit 16 bits; only longer ones are converted
            // for the check.
            if (fields || (Kind == 'h' && digits > 4)) {
                int v = 0;
                for (const char *d = first; d != p; ++d)
                    v = v * 10 + (*d - '0');
                if (negative)
                    v = -v;
                if (Kind == 'h' && (v < -32768 || v > 32767))
                    return false;
                if (fields)
                    fields[k].whole = v;
            }
        }
        return true;
    }

    // What the last field was, blanks around it aside: a quoted text, plain
    // digits (of at most six) or anything else.
    enum class Shape { Other, Text, Whole };
    enum class Delimiter { None, Comma, CrLf, Other };

    QByteArrayView nextField(bool &quoted);
    void expect(Shape shape) { m_verbatim = m_verbatim && m_plain && m_shape == shape; }
    [[noreturn]] void fail(RecordFileError::Code code, const QString &detail, int line) const;
    double readNumber(const char *kind, int &line);

    QByteArray m_bytes;
    QString m_fileName;
    qsizetype m_pos = 0;
    int m_line = 1;
    qsizetype m_recordBegin = 0;
    int m_recordLine = 1;
    bool m_verbatim = false;
    Shape m_shape = Shape::Other;
    bool m_plain = false; // no blanks around the last field, nothing after its quote
    int m_whole = 0;      // the last field's value when its shape is Whole
    Delimiter m_delimiter = Delimiter::None;
};
