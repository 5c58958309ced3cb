#include "ExerciseLog.h"

#include "RecordList.h"

#include "common/DateText.h"
#include "common/InParts.h"
#include "common/RecordHead.h"
#include "common/RecordWriter.h"
#include "common/Windows1252.h"
#include "common/WrittenForm.h"

#include <utility>

std::optional<QDate> ExerciseLogEntry::date() const
{
    return DateText::parseMedium(dateText.trimmed());
}

namespace {

// The most sets an entry holds.
constexpr qint16 kMostSets = 5;

template <std::size_t... Set>
bool readPlainSets(RecordReader &r, RecordReader::PlainField *fields, std::index_sequence<Set...>)
{
    return r.readPlainLine<'t', ((void)Set, 'h')..., ((void)Set, 'h')...>(fields);
}

// An entry of `sets` sets read in one pass when it stands on one line as
// the writer writes it (RecordReader::readPlainLine()): the Date text, then
// two whole numbers of 16 bits a set.
bool readPlainEntry(RecordReader &r, qint16 sets, RecordReader::PlainField *fields)
{
    switch (sets) {
    case 0:
        return readPlainSets(r, fields, std::make_index_sequence<0>());
    case 1:
        return readPlainSets(r, fields, std::make_index_sequence<1>());
    case 2:
        return readPlainSets(r, fields, std::make_index_sequence<2>());
    case 3:
        return readPlainSets(r, fields, std::make_index_sequence<3>());
    case 4:
        return readPlainSets(r, fields, std::make_index_sequence<4>());
    case 5:
        return readPlainSets(r, fields, std::make_index_sequence<5>());
    default:
        return false;
    }
}

ExerciseLogEntry readEntry(RecordReader &r, qint16 sets)
{
    ExerciseLogEntry e;
    RecordReader::PlainField fields[1 + 2 * kMostSets];
    if (readPlainEntry(r, sets, fields)) {
        e.dateText = Windows1252::decode(fields[0].bytes);
        e.sets.resize(sets);
        for (qint16 k = 0; k < sets; ++k)
            e.sets[k] = SetResult{qint16(fields[1 + 2 * k].whole), qint16(fields[2 + 2 * k].whole)};
        return e;
    }
    e.dateText = r.readText();
    e.sets.reserve(sets);
    for (qint16 k = 0; k < sets; ++k) {
        SetResult s;
        s.weight = r.readInt16();
        s.reps = r.readInt16();
        e.sets.append(s);
    }
    return e;
}

// An older entry as withFirst() needs it: one that stands on one line as
// the writer writes it is only checked (its bytes are copied); any other is
// read whole.
struct OlderEntry
{
    std::optional<ExerciseLogEntry> entry; // none when it stands as written
    VerbatimRecord verbatim;
};

} // namespace

QList<ExerciseLogEntry> ExerciseLog::parse(const QByteArray &bytes, const QString &fileName, qint16 sets,
                                           bool *complete)
{
    return readRecords<ExerciseLogEntry>(
        bytes, fileName, [sets](RecordReader &r) { return readEntry(r, sets); }, complete);
}

QList<ExerciseLogEntry> ExerciseLog::readFirst(const QString &path, const QString &fileName, qint16 sets,
                                               qsizetype most, std::optional<RecordFileError> &damage)
{
    // About 45 bytes an entry of five sets as the program writes them.
    auto head = RecordHead::first<ExerciseLogEntry>(path, fileName, most, 48 * most + 512,
                                                   [sets](RecordReader &r) { return readEntry(r, sets); });
    damage = std::move(head.damage);
    return std::move(head.records);
}

namespace {

// The kind of file a log's written form names (WrittenForm).
QByteArray kindOf(qint16 sets)
{
    return QByteArrayLiteral("weight-training log of ") + QByteArray::number(sets) + " sets";
}

OlderEntry readOlder(RecordReader &r, qint16 sets)
{
    if (r.skipPlainTextAndNumbers(2 * sets) || readPlainEntry(r, sets, nullptr))
        return OlderEntry{};
    return OlderEntry{readEntry(r, sets), {}};
}

// Whether the one entry `line` stands as the next save copies it.
bool copiedAsItStands(const QByteArray &line, const QString &fileName, qint16 sets)
{
    RecordReader r = RecordReader::partOf(line, fileName);
    r.beginRecord();
    const OlderEntry older = readOlder(r, sets);
    return !older.entry && r.verbatim().isValid() && r.atEndOrBlank();
}

// Writes the new entry: its Date text on a line of its own and one
// "weight,reps" line a set.
void writeNew(RecordWriter &out, const ExerciseLogEntry &entry)
{
    out.write({RecordValue::text(entry.dateText)});
    for (const SetResult &s : entry.sets)
        out.write({RecordValue::whole(s.weight), RecordValue::whole(s.reps)});
}

// Writes every entry of `olderBytes` as one line: one that stands so is
// checked and copied as it is, any other read and written anew. Whether
// every one now stands as the next save copies it.
bool writeOlder(RecordWriter &out, const QByteArray &olderBytes, const QString &fileName, qint16 sets)
{
    bool copied = true;
    QList<RecordValue> fields; // one list for every entry: no allocation per entry
    // One pass: each older entry is read, checked and written before the
    // next.
    forEachRecord<OlderEntry>(
        olderBytes, fileName, [sets](RecordReader &r) { return readOlder(r, sets); },
        [&](const OlderEntry &older) {
            if (out.copy(olderBytes, older.verbatim))
                return;
            if (!older.entry)
                return; // not reached: a plain line is verbatim
            const ExerciseLogEntry &e = *older.entry;
            RecordWriter::requireWritable(e.dateText, fileName);
            fields.clear();
            fields.append(RecordValue::text(e.dateText));
            for (const SetResult &s : e.sets) {
                fields.append(RecordValue::whole(s.weight));
                fields.append(RecordValue::whole(s.reps));
            }
            const qsizetype from = out.bytes().size();
            out.write(fields);
            copied = copied && copiedAsItStands(out.bytes().sliced(from), fileName, sets);
        });
    return copied;
}

// Whether every entry of a part of a log stands on one line as the writer
// writes it back.
bool plainPart(QByteArrayView part, qint16 sets)
{
    static const QString noName;
    RecordReader r = RecordReader::partOf(QByteArray::fromRawData(part.data(), part.size()), noName);
    while (r.position() < r.size()) {
        // Most entries many at a time, those left one by one.
        if (r.skipPlainTextAndNumbersLines(2 * sets))
            continue;
        r.beginRecord();
        if (!r.skipPlainTextAndNumbers(2 * sets) && !readPlainEntry(r, sets, nullptr))
            return false;
    }
    return true;
}

// Where the first entry of a log in the form formFound() finds ends, the
// entries after it not looked at; 0 for a log in any other form, or one too
// small to pay for the threads (unless `small`).
qsizetype firstEntryEnd(const QByteArray &bytes, qint16 sets, bool small)
{
    if ((!small && !InParts::splits(bytes.size(), InParts::kLeastPart)) || RecordReader::byteOrderMarkSize(bytes) > 0)
        return 0;
    static const QString noName;
    RecordReader first = RecordReader::partOf(bytes, noName);
    try {
        first.beginRecord();
        readOlder(first, sets);
    } catch (const RecordFileError &) {
        return 0;
    }
    const qsizetype firstEnd = first.position();
    if (firstEnd == 0 || bytes[firstEnd - 1] != '\n')
        return 0;
    return firstEnd;
}

// The form of a log that stands in the written form although this program
// did not keep it (another program wrote it so, or this one ended before
// it kept its forms): its first entry, over lines as a save writes a new
// one or not, then every entry on one line as the writer writes it back,
// nothing before the first entry nor after the last. Those after the first
// are checked in parts on several threads; none for a log in any other
// form, or one too small to pay for the threads, which the one pass reads
// (unless `small`).
QByteArray formFound(const QByteArray &bytes, qint16 sets, bool small)
{
    const qsizetype firstEnd = firstEntryEnd(bytes, sets, small);
    if (firstEnd == 0)
        return {};
    const auto parts = InParts::lookAt<bool>(
        QByteArrayView(bytes).sliced(firstEnd), InParts::kLeastPart,
        [sets](QByteArrayView part) { return plainPart(part, sets); }, small);
    if (!parts || parts->contains(false))
        return {};
    return WrittenForm::of(kindOf(sets), 0, firstEnd);
}

// The form formFound() finds in a log, taken from the first entry alone;
// none where it would find none for that entry.
QByteArray formPresumed(const QByteArray &bytes, qint16 sets)
{
    const qsizetype firstEnd = firstEntryEnd(bytes, sets, true);
    return firstEnd > 0 ? WrittenForm::of(kindOf(sets), 0, firstEnd) : QByteArray();
}

} // namespace

QByteArray ExerciseLog::withFirst(const ExerciseLogEntry &entry, const QByteArray &olderBytes,
                                  const QString &fileName, qint16 sets)
{
    return withFirstChecked(entry, olderBytes, {}, fileName, sets).bytes;
}

FileBatch::Checked ExerciseLog::withFirstChecked(const ExerciseLogEntry &entry, const QByteArray &olderBytes,
                                                 QByteArrayView form, const QString &fileName, qint16 sets)
{
    // A log this program wrote and that still holds those bytes: only the
    // entry written new last time, first in the log, is read and written
    // back as an older one; the rest is copied unchecked. One in that form
    // all the same whose form was not kept is found so by a check in parts.
    const QByteArray found = WrittenForm::orFound(
        form, olderBytes, [sets](const QByteArray &b, bool small) { return formFound(b, sets, small); },
        [sets](const QByteArray &b) { return formPresumed(b, sets); });
    form = found;
    const auto known = WrittenForm::madeKnown(form, [&] {
        return WrittenForm::withNewFirst(
            olderBytes, form, kindOf(sets), [&](RecordWriter &out) { writeNew(out, entry); },
            [&](RecordWriter &out, const QByteArray &head) { return writeOlder(out, head, fileName, sets); });
    });
    if (known)
        return std::move(*known);
    RecordWriter out;
    out.reserve(olderBytes.size() + 16 + 10 * entry.sets.size());
    writeNew(out, entry);
    const qsizetype newEnd = out.bytes().size();
    const bool copied = writeOlder(out, olderBytes, fileName, sets);
    return {out.bytes(), copied ? WrittenForm::of(kindOf(sets), 0, newEnd) : QByteArray()};
}
