#include "AerobicLog.h"

#include "NewestFirst.h"
#include "RecordList.h"

#include "common/DateText.h"
#include "common/RecordFileError.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"

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

AerobicLogEntry readEntry(RecordReader &r, const QString &fileName, AerobicLog::Layout layout)
{
    using Layout = AerobicLog::Layout;
    AerobicLogEntry e;
    const int line = r.line();
    e.dateText = r.readText();
    const auto date = DateText::parseMedium(e.dateText.trimmed());
    if (!date)
        throw RecordFileError(RecordFileError::TypeMismatch, fileName,
                              QStringLiteral("\"%1\" is not a date").arg(e.dateText.trimmed()), line);
    e.date = *date;
    e.minutes = r.readInt16();
    if (layout != Layout::DateMinutes)
        e.distance = r.readInt16();
    if (layout == Layout::Full)
        e.terrain = r.readText();
    return e;
}

} // namespace

QList<AerobicLogEntry> AerobicLog::parse(const QByteArray &bytes, const QString &fileName, Layout layout,
                                         bool *complete)
{
    return readRecords<AerobicLogEntry>(
        bytes, fileName, [&](RecordReader &r) { return readEntry(r, fileName, layout); }, complete);
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

QByteArray AerobicLog::inserted(const QByteArray &bytes, const QString &fileName, Layout layout,
                                const AerobicLogEntry &entry)
{
    // One pass: each record is read, checked and written before the next;
    // one that stands as written already is copied as it is.
    RecordWriter out;
    out.reserve(bytes.size() + 64);
    bool placed = false;
    forEachRecord<AerobicLogEntry>(
        bytes, fileName, [&](RecordReader &r) { return readEntry(r, fileName, layout); },
        [&](const AerobicLogEntry &e) {
            if (!placed && NewestFirst::goesBefore(e, entry.date)) {
                writeEntry(out, entry, layout);
                placed = true;
            }
            if (out.copy(bytes, e.verbatim))
                return;
            RecordWriter::requireWritable(e.terrain, fileName);
            writeEntry(out, e, layout);
        });
    if (!placed)
        writeEntry(out, entry, layout);
    return out.bytes();
}
