#include "CalorieJournal.h"

#include "common/FileBatch.h"
#include "common/InParts.h"
#include "NewestFirst.h"
#include "RecordList.h"

#include "common/ByteLanes.h"
#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordWriter.h"
#include "common/Windows1252.h"
#include "common/WrittenForm.h"

#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>

const QString CalorieJournal::kExerciseFileName = QStringLiteral("ExerciseCalories.txt");

namespace {

// One record as it is read: its date field's bytes (a view into the
// journal's bytes), the date they name and the calories.
struct JournalRecord
{
    QByteArrayView dateField;
    bool sameDate = false; // the date field repeats the one before it
    QDate date;
    double calories = 0;
    int line = 0;
    VerbatimRecord verbatim;
};

// Whether two date fields hold the same bytes: inline, since nearly every
// record's date is compared with the one before it.
bool sameField(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    const char *p = a.data();
    const char *q = b.data();
    const qsizetype n = a.size();
    if (n >= 8 && n <= 16) {
        // Two overlapping words of eight bytes each.
        quint64 x, y, u, v;
        std::memcpy(&x, p, 8);
        std::memcpy(&y, q, 8);
        std::memcpy(&u, p + n - 8, 8);
        std::memcpy(&v, q + n - 8, 8);
        return x == y && u == v;
    }
    return std::memcmp(p, q, size_t(n)) == 0;
}

// Reads one record after another. Records of one day follow one another: a
// date field that repeats the one before it shares its date instead of being
// read again.
struct RecordReading
{
    const QString &fileName;
    QByteArrayView lastField;
    QDate lastDate;
    // The day and the length of the month of the last date, when its field
    // stands as the writer writes it ("07-Dec-26"); a field of the same
    // month then needs no reading but its day.
    int lastDay = 0;
    int monthDays = 0;

    // Inline: it runs for every record of the journal at every save.
    Q_ALWAYS_INLINE JournalRecord operator()(RecordReader &r)
    {
        JournalRecord j;
        j.line = r.line();
        // Nearly every record stands as the writer writes it: read in one
        // pass.
        if (Q_UNLIKELY(!readPlain(r, j))) {
            readCarefully(r, j);
            dateOf(j);
        }
        return j;
    }

    // The record that starts here when it stands on one line as the writer
    // writes it; false, and nothing read, for any other.
    Q_ALWAYS_INLINE bool readPlain(RecordReader &r, JournalRecord &j)
    {
        RecordReader::PlainField plain[2];
        if (!r.readPlainLine<'t', 'w'>(plain))
            return false;
        j.dateField = plain[0].bytes;
        j.calories = plain[1].whole;
        dateOf(j);
        return true;
    }

    Q_ALWAYS_INLINE void dateOf(JournalRecord &j)
    {
        if (!lastField.isNull() && sameField(j.dateField, lastField)) {
            j.sameDate = true;
            j.date = lastDate;
            return;
        }
        readDate(j);
    }

    // Reads the next date in full, the dates before it forgotten: for a
    // reading that goes on after lines read some other way.
    void forget()
    {
        lastField = {};
        lastDate = {};
        lastDay = 0;
        monthDays = 0;
    }

    Q_NEVER_INLINE static void readCarefully(RecordReader &r, JournalRecord &j)
    {
        j.dateField = r.readRaw();
        j.calories = r.readDouble();
    }

    // Inline for a date of the same month as the one before, as the writer
    // writes it: only its day is read. A day of a journal's check is read
    // here as a rule.
    Q_ALWAYS_INLINE void readDate(JournalRecord &j)
    {
        const QByteArrayView f = j.dateField;
        // Whatever the month, the last field stood as the writer writes it
        // ("07-Dec-26", nine bytes) when its month's length is known.
        if (monthDays > 0 && f.size() == 9) {
            // The bytes after the day's two digits the same as the last
            // field's: its second to ninth bytes but the first of them.
            const quint64 mine = qFromLittleEndian<quint64>(f.data() + 1);
            const quint64 last = qFromLittleEndian<quint64>(lastField.data() + 1);
            const unsigned tens = unsigned(f[0] - '0');
            const unsigned ones = unsigned(f[1] - '0');
            if (((mine ^ last) >> 8) == 0 && tens <= 9 && ones <= 9) {
                const int day = int(tens * 10 + ones);
                if (day >= 1 && day <= monthDays) {
                    j.date = QDate::fromJulianDay(lastDate.toJulianDay() + (day - lastDay));
                    lastField = f;
                    lastDate = j.date;
                    lastDay = day;
                    return;
                }
            }
        }
        readOtherDate(j);
    }

    Q_NEVER_INLINE void readOtherDate(JournalRecord &j)
    {
        const QByteArrayView f = j.dateField;
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        const bool written = f.size() == 9 && digit(f[0]) && digit(f[1]);
        const auto d = DateText::parseMedium(f);
        if (!d)
            throw RecordFileError(RecordFileError::TypeMismatch, fileName,
                                  QStringLiteral("\"%1\" is not a date").arg(Windows1252::decode(f)), j.line);
        j.date = *d;
        lastField = f;
        lastDate = j.date;
        lastDay = written ? j.date.day() : 0;
        monthDays = written ? j.date.daysInMonth() : 0;
    }
};

// The new record keeps its fraction; a value the next rewrite could not
// write back would stop every later save of the journal.
void writeNew(RecordWriter &out, const QString &fileName, const QDate &date, float calories)
{
    if (!CalorieJournal::fits(calories))
        throw RecordFileError(RecordFileError::WriteFailed, fileName,
                              QStringLiteral("the calories %1 are too large to record").arg(NumberText::dbl(calories)));
    out.write({RecordValue::text(DateText::medium(date)), RecordValue::single(calories)});
}

// The kind of file a journal's form names (WrittenForm::of()).
constexpr QByteArrayView kKind("calorie journal, newest first");

// Whether the one record `line` stands as the next insertion copies it.
bool copiedAsItStands(const QByteArray &line, const QString &fileName)
{
    RecordReading reading{fileName, {}, {}};
    RecordReader r = RecordReader::partOf(line, fileName);
    r.beginRecord();
    reading(r);
    return r.verbatim().isValid() && r.atEndOrBlank();
}

// An old record goes back as a whole number of 32 bits; one that stands so
// in `source` is copied. Whether it now stands as the next insertion copies
// it.
Q_NEVER_INLINE bool writeConverted(RecordWriter &out, const QString &fileName, const JournalRecord &j)
{
    const auto whole = NumberText::whole32(j.calories);
    if (!whole)
        throw RecordFileError(RecordFileError::Overflow, fileName,
                              QStringLiteral("%1 does not fit").arg(NumberText::dbl(j.calories)), j.line);
    const qsizetype from = out.bytes().size();
    out.write({RecordValue::text(Windows1252::decode(j.dateField)), RecordValue::whole(*whole)});
    return copiedAsItStands(out.bytes().sliced(from), fileName);
}

Q_ALWAYS_INLINE bool writeOld(RecordWriter &out, const QString &fileName, const JournalRecord &j, QByteArrayView source)
{
    if (Q_LIKELY(out.copy(source, j.verbatim)))
        return true;
    return writeConverted(out, fileName, j);
}

// A new record of double precision keeps up to 15 significant digits, and
// stays within what the rewrite of old records keeps.
void writeNewExact(RecordWriter &out, const QString &fileName, const QDate &date, double calories)
{
    if (!NumberText::whole32(calories))
        throw RecordFileError(RecordFileError::Overflow, fileName, QStringLiteral("the calories do not fit"));
    out.write({RecordValue::text(DateText::medium(date)), RecordValue::dbl(calories == 0 ? 0.0 : calories)});
}

// The one insertion pass: each record is read, checked and written before
// the next, so no list of the whole journal is ever built; `writeNew`
// writes the new record before the first record dated on or before it. The
// new contents are in the written form when every old record now stands
// as the next pass copies it and the dates never rise.
template <typename WriteNew>
FileBatch::Checked insertWith(const QByteArray &bytes, const QString &fileName, const QDate &date, WriteNew writeNew)
{
    RecordWriter out;
    out.reserve(bytes.size() + 32);
    NewestFirst::Insertion insertion(out, date);
    RecordReading reading{fileName, {}, {}};
    RecordReader r(bytes, fileName);
    while (!r.atEndOrBlank()) {
        r.beginRecord();
        JournalRecord j = reading(r);
        j.verbatim = r.verbatim();
        insertion.before(j.date, writeNew);
        if (!writeOld(out, fileName, j, bytes))
            insertion.spoil();
        // The records of the same day that follow as the writer wrote them
        // go where this one goes: checked and copied in one go.
        if (j.verbatim.isValid())
            out.copy(bytes, r.skipPlainRepeats(QByteArrayView(bytes).sliced(j.verbatim.begin, j.dateField.size() + 2)));
    }
    insertion.finish(writeNew);
    return {out.bytes(), insertion.form(kKind)};
}

// The insertion into a journal this program wrote in the written form and
// that still holds those bytes: its records need no checking again. The
// place is found by halving it, the record written new last time is written
// back as the one pass writes an old record, everything else is copied: the
// bytes the one pass makes. None when the journal is not as the form
// promises, for the one pass to do it.
template <typename WriteNew>
std::optional<FileBatch::Checked> insertKnown(const QByteArray &bytes, QByteArrayView form, const QString &fileName,
                                              const QDate &date, WriteNew writeNew)
{
    const auto last = WrittenForm::newRecord(form, kKind, bytes.size());
    if (!last)
        return std::nullopt;
    const auto at = NewestFirst::placeIn(bytes, date);
    if (!at)
        return std::nullopt;
    RecordWriter again;
    {
        const QByteArray line = QByteArray::fromRawData(bytes.constData() + last->first, last->second - last->first);
        RecordReading reading{fileName, {}, {}};
        RecordReader r = RecordReader::partOf(line, fileName);
        r.beginRecord();
        JournalRecord j = reading(r);
        j.verbatim = r.verbatim();
        if (!r.atEndOrBlank())
            return std::nullopt;
        if (!writeOld(again, fileName, j, line))
            return std::nullopt;
    }
    RecordWriter fresh;
    writeNew(fresh);
    if (NewestFirst::dateOfLine(fresh.bytes()) != date)
        return std::nullopt;
    auto made = NewestFirst::stitch(bytes, *last, again.bytes(), *at, fresh.bytes());
    if (!made)
        return std::nullopt;
    return FileBatch::Checked{made->bytes, WrittenForm::of(kKind, made->newBegin,
                                                                    made->newBegin + fresh.bytes().size())};
}

// The lines from `p` on that each hold a record exactly as the writer
// writes it most often, while their dates never rise from `previous` (none:
// from any date): the date field of nine bytes in quotes ("07-Dec-26"), a
// comma, one to four digits without a leading zero, CR LF. Where they end,
// how many they are, and the date of the last. Nearly every line of a
// journal stands so: they are gone over here in a tight pass rather than
// read one by one (readPlain(), skipPlainRepeats()), a date of the same
// month as the line before it known from its day's two digits. What lies
// within the last 72 bytes is left to those reads.
struct WrittenLines
{
    const char *end = nullptr;
    int lines = 0;
    const char *lastLine = nullptr; // where the last one starts
    QDate last;
};

WrittenLines writtenLines(const char *p, const char *end, const QDate &previous)
{
    int lines = 0;
    // The bytes of the last line after its day's digits up to its number
    // ("Dec-26",), the date of the line of that month read in full, its day,
    // and the day of the last line.
    quint64 month = 0;
    QDate monthDate;
    int monthDay = 0;
    int lastDay = 0;
    const auto lastDate = [&] { return monthDate.isValid() ? monthDate.addDays(lastDay - monthDay) : previous; };
#if defined(__SSE2__)
    // The first sixteen bytes of that line read in full.
    __m128i pattern = _mm_setzero_si128();
#endif
    // Whether the line from `line` to its line feed at `feed` stands so,
    // its date taken when it does.
    const auto take = [&](const char *line, const char *feed) {
        // The quoted date and the comma take twelve bytes, CR LF two.
        const qsizetype digits = feed - line - 13;
        if (digits < 1 || digits > 4)
            return false;
        const char *const number = line + 12;
        const unsigned tens = unsigned(uchar(line[1])) - '0';
        const unsigned ones = unsigned(uchar(line[2])) - '0';
        const int day = int(tens * 10 + ones);
#if defined(__SSE2__)
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(line));
        const unsigned same = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, pattern)));
        const unsigned digit = unsigned(ByteLanes::bitsOf(ByteLanes::digitLanes(v), 0));
        // The bytes that must stand as in the pattern, the line of this
        // month read in full (the opening quote, the dashes, the month and
        // year, the closing quote and the comma), and those that must be
        // digits (the day's two and the number's).
        static constexpr unsigned kPattern = 0xFF9u;
        static constexpr unsigned kDigits[5] = {0, 0x1006u, 0x3006u, 0x7006u, 0xF006u};
        if (Q_LIKELY((((same & kPattern) | (digit & kDigits[digits])) == (kPattern | kDigits[digits]))
                     & (feed[-1] == '\r')
                     & ((*number != '0') | (digits == 1)) & (unsigned(day - 1) < unsigned(lastDay)))) {
            lastDay = day;
            return true;
        }
#endif
        quint64 after;
        std::memcpy(&after, line + 4, 8);
        // One test of all for a line of the month read last: a day no later
        // than the last one, and not before the first.
        const bool plain = (line[0] == '"') & (line[3] == '-') & (tens <= 9) & (ones <= 9)
                           & (RecordReader::leadingDigits(number) == digits) & (number[digits] == '\r')
                           & ((*number != '0') | (digits == 1));
        if (Q_LIKELY(plain & (after == month) & (unsigned(day - 1) < unsigned(lastDay)))) {
            lastDay = day;
            return true;
        }
        if (!plain || (monthDate.isValid() && after == month) || line[10] != '"' || line[11] != ',')
            return false;
        const auto date = DateText::parseMedium(QByteArrayView(line + 1, 9));
        const QDate last = lastDate();
        if (!date || (last.isValid() && *date > last))
            return false;
        month = after;
#if defined(__SSE2__)
        pattern = _mm_loadu_si128(reinterpret_cast<const __m128i *>(line));
#endif
        monthDate = *date;
        monthDay = day;
        lastDay = day;
        return true;
    };
    // The line feeds of 4 KiB at a time are found 64 bytes at a time first,
    // and their places kept, so that where a line starts never waits for
    // the line before it to be checked. A line this pass takes has 15 bytes
    // at least: 64 bytes with more than five line feeds hold one it does not
    // take. The eight bytes from a line's number on are read at once, so
    // eight more must follow the 64.
    constexpr int kBlocks = 64;
    quint32 feeds[kBlocks * 5 + 5];
    const char *line = p;
    for (bool going = true; going;) {
        const char *const base = line;
        const qsizetype blocks = std::min<qsizetype>((end - base - 8) / 64, kBlocks);
        int found = 0;
        for (qsizetype b = 0; b < blocks; ++b) {
            quint64 f = RecordReader::lineFeedsOf64(base + 64 * b);
            // Five places written whatever their number, no branch taken.
            int count = 0;
            for (int k = 0; k < 5; ++k) {
                feeds[found + k] = quint32(64 * b + std::countr_zero(f));
                count += f != 0;
                f &= f - 1;
            }
            if (f != 0) {
                going = false;
                break;
            }
            found += count;
        }
        if (found == 0)
            break;
        int i = 0;
        while (i < found && take(line, base + feeds[i]))
            line = base + feeds[i++] + 1;
        lines += i;
        if (i < found)
            break;
    }
    WrittenLines run{line, lines, nullptr, lastDate()};
    if (lines > 0) {
        // The last line taken ends where the one after it starts.
        run.lastLine = line - 1;
        while (run.lastLine > p && run.lastLine[-1] != '\n')
            --run.lastLine;
    }
    return run;
}

// What a part of a journal holds when every record of it stands on a line
// of its own, the dates never rising, and all of them but at most one as
// the writer writes them and the one pass copies them: that one, a record
// a save wrote new with its fraction, or one another program wrote in its
// own way, is the one the form names (WrittenForm), which the next save
// reads and writes back as it writes any older record.
struct PartForm
{
    bool formed = false;
    QDate first;            // the date of its first record
    QDate last;             // and of its last
    qsizetype firstEnd = 0; // where its first record ends
    int others = 0;         // records not as the writer writes them
    qsizetype otherBegin = 0; // where the first of them starts
    qsizetype otherEnd = 0;   // and ends
};

PartForm formOfPart(QByteArrayView part)
{
    static const QString noName;
    PartForm f;
    const QByteArray bytes = QByteArray::fromRawData(part.data(), part.size());
    RecordReader r = RecordReader::partOf(bytes, noName);
    RecordReading reading{noName, {}, {}};
    QDate previous;
    try {
        while (r.position() < r.size()) {
            r.beginRecord();
            const qsizetype begin = r.position();
            JournalRecord j;
            if (!reading.readPlain(r, j)) {
                // Read as the one pass reads it; it must end its line.
                const int line = r.line();
                j = reading(r);
                if (r.line() != line + 1 || bytes[r.position() - 1] != '\n' || ++f.others > 1)
                    return {};
                f.otherBegin = begin;
                f.otherEnd = r.position();
            }
            if (previous.isValid() && j.date > previous)
                return {};
            if (!previous.isValid()) {
                f.first = j.date;
                f.firstEnd = r.position();
            }
            previous = j.date;
            // The records that follow as the writer wrote them, in one go:
            // those of the same day, and the days after it while no date
            // rises (one that does is read again above, and refused).
            if (f.otherEnd == r.position())
                continue;
            // The date field of the last record read, in its quotes.
            QByteArrayView lastField = QByteArrayView(bytes).sliced(begin, j.dateField.size() + 2);
            const char *const from = bytes.constData() + r.position();
            const WrittenLines run = writtenLines(from, bytes.constData() + bytes.size(), previous);
            if (run.lines > 0) {
                r.skipWrittenLines(run.end - from, run.lines);
                previous = run.last;
                reading.forget();
                lastField = QByteArrayView(run.lastLine, 11);
            }
            r.skipPlainRepeats(lastField, [&reading, &previous](QByteArrayView field) {
                JournalRecord next;
                next.dateField = field;
                reading.readDate(next);
                if (next.date > previous)
                    return false;
                previous = next.date;
                return true;
            });
        }
    } catch (const RecordFileError &) {
        return {}; // a record the one pass refuses, naming its line
    }
    f.last = previous;
    f.formed = f.first.isValid();
    return f;
}

// The form of a journal that stands in the written form although this
// program did not keep it (another program wrote it so, or this one ended
// before it kept its forms): every record on one line, the dates never
// rising, nothing before the first record nor after the last, and every
// record as the writer writes it and as the one pass copies it but at
// most one, which the form names as the one written new last time (else
// the first). Checked in parts on several threads; none for a journal in
// any other form, or one too small to pay for the threads, which the one
// pass reads (unless `small`).
QByteArray formFound(const QByteArray &bytes, bool small)
{
    // Each part's other record where it stands in the whole journal.
    const auto parts = InParts::lookAt<PartForm>(bytes, InParts::kLeastPart, [](QByteArrayView part, qsizetype begin) {
        PartForm f = formOfPart(part);
        f.firstEnd += begin;
        f.otherBegin += begin;
        f.otherEnd += begin;
        return f;
    }, small);
    if (!parts)
        return {};
    std::pair<qsizetype, qsizetype> named{0, parts->first().firstEnd};
    int others = 0;
    for (qsizetype i = 0; i < parts->size(); ++i) {
        const PartForm &f = parts->at(i);
        if (!f.formed || (i > 0 && f.first > parts->at(i - 1).last))
            return {};
        if (f.others > 0) {
            named = {f.otherBegin, f.otherEnd};
            others += f.others;
        }
    }
    if (others > 1)
        return {};
    return WrittenForm::of(kKind, named.first, named.second);
}

// The form formFound() finds in a journal whose records all stand as the
// writer writes them but the first at most, taken from the first record
// alone; none where it would find none for that record. A journal with one
// other record further on (a save's new one, with its fraction) is found
// in another form.
QByteArray formPresumed(const QByteArray &bytes)
{
    const PartForm first = formOfPart(WrittenForm::firstLine(bytes));
    return first.formed ? WrittenForm::of(kKind, 0, first.firstEnd) : QByteArray();
}

template <typename WriteNew>
FileBatch::Checked insertChecked(const QByteArray &bytes, QByteArrayView form, const QString &fileName,
                                 const QDate &date, WriteNew writeNew)
{
    // A journal in the written form whose form was not kept (another
    // program wrote it so, or this one ended before it kept its forms).
    const QByteArray found = WrittenForm::orFound(form, bytes, formFound, formPresumed);
    form = found;
    if (auto known = WrittenForm::madeKnown(form, [&] { return insertKnown(bytes, form, fileName, date, writeNew); }))
        return std::move(*known);
    return insertWith(bytes, fileName, date, writeNew);
}

} // namespace

QList<CalorieJournalEntry> CalorieJournal::parse(const QByteArray &bytes, const QString &fileName)
{
    QList<CalorieJournalEntry> out;
    out.reserve(lineCount(bytes));
    // Records of one date share its text.
    QString lastText;
    RecordReading reading{fileName, {}, {}};
    forEachRecord<JournalRecord>(
        bytes, fileName, [&reading](RecordReader &r) { return reading(r); },
        [&](const JournalRecord &j) {
            if (!j.sameDate)
                lastText = Windows1252::decode(j.dateField);
            out.append(CalorieJournalEntry{lastText, j.date, j.calories, j.line, j.verbatim});
        });
    return out;
}

QList<CalorieJournalEntry> CalorieJournal::read(const QString &path)
{
    return parse(RecordFile::read(path), path);
}

bool CalorieJournal::fits(float calories)
{
    if (!std::isfinite(calories))
        return false;
    const auto written = NumberText::parse(NumberText::single(calories));
    return written && NumberText::whole32(*written);
}

std::optional<RecordFileError> CalorieJournal::scan(const QByteArray &bytes, const QString &fileName,
                                                    const Visit &visit)
{
    RecordReading reading{fileName, {}, {}};
    return forEachReadable<JournalRecord>(
        bytes, fileName, [&reading](RecordReader &r) { return reading(r); },
        [&visit](const JournalRecord &j) { return visit(j.date, j.calories, j.line); });
}

namespace {

// Journals up to this size are read from their start: a search would not
// pay.
constexpr qint64 kSearchAbove = 128 * 1024;
// The part of a journal read at a time.
constexpr qsizetype kPart = 64 * 1024;

// The date of the first record that starts on a line of its own at or after
// `offset`, when it stands as the writer writes it, and where that line
// starts; none otherwise (a line of a record over lines, damage, the end).
std::optional<std::pair<QDate, qint64>> firstDateAfter(const RecordFileReader &file, qint64 offset)
{
    const QByteArray bytes = file.read(offset, 256);
    const qsizetype lineEnd = bytes.indexOf('\n');
    if (lineEnd < 0)
        return std::nullopt;
    RecordReader r = RecordReader::partOf(bytes.mid(lineEnd + 1), QString());
    RecordReader::PlainField fields[2];
    if (!r.readPlainLine<'t', 'w'>(fields))
        return std::nullopt;
    const auto date = DateText::parseMedium(fields[0].bytes);
    if (!date)
        return std::nullopt;
    return std::pair{*date, offset + lineEnd + 1};
}

// Where reading the period that ends at `end` starts: the start of a record
// such that every record before it is dated after `end`, found by halving
// the file. A line that cannot tell (not a record as the writer writes it)
// moves the search towards the start, so the reading never starts late.
qint64 periodStart(const RecordFileReader &file, const QDate &end)
{
    qint64 from = 0; // every record before it is newer than the period
    qint64 to = file.size();
    while (to - from > kPart) {
        const qint64 middle = from + (to - from) / 2;
        const auto found = firstDateAfter(file, middle);
        if (found && found->first > end && found->second < to)
            from = found->second;
        else
            to = middle;
    }
    return from;
}

// The line a record at `offset` of the file starts on.
int lineAt(const RecordFileReader &file, qint64 offset)
{
    qint64 lines = 1;
    for (qint64 at = 0; at < offset; at += kPart * 16) {
        const QByteArray bytes = file.read(at, qsizetype(std::min<qint64>(kPart * 16, offset - at)));
        lines += bytes.count('\n');
        if (bytes.isEmpty())
            break;
    }
    return int(std::min<qint64>(lines, std::numeric_limits<int>::max()));
}

} // namespace

CalorieJournal::PeriodSum CalorieJournal::sumPeriod(const QString &path, const QDate &start, const QDate &end)
{
    PeriodSum out;
    const std::optional<RecordFileReader> file = RecordFileReader::open(path);
    if (!file)
        return out;
    const qint64 from = file->size() > kSearchAbove ? periodStart(*file, end) : 0;
    // Lines counted from `from`; the damage's line is made the file's own
    // at the end.
    std::optional<RecordFileError> damage;
    qint64 at = from;
    int lineBase = 0; // lines before the part read
    qsizetype part = kPart;
    bool done = false;
    while (!done && at < file->size()) {
        const QByteArray bytes = file->read(at, part);
        const bool last = at + bytes.size() >= file->size();
        // The part from the file's start reads its byte-order mark as the
        // whole file does.
        RecordReader r = at == 0 ? RecordReader(bytes, path) : RecordReader::partOf(bytes, path);
        RecordReading reading{path, {}, {}};
        // What was read for certain: up to the end of the last record that
        // ended before the end of the part (one that reached it may have
        // been cut there, and is read again with the next part).
        qsizetype taken = 0;
        int takenLines = 0;
        while (!r.atEndOrBlank()) {
            r.beginRecord();
            std::optional<JournalRecord> j;
            std::optional<RecordFileError> error;
            try {
                j = reading(r);
            } catch (const RecordFileError &e) {
                error = e;
                r.skipRecordLine();
            }
            if (!last && r.position() >= r.size())
                break;
            taken = r.position();
            takenLines = r.line() - 1;
            if (error) {
                if (!damage)
                    damage = RecordFileError(error->code(), path, error->detail(), lineBase + error->line());
                continue;
            }
            if (j->date < start) {
                done = true;
                break;
            }
            if (j->date > end)
                continue;
            const auto whole = NumberText::whole32(j->calories);
            if (!whole) {
                if (!damage)
                    damage = RecordFileError(RecordFileError::Overflow, path,
                                             QStringLiteral("%1 does not fit").arg(NumberText::dbl(j->calories)),
                                             lineBase + j->line);
                continue;
            }
            out.calories += *whole;
        }
        if (last)
            break;
        if (taken == 0) {
            part *= 2; // a record longer than the part
            continue;
        }
        at += taken;
        lineBase += takenLines;
        part = kPart;
    }
    if (damage) {
        const int base = from > 0 ? lineAt(*file, from) - 1 : 0;
        out.damage = RecordFileError(damage->code(), path, damage->detail(), base + damage->line());
    }
    return out;
}

qsizetype CalorieJournal::insertionIndex(const QList<CalorieJournalEntry> &entries, const QDate &date)
{
    return NewestFirst::insertionIndex(entries, date);
}

QByteArray CalorieJournal::inserted(const QByteArray &bytes, const QString &fileName, const QDate &date,
                                    float calories)
{
    return insertedChecked(bytes, {}, fileName, date, calories).bytes;
}

QByteArray CalorieJournal::insertedExact(const QByteArray &bytes, const QString &fileName, const QDate &date,
                                         double calories)
{
    return insertedExactChecked(bytes, {}, fileName, date, calories).bytes;
}

FileBatch::Checked CalorieJournal::insertedChecked(const QByteArray &bytes, QByteArrayView form,
                                                   const QString &fileName, const QDate &date, float calories)
{
    return insertChecked(bytes, form, fileName, date,
                         [&](RecordWriter &out) { writeNew(out, fileName, date, calories); });
}

FileBatch::Checked CalorieJournal::insertedExactChecked(const QByteArray &bytes, QByteArrayView form,
                                                        const QString &fileName, const QDate &date, double calories)
{
    return insertChecked(bytes, form, fileName, date,
                         [&](RecordWriter &out) { writeNewExact(out, fileName, date, calories); });
}

void CalorieJournal::stageInsert(FileBatch &batch, const QString &path, const QDate &date, float calories)
{
    batch.transformChecked(path, [path, date, calories](const QByteArray &before, QByteArrayView form) {
        return insertedChecked(before, form, path, date, calories);
    });
}

void CalorieJournal::stageInsertExact(FileBatch &batch, const QString &path, const QDate &date,
                                      double calories)
{
    batch.transformChecked(path, [path, date, calories](const QByteArray &before, QByteArrayView form) {
        return insertedExactChecked(before, form, path, date, calories);
    });
}

void CalorieJournal::insert(const QString &path, const QDate &date, float calories)
{
    FileBatch batch;
    stageInsert(batch, path, date, calories);
    batch.commit();
}
