#include "AerobicLog.h"

#include "NewestFirst.h"
#include "RecordList.h"

#include "common/DateText.h"
#include "common/InParts.h"
#include "common/RecordFileError.h"
#include "common/RecordHead.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "common/Windows1252.h"
#include "common/WrittenForm.h"

#include <optional>

const QString AerobicLog::kNoTerrain = QStringLiteral("Select Terrain Type");

AerobicLog::Layout AerobicLog::layoutOf(bool hasTime, bool hasDistance, bool hasTerrain)
{
    if (!hasTime)
        return Layout::Full;
    if (!hasDistance)
        return Layout::DateMinutes;
    return hasTerrain ? Layout::Full : Layout::DateMinutesDistance;
}

AerobicLog::Layout AerobicLog::layoutOf(const AerobicActivity &activity)
{
    return layoutOf(activity.hasTime, activity.hasDistance, activity.hasTerrain);
}

namespace {

// A record of the layout read in one pass when it stands on one line as
// the writer writes it (RecordReader::readPlainLine()).
bool readPlainRecord(RecordReader &r, AerobicLog::Layout layout, RecordReader::PlainField *fields)
{
    using Layout = AerobicLog::Layout;
    switch (layout) {
    case Layout::DateMinutes:
        return r.readPlainLine<'t', 'h'>(fields);
    case Layout::DateMinutesDistance:
        return r.readPlainLine<'t', 'h', 'h'>(fields);
    case Layout::Full:
        break;
    }
    return r.readPlainLine<'t', 'h', 'h', 't'>(fields);
}

// The day a record's Date text names; the TypeMismatch error naming the
// file and the record's line when it names none.
QDate dateOf(QByteArrayView dateBytes, const QString &dateText, const QString &fileName, int line)
{
    const auto date = dateBytes.isNull() ? DateText::parseMedium(dateText.trimmed()) : DateText::parseMedium(dateBytes);
    if (!date)
        throw RecordFileError(RecordFileError::TypeMismatch, fileName,
                              QStringLiteral("\"%1\" is not a date").arg(dateText.trimmed()), line);
    return *date;
}

AerobicLogEntry readEntry(RecordReader &r, const QString &fileName, AerobicLog::Layout layout)
{
    using Layout = AerobicLog::Layout;
    AerobicLogEntry e;
    const int line = r.line();
    // Nearly every record stands as the writer writes it: read in one pass.
    RecordReader::PlainField plain[4];
    if (readPlainRecord(r, layout, plain)) {
        e.dateText = Windows1252::decode(plain[0].bytes);
        e.date = dateOf(plain[0].bytes, e.dateText, fileName, line);
        e.minutes = qint16(plain[1].whole);
        if (layout != Layout::DateMinutes)
            e.distance = qint16(plain[2].whole);
        if (layout == Layout::Full)
            e.terrain = Windows1252::decode(plain[3].bytes);
        return e;
    }
    e.dateText = r.readText();
    e.date = dateOf({}, e.dateText, fileName, line);
    e.minutes = r.readInt16();
    if (layout != Layout::DateMinutes)
        e.distance = r.readInt16();
    if (layout == Layout::Full)
        e.terrain = r.readText();
    return e;
}

// A record as the insertion needs it: its date, and the whole record only
// when it does not stand on one line as the writer writes it (one that does
// is checked in one pass and copied).
struct OlderRecord
{
    QDate date;
    std::optional<AerobicLogEntry> entry;
    VerbatimRecord verbatim;
};

OlderRecord readOlder(RecordReader &r, const QString &fileName, AerobicLog::Layout layout)
{
    const int line = r.line();
    RecordReader::PlainField plain[4];
    if (readPlainRecord(r, layout, plain)) {
        OlderRecord o;
        const auto date = DateText::parseMedium(plain[0].bytes);
        o.date = date ? *date : dateOf(plain[0].bytes, Windows1252::decode(plain[0].bytes), fileName, line);
        return o;
    }
    AerobicLogEntry e = readEntry(r, fileName, layout);
    const QDate date = e.date;
    return OlderRecord{date, std::move(e), {}};
}

} // namespace

QList<AerobicLogEntry> AerobicLog::parse(const QByteArray &bytes, const QString &fileName, Layout layout,
                                         bool *complete)
{
    return readRecords<AerobicLogEntry>(
        bytes, fileName, [&](RecordReader &r) { return readEntry(r, fileName, layout); }, complete);
}

QList<AerobicLogEntry> AerobicLog::readFirst(const QString &path, const QString &fileName, Layout layout,
                                             qsizetype most, std::optional<RecordFileError> &damage)
{
    // About 40 bytes a record as the program writes them.
    auto head = RecordHead::first<AerobicLogEntry>(path, fileName, most, 40 * most + 512, [&](RecordReader &r) {
        return readEntry(r, fileName, layout);
    });
    damage = std::move(head.damage);
    return std::move(head.records);
}

qsizetype AerobicLog::insertionIndex(const QList<AerobicLogEntry> &entries, const QDate &date)
{
    return NewestFirst::insertionIndex(entries, date);
}

namespace {
void writeEntry(RecordWriter &out, const AerobicLogEntry &e, AerobicLog::Layout layout)
{
    using Layout = AerobicLog::Layout;
    if (layout == Layout::DateMinutes)
        out.write({RecordValue::text(e.dateText), RecordValue::whole(e.minutes)});
    else if (layout == Layout::DateMinutesDistance)
        out.write({RecordValue::text(e.dateText), RecordValue::whole(e.minutes), RecordValue::whole(e.distance)});
    else
        out.write({RecordValue::text(e.dateText), RecordValue::whole(e.minutes), RecordValue::whole(e.distance),
                   RecordValue::text(e.terrain)});
}
} // namespace

namespace {

// The kind of file a log's written form names (WrittenForm).
QByteArray kindOf(AerobicLog::Layout layout)
{
    return QByteArrayLiteral("aerobic log of layout ") + QByteArray::number(int(layout)) + ", newest first";
}

// Writes an older record: copied as it stands, or written anew. Whether it
// now stands as the next insertion copies it.
bool writeOlder(RecordWriter &out, const OlderRecord &o, const QByteArray &bytes, const QString &fileName,
                AerobicLog::Layout layout);

// Whether the one record `line` stands as the next insertion copies it.
bool copiedAsItStands(const QByteArray &line, const QString &fileName, AerobicLog::Layout layout)
{
    RecordReader r = RecordReader::partOf(line, fileName);
    r.beginRecord();
    const OlderRecord o = readOlder(r, fileName, layout);
    return !o.entry && r.verbatim().isValid() && r.atEndOrBlank();
}

bool writeOlder(RecordWriter &out, const OlderRecord &o, const QByteArray &bytes, const QString &fileName,
                AerobicLog::Layout layout)
{
    if (out.copy(bytes, o.verbatim) || !o.entry)
        return true;
    RecordWriter::requireWritable(o.entry->terrain, fileName);
    const qsizetype from = out.bytes().size();
    writeEntry(out, *o.entry, layout);
    return copiedAsItStands(out.bytes().sliced(from), fileName, layout);
}

// The insertion into a log this program wrote in its written form and that
// still holds those bytes: its place found by halving it, the record written
// new last time written back as an older one, the rest copied unchecked.
// None when the log is not as the form promises, for the one pass to do it.
std::optional<FileBatch::Checked> insertKnown(const QByteArray &bytes, QByteArrayView form, const QString &fileName,
                                              AerobicLog::Layout layout, const AerobicLogEntry &entry)
{
    const QByteArray kind = kindOf(layout);
    const auto last = WrittenForm::newRecord(form, kind, bytes.size());
    if (!last)
        return std::nullopt;
    const auto at = NewestFirst::placeIn(bytes, entry.date);
    if (!at)
        return std::nullopt;
    RecordWriter again;
    {
        const QByteArray line = QByteArray::fromRawData(bytes.constData() + last->first, last->second - last->first);
        RecordReader r = RecordReader::partOf(line, fileName);
        r.beginRecord();
        OlderRecord o = readOlder(r, fileName, layout);
        o.verbatim = r.verbatim();
        if (!r.atEndOrBlank() || !writeOlder(again, o, line, fileName, layout))
            return std::nullopt;
    }
    RecordWriter fresh;
    writeEntry(fresh, entry, layout);
    if (NewestFirst::dateOfLine(fresh.bytes()) != entry.date)
        return std::nullopt;
    const auto made = NewestFirst::stitch(bytes, *last, again.bytes(), *at, fresh.bytes());
    if (!made)
        return std::nullopt;
    return FileBatch::Checked{made->bytes, WrittenForm::of(kind, made->newBegin, made->newBegin + fresh.bytes().size())};
}

// What a part of a log holds when every record of it stands on one line
// as the writer writes it, its date as the writer writes one, the dates
// never rising.
struct PartForm
{
    bool formed = false;
    QDate first;            // the date of its first record
    QDate last;             // and of its last
    qsizetype firstEnd = 0; // where its first record ends
};

PartForm formOfPart(QByteArrayView part, AerobicLog::Layout layout)
{
    static const QString noName;
    RecordReader r = RecordReader::partOf(QByteArray::fromRawData(part.data(), part.size()), noName);
    PartForm f;
    QDate previous;
    while (r.position() < r.size()) {
        r.beginRecord();
        RecordReader::PlainField plain[4];
        if (!readPlainRecord(r, layout, plain))
            return {};
        const auto date = DateText::parseMedium(plain[0].bytes);
        if (!date || (previous.isValid() && *date > previous))
            return {};
        if (!previous.isValid()) {
            f.first = *date;
            f.firstEnd = r.position();
        }
        previous = *date;
    }
    f.last = previous;
    f.formed = f.first.isValid();
    return f;
}

// The form of a log that stands in the written form although this program
// did not write it so (or did not keep its form): every record on one line
// as the writer writes it, the dates never rising, nothing before the first
// record nor after the last; its first record stands for the one written
// new last time. Checked in parts on several threads; none for a log in
// any other form, or one too small to pay for the threads, which the one
// pass reads (unless `small`).
QByteArray formFound(const QByteArray &bytes, AerobicLog::Layout layout, bool small)
{
    const auto found = InParts::lookAt<PartForm>(
        bytes, InParts::kLeastPart, [layout](QByteArrayView part) { return formOfPart(part, layout); }, small);
    if (!found)
        return {};
    const QList<PartForm> &parts = *found;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!parts[i].formed || (i > 0 && parts[i].first > parts[i - 1].last))
            return {};
    }
    return WrittenForm::of(kindOf(layout), 0, parts[0].firstEnd);
}

// The form formFound() finds in a log, taken from the first record alone;
// none where it would find none for that record.
QByteArray formPresumed(const QByteArray &bytes, AerobicLog::Layout layout)
{
    const PartForm first = formOfPart(WrittenForm::firstLine(bytes), layout);
    return first.formed ? WrittenForm::of(kindOf(layout), 0, first.firstEnd) : QByteArray();
}

} // namespace

QByteArray AerobicLog::inserted(const QByteArray &bytes, const QString &fileName, Layout layout,
                                const AerobicLogEntry &entry)
{
    return insertedChecked(bytes, {}, fileName, layout, entry).bytes;
}

FileBatch::Checked AerobicLog::insertedChecked(const QByteArray &bytes, QByteArrayView form, const QString &fileName,
                                               Layout layout, const AerobicLogEntry &entry)
{
    // A log in the written form whose form was not kept (another program
    // wrote it so, or this one ended before it kept its forms).
    const QByteArray found = WrittenForm::orFound(
        form, bytes, [layout](const QByteArray &b, bool small) { return formFound(b, layout, small); },
        [layout](const QByteArray &b) { return formPresumed(b, layout); });
    form = found;
    if (auto known = WrittenForm::madeKnown(form, [&] { return insertKnown(bytes, form, fileName, layout, entry); }))
        return std::move(*known);
    // One pass: each record is read, checked and written before the next;
    // one that stands as written already is copied as it is.
    RecordWriter out;
    out.reserve(bytes.size() + 64);
    NewestFirst::Insertion insertion(out, entry.date);
    const auto writeNew = [&](RecordWriter &w) { writeEntry(w, entry, layout); };
    forEachRecord<OlderRecord>(
        bytes, fileName, [&](RecordReader &r) { return readOlder(r, fileName, layout); },
        [&](const OlderRecord &o) {
            insertion.before(o.date, writeNew);
            if (!writeOlder(out, o, bytes, fileName, layout))
                insertion.spoil();
        });
    insertion.finish(writeNew);
    return {out.bytes(), insertion.form(kindOf(layout))};
}
