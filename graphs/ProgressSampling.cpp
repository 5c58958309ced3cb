#include "ProgressSampling.h"

#include "common/DateText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordHead.h"
#include "common/RecordReader.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/RecordList.h"
#include "workouts/WeightCatalogue.h"

#include <QFileInfo>

namespace ProgressSampling {

QList<qsizetype> shownPositions(qsizetype count, int step)
{
    const qsizetype by = qMax(step, 1);
    QList<qsizetype> out;
    for (qsizetype p = 0; p < count && out.size() < kMostGroups; p += by)
        out.append(p);
    return out;
}

namespace {

// The records of a catalogue that can be read: a missing file has none, a
// damaged one those before the damage, with the damage in `error`.
QList<WeightExercise> weightCatalogue(const QString &dataFolder, std::optional<RecordFileError> &error)
{
    return WeightCatalogue::readUpToDamage(dataFolder, error);
}

QList<AerobicActivity> aerobicCatalogue(const QString &dataFolder, std::optional<RecordFileError> &error)
{
    return AerobicCatalogue::readUpToDamage(dataFolder, error);
}

QList<WeightExercise> weightCatalogue(const QString &dataFolder)
{
    std::optional<RecordFileError> ignored;
    return weightCatalogue(dataFolder, ignored);
}

QList<AerobicActivity> aerobicCatalogue(const QString &dataFolder)
{
    std::optional<RecordFileError> ignored;
    return aerobicCatalogue(dataFolder, ignored);
}

// How many of a log's first entries a graph of `step` reads: the last one
// it shows is the oldest it needs.
qsizetype entriesRead(int step)
{
    return qsizetype(kMostGroups - 1) * qMax(step, 1) + 1;
}

// What the user is told of a file the graph read only in part: nothing when
// the graph is full, since the records it shows came before the damage;
// otherwise the damage, which may hide records the graph would show.
QString cutShort(const std::optional<RecordFileError> &error, qsizetype shown)
{
    return error && shown < kMostGroups ? error->message() : QString();
}

} // namespace

QStringList exerciseNames(const QString &dataFolder, const QString &code)
{
    QStringList out;
    try {
        for (const WeightExercise &e : WeightCatalogue::ofGroup(weightCatalogue(dataFolder), code))
            out.append(e.name);
    } catch (const RecordFileError &) {
        // An unreadable catalogue lists nothing.
    }
    return out;
}

QStringList activityNames(const QString &dataFolder, const QString &code)
{
    try {
        return AerobicCatalogue::namesOf(aerobicCatalogue(dataFolder), code);
    } catch (const RecordFileError &) {
        return {};
    }
}

std::optional<AerobicActivity> activity(const QString &dataFolder, const QString &code, const QString &name)
{
    try {
        return AerobicCatalogue::find(aerobicCatalogue(dataFolder), code, name);
    } catch (const RecordFileError &) {
        return std::nullopt;
    }
}

WeightGraph weightGraph(const QString &dataFolder, const QString &code, const QString &name, int step)
{
    WeightGraph g;
    try {
        std::optional<RecordFileError> catalogueDamage, damage;
        const auto exercise = WeightCatalogue::find(weightCatalogue(dataFolder, catalogueDamage), code, name);
        if (!exercise) {
            // The exercise may stand behind a damaged record.
            if (catalogueDamage)
                g.problem = catalogueDamage->message();
            return g;
        }
        g.found = true;
        g.sets = exercise->setCount();
        const QString log = ExerciseLogName::path(dataFolder, code, name);
        // The log stands newest first: only the entries shown are read.
        const QList<ExerciseLogEntry> entries =
            ExerciseLog::readFirst(log, QFileInfo(log).fileName(), g.sets, entriesRead(step), damage);
        for (const qsizetype p : shownPositions(entries.size(), step))
            g.groups.append({int(g.groups.size()) + 1, entries[p].dateText, entries[p].sets});
        g.problem = cutShort(damage, g.groups.size());
    } catch (const RecordFileError &e) {
        g.problem = e.message();
    }
    return g;
}

float convertedDistance(qint16 miles, DistanceUnit unit)
{
    const float x = miles;
    switch (unit) {
    case DistanceUnit::Yards:
        return x * 1760.0f;
    case DistanceUnit::Meters:
        return x * 1609.344f;
    case DistanceUnit::Miles:
        return x;
    case DistanceUnit::Kilometers:
        return x * 1.6f;
    case DistanceUnit::None:
        break;
    }
    return 0;
}

namespace {

float timeValue(qint16 minutes, TimeUnit unit)
{
    switch (unit) {
    case TimeUnit::Minutes:
        return float(minutes);
    case TimeUnit::Hours:
        return float(minutes) / 60.0f;
    case TimeUnit::None:
        break;
    }
    return 1;
}

QString distanceCaption(DistanceUnit unit)
{
    switch (unit) {
    case DistanceUnit::Yards:
        return QStringLiteral("Yards");
    case DistanceUnit::Meters:
        return QStringLiteral("Meters");
    case DistanceUnit::Miles:
        return QStringLiteral("Miles");
    case DistanceUnit::Kilometers:
        return QStringLiteral("Kilometers");
    case DistanceUnit::None:
        break;
    }
    return QString();
}

} // namespace

float aerobicValue(const AerobicLogEntry &entry, const AerobicUnits &units, bool *timeAlone)
{
    const float d = units.distanceChecked ? convertedDistance(entry.distance, units.distance) : 0.0f;
    const float t = timeValue(entry.minutes, units.time);
    // No time (zero minutes) measures nothing: the value is 0, like a
    // workout without a distance, and falls back to that time.
    const float value = t == 0 ? 0.0f : d / t;
    if (timeAlone)
        *timeAlone = value == 0;
    return value == 0 ? t : value;
}

qint16 aerobicScaleCode(float firstValue)
{
    if (firstValue <= 1)
        return 1;
    if (firstValue <= 25)
        return 2;
    if (firstValue <= 500)
        return 3;
    return 4;
}

AxisCaption aerobicCaption(const AerobicUnits &units, bool someTimeAlone)
{
    AxisCaption c;
    if (units.distanceChecked && units.distance != DistanceUnit::None)
        c.distance = distanceCaption(units.distance);
    if (units.time == TimeUnit::None) {
        c.per.clear();
        c.time.clear();
    } else {
        c.time = units.time == TimeUnit::Hours ? QStringLiteral("Hour") : QStringLiteral("Minute");
    }
    // A value that is the time alone has no distance to name; a chosen
    // distance unit names all three parts.
    if (someTimeAlone)
        c.distanceShown = false;
    if (units.distance != DistanceUnit::None) {
        c.distanceShown = true;
        c.perShown = true;
        c.timeShown = true;
    }
    return c;
}

AerobicGraph aerobicGraph(const QString &dataFolder, const QString &code, const QString &name, int step,
                          const AerobicUnits &units)
{
    AerobicGraph g;
    bool someTimeAlone = false;
    try {
        std::optional<RecordFileError> catalogueDamage, damage;
        const auto record = AerobicCatalogue::find(aerobicCatalogue(dataFolder, catalogueDamage), code, name);
        if (record) {
            g.found = true;
            const QString log = ExerciseLogName::path(dataFolder, code, name);
            const AerobicLog::Layout layout = AerobicLog::layoutOf(*record);
            // The log stands newest first: only the records shown are read.
            const QList<AerobicLogEntry> entries =
                AerobicLog::readFirst(log, QFileInfo(log).fileName(), layout, entriesRead(step), damage);
            for (const qsizetype p : shownPositions(entries.size(), step)) {
                bool timeAlone = false;
                const float value = aerobicValue(entries[p], units, &timeAlone);
                someTimeAlone = someTimeAlone || timeAlone;
                if (g.points.isEmpty())
                    g.scaleCode = aerobicScaleCode(value);
                g.points.append({int(g.points.size()) + 1, entries[p].dateText, value, entries[p].terrain});
            }
            g.problem = cutShort(damage, g.points.size());
        } else if (catalogueDamage) {
            // The activity may stand behind a damaged record.
            g.problem = catalogueDamage->message();
        }
    } catch (const RecordFileError &e) {
        g.problem = e.message();
    }
    g.caption = aerobicCaption(units, someTimeAlone);
    return g;
}

namespace {

AbdominalEntry readAbdominal(RecordReader &r)
{
    AbdominalEntry e;
    e.dateText = r.readText();
    e.upper = r.readInt16();
    e.lower = r.readInt16();
    e.oblique = r.readInt16();
    return e;
}

} // namespace

QList<AbdominalEntry> parseAbdominal(const QByteArray &bytes, const QString &fileName, bool *complete)
{
    return readRecords<AbdominalEntry>(bytes, fileName, readAbdominal, complete);
}

AbdominalGraph abdominalGraph(const QString &dataFolder, int step)
{
    AbdominalGraph g;
    try {
        // Newest first, as the logs: only the records shown are read.
        auto head = RecordHead::first<AbdominalEntry>(RecordFile::path(dataFolder, kAbdominalFile), kAbdominalFile,
                                                      entriesRead(step), 32 * entriesRead(step) + 512, readAbdominal);
        const std::optional<RecordFileError> damage = std::move(head.damage);
        const QList<AbdominalEntry> &entries = head.records;
        for (const qsizetype p : shownPositions(entries.size(), step))
            g.groups.append({int(g.groups.size()) + 1, entries[p]});
        g.problem = cutShort(damage, g.groups.size());
    } catch (const RecordFileError &e) {
        g.problem = e.message();
    }
    return g;
}

QString dateLabel(const QString &dateText)
{
    const auto date = DateText::parseMedium(dateText.trimmed());
    return date ? DateText::dayMonth(*date) : dateText;
}

} // namespace ProgressSampling
