#include "CrashSaves.h"

#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "profile/WeightHistory.h"
#include "common/RecordWriter.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicWorkout.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CalorieJournal.h"
#include "workouts/CustomExercise.h"
#include "workouts/ExerciseDeletion.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WeightCatalogue.h"
#include "workouts/WeightWorkout.h"
#include "nutrition/FoodDay.h"
#include "nutrition/FoodDeletion.h"
#include "nutrition/FoodEntry.h"
#include "nutrition/FoodGroups.h"
#include "nutrition/FoodList.h"
#include "nutrition/PendingFoods.h"

#include <QDate>
#include <QFile>

#include <iterator>

namespace CrashSaves {

namespace {

struct Exercise
{
    const char *name;
    int sets;
};
constexpr Exercise kExercises[] = {{"Barbell Curl", 1}, {"Hammer Curl", 3}, {"Cable Curl", 5}};
// The calorie factors as prepared: weight training, running and the custom
// exercise's.
constexpr int kPreparedFactors = 3;

void writeFile(const QString &folder, const QString &name, const QByteArray &bytes)
{
    RecordFile::write(RecordFile::path(folder, name), bytes);
}

// The food-group lists foods are added to, in turn: the milk list starts
// with a heading and a food on a last line without its line end; the other
// list is made by its first food.
const QString kFoodLists[] = {QStringLiteral("Milk"), QStringLiteral("Other")};
constexpr int kListedFoods = 2; // the records of the lists as prepared

int listedFoods(const QString &folder)
{
    int n = 0;
    for (const QString &name : kFoodLists) {
        const FoodGroup &group = *FoodGroups::byName(name);
        n += int(FoodList::parse(RecordFile::read(FoodList::path(folder, group)), group.listFile).size());
    }
    return n;
}

// The custom exercises in the catalogue: none or the one.
QList<WeightExercise> customExercises(const QString &folder)
{
    QList<WeightExercise> out = WeightCatalogue::read(folder);
    out.remove(0, std::min(out.size(), qsizetype(std::size(kExercises))));
    return out;
}

// The saves made so far: each but a food pick adds one record, to a journal,
// the history, the factors or a food-group list, but the deletion of the
// custom exercise, which takes one from the catalogue (the factors keep its
// record).
int savesIn(const QString &folder)
{
    const int journal = int(CalorieJournal::read(RecordFile::path(folder, CalorieJournal::kExerciseFileName)).size());
    const int foods = int(CalorieJournal::read(RecordFile::path(folder, FoodDay::kJournalFileName)).size());
    const int weighings = int(WeightHistory(folder).read().records.size()) - 1;
    const int made = int(CalorieFactors::read(folder).size()) - kPreparedFactors;
    const int deleted = made + 1 - int(customExercises(folder).size());
    return journal + foods + weighings + made + deleted + listedFoods(folder) - kListedFoods;
}

int pendingFoods(const QString &folder)
{
    return int(PendingFoods::parse(RecordFile::read(PendingFoods::path(folder)), PendingFoods::kFileName).size());
}

// The days the food saves enter and delete on.
QDate foodDay(int k)
{
    return QDate(2026, 3, 1).addDays(k % 3);
}

// The saves of one round in turn: the workouts, a weighing, the deletion of
// the custom exercise and its making anew, a food added to a list, then two
// food picks, their Enter and the deletion of a logged food.
Kind kindOf(int saves, int pending)
{
    if (pending == 1)
        return FoodPick;
    if (pending >= 2)
        return FoodEnter;
    constexpr Kind kRound[] = {WeightWorkout, AerobicWorkout, Weighing, ExerciseDelete, CustomExercise,
                               FoodAdd,       FoodPick,       FoodDelete};
    return kRound[saves % int(std::size(kRound))];
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
    // The custom exercise as its window makes it.
    QByteArray catalogue = weights.bytes();
    catalogue += WeightCatalogue::line({kCustomCode, kCustomName, QStringLiteral("Curl it"), QStringLiteral("2")},
                                       WeightCatalogue::SetsAs::Number);
    writeFile(folder, ExerciseLogName::fileName(kCustomCode, kCustomName), QByteArray());
    writeFile(folder, WeightCatalogue::kFileName, catalogue);
    writeFile(folder, AerobicCatalogue::kFileName,
              AerobicCatalogue::line({QStringLiteral("Ou"), QStringLiteral("Running"), true, true, true}));
    writeFile(folder, ExerciseLogName::fileName(QStringLiteral("Ou"), QStringLiteral("Running")), QByteArray());
    writeFile(folder, CalorieFactors::kFileName,
              CalorieFactors::line(CalorieFactors::kWeightTraining, 0.05)
                  + CalorieFactors::line(QStringLiteral("Running"), 0.0659)
                  + CalorieFactors::line(kCustomName, CalorieFactors::kCustomWeightFactor));
    writeFile(folder, CalorieJournal::kExerciseFileName, QByteArray());
    writeFile(folder, WeightHistory::kFileName, "\"Initializer\",0,0,0\r\n");
    writeFile(folder, FoodDay::kJournalFileName, QByteArray());
    writeFile(folder, PendingFoods::kFileName, PendingFoods::emptyForm());
    writeFile(folder, FoodGroups::byName(kFoodLists[0])->listFile, "\"Dairy\",\r\n\"Skim milk (1 cup)\",83");
}

Kind nextKind(const QString &folder)
{
    return kindOf(savesIn(folder), pendingFoods(folder));
}

void saveNext(const QString &folder, const Settings &settings)
{
    const int n = savesIn(folder);
    // Dates jump about, so records go into the middle of the files too.
    const QDate date = QDate(2026, 1, 1).addDays((n * 37) % 365);
    const int pending = pendingFoods(folder);
    QString refusal;
    switch (kindOf(n, pending)) {
    case WeightWorkout: {
        QList<WeightWorkout::Row> rows;
        QList<Exercise> exercises(std::begin(kExercises), std::end(kExercises));
        // The custom exercise too, so that its deletion takes a log with
        // workouts in it.
        const QByteArray custom = kCustomName.toLatin1();
        for (const WeightExercise &e : customExercises(folder))
            exercises.append({custom.constData(), e.setCount()});
        for (const Exercise &e : std::as_const(exercises)) {
            WeightWorkout::Row row{QStringLiteral("Bi"), QString::fromLatin1(e.name), {}, {}};
            for (int k = 0; k < e.sets; ++k) {
                row.weights.append(QString::number(50 + (n + k) % 200));
                row.reps.append(QString::number(1 + (n + k) % 12));
            }
            rows.append(row);
        }
        refusal = ::WeightWorkout::save(folder, settings, date, rows).refusal;
        break;
    }
    case AerobicWorkout: {
        ::AerobicWorkout::Boxes boxes;
        boxes.hours = QString::number(n % 3);
        boxes.minutes = QString::number(1 + n % 59);
        boxes.distance = QString::number(n % 20);
        boxes.terrain = QStringLiteral("Hilly ");
        refusal = ::AerobicWorkout::save(folder, settings, QStringLiteral("Ou"), QStringLiteral("Running"), date,
                                         boxes)
                      .refusal;
        break;
    }
    case Weighing:
        try {
            WeightHistory(folder).addFirst(date, qint16(20 + n % 60), qint16(100 + n % 150), 70);
        } catch (const RecordFileError &e) {
            refusal = e.message();
        }
        break;
    case CustomExercise:
        refusal = ::CustomExercise::add(folder, {QStringLiteral("Biceps"), kCustomName, QStringLiteral("Curl it"),
                                                 QString::number(1 + n % 5)})
                      .refusal;
        break;
    case ExerciseDelete:
        if (customExercises(folder).isEmpty())
            qFatal("save %d: no custom exercise to delete", n);
        refusal = ExerciseDeletion::remove(folder, ExerciseDeletion::Category::Weightlifting,
                                           {ExerciseDeletion::Entry{kCustomCode, kCustomName}});
        break;
    case FoodPick: {
        FoodListRecord food;
        food.name = pending == 0 ? QStringLiteral("Skim milk (1 cup)") : QStringLiteral("Rye bread (1 slice)");
        food.calories = pending == 0 ? 83 : 81 + n % 50;
        refusal = FoodEntry::pick(folder, foodDay(n), FoodGroups::byCode(pending == 0 ? 1 : 4), food,
                                  pending == 0 ? QStringLiteral("1.5") : QStringLiteral("2"), 0)
                      .refusal;
        break;
    }
    case FoodEnter:
        // The window shows what the pending file holds.
        refusal = FoodEntry::enter(folder, foodDay(n),
                                   PendingFoods::parse(RecordFile::read(PendingFoods::path(folder)),
                                                       PendingFoods::kFileName))
                      .refusal;
        break;
    case FoodAdd:
        refusal = FoodList::add(folder, kFoodLists[n % 2], QStringLiteral("Kefir %1 (1 cup)").arg(n),
                                QString::number(1 + n % 4), QString::number(100 + n))
                      .refusal;
        break;
    case FoodDelete:
    case KindCount:
        // The first food of the first day that has one: every Enter leaves
        // two foods and a deletion takes one, so there always is one.
        for (int d = 0; d < 3 && refusal.isEmpty(); ++d) {
            const QList<FoodDayRecord> day = FoodDay::read(folder, foodDay(d));
            if (!day.isEmpty()) {
                refusal = FoodDeletion::remove(folder, foodDay(d), day.first()).refusal;
                break;
            }
        }
        break;
    }
    if (!refusal.isEmpty())
        qFatal("save %d refused: %s", n, qPrintable(refusal));
}

} // namespace CrashSaves
