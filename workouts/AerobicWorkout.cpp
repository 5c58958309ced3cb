#include "AerobicWorkout.h"

#include "AerobicCatalogue.h"
#include "common/BodyWeight.h"
#include "CalorieFactors.h"
#include "CalorieJournal.h"
#include "ExerciseLogName.h"
#include "common/FileBatch.h"

#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"

#include <cmath>
#include <limits>

const QString AerobicWorkout::kPickOne = QStringLiteral("Please pick an excercise to enter");

namespace {

constexpr double kMost = std::numeric_limits<qint16>::max();

} // namespace

std::variant<AerobicLogEntry, QString> AerobicWorkout::entryOf(const Boxes &boxes, AerobicLog::Layout layout)
{
    const auto hours = NumberText::parse(boxes.hours);
    if (!hours || *hours < 0 || *hours != std::floor(*hours) || *hours > kMost)
        return QStringLiteral("The hours must be a whole number of 0 or more.");
    const auto minutes = NumberText::parse(boxes.minutes);
    if (!minutes || *minutes < 0 || *minutes > kMost)
        return QStringLiteral("The minutes must be a number of 0 or more.");
    const double total = *hours * 60 + std::floor(*minutes);
    if (total > kMost)
        return QStringLiteral("A workout can be at most %1 minutes long.").arg(qint16(kMost));
    if (total == 0)
        return kPickOne;

    AerobicLogEntry e;
    e.minutes = qint16(total);
    if (layout != AerobicLog::Layout::DateMinutes) {
        const auto distance = NumberText::parse(boxes.distance);
        const double miles = distance ? NumberText::roundHalfEven(*distance) : -1;
        if (miles < 0 || miles > kMost)
            return QStringLiteral("The distance must be a number from 0 to %1 miles.").arg(qint16(kMost));
        e.distance = qint16(miles);
    }
    if (layout == AerobicLog::Layout::Full)
        e.terrain = boxes.terrain;
    return e;
}

AerobicWorkout::Outcome AerobicWorkout::save(const QString &dataFolder, const Settings &settings,
                                             const QString &code, const QString &name,
                                             const QDate &date, const Boxes &boxes)
{
    if (name.isEmpty())
        return Outcome{kPickOne};
    try {
        FileBatch batch;
        // The activity of this class: its flags say what its log records.
        const QString cataloguePath = AerobicCatalogue::path(dataFolder);
        const auto activity = AerobicCatalogue::find(
            AerobicCatalogue::parse(batch.read(cataloguePath), cataloguePath), code, name);
        if (!activity)
            return Outcome{kPickOne};
        const AerobicLog::Layout layout = AerobicLog::layoutOf(*activity);

        const auto entry = entryOf(boxes, layout);
        if (const QString *refusal = std::get_if<QString>(&entry))
            return Outcome{*refusal};
        AerobicLogEntry e = std::get<AerobicLogEntry>(entry);
        e.dateText = DateText::medium(date);
        e.date = date;

        const QString logPath = ExerciseLogName::path(dataFolder, code, name);
        batch.transformChecked(logPath, [logPath, layout, e](const QByteArray &before, QByteArrayView form) {
            return AerobicLog::insertedChecked(before, form, logPath, layout, e);
        });

        const QString factorsPath = CalorieFactors::path(dataFolder);
        const double factor =
            CalorieFactors::lookup(CalorieFactors::parse(batch.read(factorsPath), factorsPath), name.trimmed());
        const float calories = float(double(e.minutes) * (double(BodyWeight::pounds(settings)) * factor));
        if (!CalorieJournal::fits(calories))
            return Outcome{CalorieFactors::tooLarge(name.trimmed())};
        CalorieJournal::stageInsert(batch, RecordFile::path(dataFolder, CalorieJournal::kExerciseFileName),
                                    date, calories);
        batch.commit();
        return Outcome{QString(), calories};
    } catch (const RecordFileError &err) {
        return Outcome{err.message()};
    }
}
