#pragma once

#include "workouts/AerobicLog.h"

#include <QString>

class ColumnPage;

// The column headings of an exercise's line on the report pages, after the
// word the report begins its line with ("Date", "Exercise").
namespace ExerciseHeadings {

// `first` at column 3, then for each set k: "Weight k" at column
// 14 + 24 (k - 1) and "Set k" at 26 + 24 (k - 1).
void weightSets(ColumnPage &page, const QString &first, qint16 sets);

// `first` at column 3 and "Time" at 14, then "Distance" at 26 when the
// layout has a distance and "Terrain" at 38 when it has a terrain too.
void aerobic(ColumnPage &page, const QString &first, AerobicLog::Layout layout);

} // namespace ExerciseHeadings
