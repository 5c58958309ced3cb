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

QList<AerobicLogEntry> AerobicLog::parse(const QByteArray &bytes, const QString &fileName, Layout layout,
                                         bool *complete)
{
    return readRecords<AerobicLogEntry>(bytes, fileName, [&](RecordReader &r) {
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
    }, complete);
}

qsizetype AerobicLog::insertionIndex(const QList<AerobicLogEntry> &entries, const QDate &date)
{
    return NewestFirst::insertionIndex(entries, date);
}

QByteArray AerobicLog::line(const AerobicLogEntry &e, Layout layout)
{
    QList<RecordValue> fields{RecordValue::text(e.dateText), RecordValue::whole(e.minutes)};
    if (layout != Layout::DateMinutes)
        fields.append(RecordValue::whole(e.distance));
    if (layout == Layout::Full)
        fields.append(RecordValue::text(e.terrain));
    return RecordWriter::line(fields);
}

QByteArray AerobicLog::bytes(const QList<AerobicLogEntry> &entries, Layout layout)
{
    QByteArray out;
    for (const AerobicLogEntry &e : entries)
        out += line(e, layout);
    return out;
}
