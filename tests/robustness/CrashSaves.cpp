#include "CrashSaves.h"

#include "common/RecordFile.h"
#include "common/RecordWriter.h"
#include "nutrition/FoodDay.h"
#include "nutrition/FoodDeletion.h"
#include "nutrition/FoodEntry.h"
#include "nutrition/PendingFoods.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicWorkout.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WeightCatalogue.h"
#include "workouts/WeightWorkout.h"

#include <QDate>
#include <QFile>

namespace CrashSaves {

namespace {

struct Exercise
{
    const char *name;
    int sets;
};
constexpr Exercise kExercises[] = {{"Barbell Curl", 1}, {"Hammer Curl", 3}, {"Cable Curl", 5}};

void writeFile(const QString &folder, const QString &name, const QByteArray &bytes)
{
    RecordFile::write(RecordFile::path(folder, name), bytes);
}

// The days the food saves enter and delete on.
QDate foodDay(int k)
{
    return QDate(2026, 3, 1).addDays(k % 3);
}

// The food saves, each one save: a pick into the pending-food file, Enter
// of the two foods picked, or the deletion of the first food of the first
// day that has one.
bool saveFood(const QString &folder, int k, QString &refusal)
{
    const int pending =
        int(PendingFoods::parse(RecordFile::read(PendingFoods::path(folder)), PendingFoods::kFileName).size());
    if (pending == 2) {
        refusal = FoodEntry::enter(folder, foodDay(k)).refusal;
        return true;
    }
    if (pending == 0 && k % 4 == 3) {
        for (int d = 0; d < 3; ++d) {
            const QList<FoodDayRecord> day = FoodDay::read(folder, foodDay(d));
            if (!day.isEmpty()) {
                refusal = FoodDeletion::remove(folder, foodDay(d), day.first()).refusal;
                return true;
            }
        }
    }
    if (pending == 0 && k % 4 < 2)
        return false;
    FoodListRecord food;
    food.name = pending == 0 ? QStringLiteral("Skim milk (1 cup)") : QStringLiteral("Rye bread (1 slice)");
    food.calories = pending == 0 ? 83 : 81 + k % 50;
    refusal = FoodEntry::pick(folder, foodDay(k), FoodGroups::byCode(pending == 0 ? 1 : 4), food,
                              pending == 0 ? QStringLiteral("1.5") : QStringLiteral("2"), 0)
                  .refusal;
    return true;
}

} // namespace

void prepare(const QString &folder)
{
    RecordWriter weights;
    for (const Exercise &e : kExercises) {
        const QString name = QString::fromLatin1(e.name);
        weights.write({RecordValue::text(QStringLiteral("Bi")), RecordValue::text(name),
                       RecordValue::text(QStringLiteral("Curl it")), RecordValue::text(QString::number(e.sets))});
        writeFile(folder, ExerciseLogName::fileName(QStringLiteral("Bi"), name), QByteArray());
    }
    writeFile(folder, WeightCatalogue::kFileName, weights.bytes());
    writeFile(folder, AerobicCatalogue::kFileName,
              AerobicCatalogue::line({QStringLiteral("Ou"), QStringLiteral("Running"), true, true, true}));
    writeFile(folder, ExerciseLogName::fileName(QStringLiteral("Ou"), QStringLiteral("Running")), QByteArray());
    writeFile(folder, CalorieFactors::kFileName,
              CalorieFactors::line(CalorieFactors::kWeightTraining, 0.05)
                  + CalorieFactors::line(QStringLiteral("Running"), 0.0659));
    writeFile(folder, CalorieJournal::kExerciseFileName, QByteArray());
    writeFile(folder, FoodDay::kJournalFileName, QByteArray());
    writeFile(folder, PendingFoods::kFileName, PendingFoods::emptyForm());
}

void saveNext(const QString &folder, const Settings &settings)
{
    const int n = int(CalorieJournal::read(RecordFile::path(folder, CalorieJournal::kExerciseFileName)).size());
    const int k = n + int(CalorieJournal::read(RecordFile::path(folder, FoodDay::kJournalFileName)).size());
    // Dates jump about, so records go into the middle of the files too.
    const QDate date = QDate(2026, 1, 1).addDays((n * 37) % 365);
    QString refusal;
    if (saveFood(folder, k, refusal)) {
        // a food save
    } else if (k % 4 == 0) {
        QList<WeightWorkout::Row> rows;
        for (const Exercise &e : kExercises) {
            WeightWorkout::Row row{QStringLiteral("Bi"), QString::fromLatin1(e.name), {}, {}};
            for (int k = 0; k < e.sets; ++k) {
                row.weights.append(QString::number(50 + (n + k) % 200));
                row.reps.append(QString::number(1 + (n + k) % 12));
            }
            rows.append(row);
        }
        refusal = WeightWorkout::save(folder, settings, date, rows).refusal;
    } else {
        AerobicWorkout::Boxes boxes;
        boxes.hours = QString::number(n % 3);
        boxes.minutes = QString::number(1 + n % 59);
        boxes.distance = QString::number(n % 20);
        boxes.terrain = QStringLiteral("Hilly ");
        refusal = AerobicWorkout::save(folder, settings, QStringLiteral("Ou"), QStringLiteral("Running"), date,
                                       boxes)
                      .refusal;
    }
    if (!refusal.isEmpty())
        qFatal("save %d refused: %s", n, qPrintable(refusal));
}

} // namespace CrashSaves
