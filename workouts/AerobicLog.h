#pragma once

#include "AerobicCatalogue.h"

#include "common/FileBatch.h"
#include "common/RecordFileError.h"
#include "common/RecordReader.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// One workout of an aerobic activity's log. Which fields a record holds
// follows the activity's catalogue flags (see AerobicLog::layoutOf).
struct AerobicLogEntry
{
    QString dateText; // the Date text as stored ("07-Dec-26")
    QDate date;       // the same, read as a date
    qint16 minutes = 0;
    qint16 distance = 0; // whole miles
    QString terrain;     // a terrain text, or "Select Terrain Type"
    VerbatimRecord verbatim; // where it stood in the bytes it was read from

    bool operator==(const AerobicLogEntry &) const = default;
};

// The Per-exercise log of an aerobic activity: its records newest first, a
// new one standing before the first record dated on or before its own.
class AerobicLog
{
public:
    enum class Layout {
        DateMinutes,         // time only, or a terrain without a distance
        DateMinutesDistance, // time and distance
        Full,                // time, distance and terrain
    };

    // The terrain text stored when none was chosen.
    static const QString kNoTerrain; // "Select Terrain Type"

    // Time only (or terrain without distance): Date, Minutes. Time and
    // distance: Date, Minutes, Distance. Time, distance and terrain, and any
    // record without time: Date, Minutes, Distance, Terrain.
    static Layout layoutOf(bool hasTime, bool hasDistance, bool hasTerrain);
    static Layout layoutOf(const AerobicActivity &activity);

    // Every record of the bytes, each read by the layout; throws
    // RecordFileError naming the file when a record is incomplete, a number
    // does not fit 16 bits or a date cannot be read. With `complete` given it
    // does not throw: it gives the records before the failing one and sets
    // *complete.
    static QList<AerobicLogEntry> parse(const QByteArray &bytes, const QString &fileName, Layout layout,
                                        bool *complete = nullptr);
    // The first `most` records of the log at `path`, read from the head of
    // the file: those before a damaged one, and in `damage` why the reading
    // stopped there (a damaged record after the first `most` is not looked
    // for). Errors name `fileName`; a missing file holds none. Throws
    // RecordFileError when the file cannot be read.
    static QList<AerobicLogEntry> readFirst(const QString &path, const QString &fileName, Layout layout,
                                            qsizetype most, std::optional<RecordFileError> &damage);

    // Where a record of `date` goes: before the first record dated on or
    // before it (so before the records of its own date), else at the end.
    static qsizetype insertionIndex(const QList<AerobicLogEntry> &entries, const QDate &date);

    // The new contents of the log `bytes` with `entry` inserted where
    // insertionIndex() puts it, every record one line by the layout (one
    // that stands so already is copied as it is). Throws RecordFileError
    // naming the file when a record cannot be read or its terrain holds a
    // double quote.
    static QByteArray inserted(const QByteArray &bytes, const QString &fileName, Layout layout,
                               const AerobicLogEntry &entry);
    // The same, with the form the log's bytes were checked to stand in (see
    // FileBatch::MakeChecked) and that of the new contents: a log this
    // program wrote, newest first, is not checked again, and the record's
    // place is found by halving it.
    static FileBatch::Checked insertedChecked(const QByteArray &bytes, QByteArrayView form, const QString &fileName,
                                              Layout layout, const AerobicLogEntry &entry);
};
