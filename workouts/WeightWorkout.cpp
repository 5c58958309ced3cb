#include "WeightWorkout.h"

#include "common/BodyWeight.h"
#include "CalorieFactors.h"
#include "CalorieJournal.h"
#include "ExerciseLog.h"
#include "ExerciseLogName.h"
#include "common/FileBatch.h"
#include "WeightCatalogue.h"

#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"

#include <cmath>
#include <optional>

const QString WeightWorkout::kEntered = QStringLiteral("You're Information has been entered");

namespace {

// A box's text as the whole number it stands for (halves to even), when
// that lies from 0 to the most a log holds.
std::optional<qint16> boxValue(const QString &text)
{
    const auto v = NumberText::parse(text);
    if (!v)
        return std::nullopt;
    const double whole = NumberText::roundHalfEven(*v);
    if (whole < 0 || whole > WeightWorkout::kMostInBox)
        return std::nullopt;
    return qint16(whole);
}

struct SavedRow
{
    const WeightWorkout::Row *row = nullptr;
    QList<SetResult> sets;
};

} // namespace

QString WeightWorkout::badBox(const QString &what, int set, const QString &name)
{
    return QStringLiteral("The %1 of set %2 of %3 must be a whole number from 0 to %4.")
        .arg(what)
        .arg(set)
        .arg(name)
        .arg(kMostInBox);
}

float WeightWorkout::calories(const QList<int> &setsPerRow, float factor, float bodyWeight)
{
    float total = 0;
    for (int n : setsPerRow)
        total = total + float(n) * factor;
    return total * bodyWeight;
}

WeightWorkout::Outcome WeightWorkout::save(const QString &dataFolder, const Settings &settings,
                                           const QDate &date, const QList<Row> &rows)
{
    Outcome outcome;
    // Every box first: nothing is read or written while one is unusable.
    QList<SavedRow> toSave;
    for (const Row &row : rows) {
        if (row.reps.isEmpty() || row.weights.size() != row.reps.size())
            continue;
        const auto firstReps = boxValue(row.reps[0]);
        if (!firstReps) {
            outcome.refusal = badBox(QStringLiteral("repetitions"), 1, row.name);
            return outcome;
        }
        if (*firstReps == 0)
            continue;
        SavedRow saved{&row, {}};
        for (qsizetype k = 0; k < row.reps.size(); ++k) {
            const auto weight = boxValue(row.weights[k]);
            if (!weight) {
                outcome.refusal = badBox(QStringLiteral("weight"), int(k) + 1, row.name);
                return outcome;
            }
            const auto reps = boxValue(row.reps[k]);
            if (!reps) {
                outcome.refusal = badBox(QStringLiteral("repetitions"), int(k) + 1, row.name);
                return outcome;
            }
            saved.sets.append(SetResult{*weight, *reps});
        }
        toSave.append(saved);
    }

    // Then every file, whole; the new contents are made in memory.
    FileBatch batch;
    const QString dateText = DateText::medium(date);
    try {
        const QString cataloguePath = WeightCatalogue::path(dataFolder);
        const QList<WeightExercise> catalogue =
            WeightCatalogue::parse(batch.read(cataloguePath), cataloguePath);
        QList<int> setsPerRow;
        for (const SavedRow &s : toSave) {
            const auto exercise = WeightCatalogue::find(catalogue, s.row->code, s.row->name);
            if (!exercise || exercise->setCount() != s.sets.size()) {
                outcome.refusal = QStringLiteral("%1 is no longer in %2 as this window shows it; open the "
                                                 "window again to enter it.")
                                      .arg(s.row->name, WeightCatalogue::kFileName);
                return outcome;
            }
            const QString logPath = ExerciseLogName::path(dataFolder, exercise->code, exercise->name);
            batch.transformChecked(logPath, [entry = ExerciseLogEntry{dateText, s.sets, {}}, logPath,
                                             sets = exercise->setCount()](const QByteArray &older, QByteArrayView form) {
                return ExerciseLog::withFirstChecked(entry, older, form, logPath, sets);
            });
            setsPerRow.append(int(s.sets.size()));
            outcome.saved.append(exercise->name);
            outcome.setsLogged += int(s.sets.size());
        }

        const QString factorsPath = CalorieFactors::path(dataFolder);
        const float factor = float(CalorieFactors::lookup(CalorieFactors::parse(batch.read(factorsPath), factorsPath),
                                                          CalorieFactors::kWeightTraining));
        outcome.calories = calories(setsPerRow, factor, BodyWeight::pounds(settings));
        if (!CalorieJournal::fits(outcome.calories))
            return Outcome{CalorieFactors::tooLarge(CalorieFactors::kWeightTraining), {}, 0, 0};
        CalorieJournal::stageInsert(batch, RecordFile::path(dataFolder, CalorieJournal::kExerciseFileName),
                                    date, outcome.calories);
        batch.commit();
    } catch (const RecordFileError &e) {
        return Outcome{e.message(), {}, 0, 0};
    }
    return outcome;
}
