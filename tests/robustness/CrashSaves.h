#pragma once

#include <QString>

class Settings;

// The saves the crash-safety test interrupts, shared by the saving child and
// the test that replays them: each save is decided by the data folder alone
// (the number of records in the calorie journal), so replaying the same
// saves on a copy of a folder gives the same files byte for byte.
namespace CrashSaves {

// The catalogues, calorie factors, empty logs and journal the saves start on.
void prepare(const QString &folder);

// One save, in turn by the number of records of the two calorie journals: a
// weight-training workout of three exercises (1, 3 and 5 sets), an aerobic
// workout (both rewrite their logs and the exercise journal), two food picks
// into the pending-food file and their Enter (the day's food file and the
// food journal), and the deletion of a logged food (the day's food file and
// the food journal). A refusal ends the process: the folder is not as the
// saves left it.
void saveNext(const QString &folder, const Settings &settings);

} // namespace CrashSaves
