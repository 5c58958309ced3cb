#pragma once

#include <QString>

class Settings;

// The saves the crash-safety test interrupts, shared by the saving child and
// the test that replays them: each save is decided by the data folder alone
// (the number of records the saves have added to it), so replaying the same
// saves on a copy of a folder gives the same files byte for byte.
namespace CrashSaves {

// The catalogues, calorie factors, empty logs and journal the saves start on.
void prepare(const QString &folder);

// The exercise of the user's own that the saves delete with its log and
// make anew under the same name, and its code.
inline const QString kCustomName = QStringLiteral("Curl");
inline const QString kCustomCode = QStringLiteral("Bi");

// One save, in turn: a weight-training workout of three exercises (1, 3 and
// 5 sets) and the custom one, an aerobic workout, which rewrite their logs and the exercise
// journal; a weighing, which rewrites the history alone; a custom exercise,
// which appends to the catalogue and the factors and makes its log, and its
// deletion, which rewrites the catalogue and deletes the log; two food
// picks into the pending-food file and their Enter (the day's food file and
// the food journal); the deletion of a logged food (the day's food file and
// the food journal); a food of the user's own added to a food-group list. A
// refusal ends the process: the folder is not as the saves left it.
void saveNext(const QString &folder, const Settings &settings);

// The kinds of save, in turn, and the kind saveNext() makes next.
enum Kind {
    WeightWorkout,
    AerobicWorkout,
    Weighing,
    CustomExercise,
    FoodPick,
    FoodEnter,
    FoodDelete,
    FoodAdd,
    ExerciseDelete,
    KindCount
};
Kind nextKind(const QString &folder);

} // namespace CrashSaves
