#include "ExerciseHeadings.h"

#include "common/PrintColumns.h"

namespace ExerciseHeadings {

void weightSets(ColumnPage &page, const QString &first, qint16 sets)
{
    page.text(3, first);
    for (int k = 1; k <= sets; ++k) {
        page.text(14 + 24 * (k - 1), QStringLiteral("Weight %1").arg(k));
        page.text(26 + 24 * (k - 1), QStringLiteral("Set %1").arg(k));
    }
}

void aerobic(ColumnPage &page, const QString &first, AerobicLog::Layout layout)
{
    page.text(3, first).text(14, QStringLiteral("Time"));
    if (layout != AerobicLog::Layout::DateMinutes)
        page.text(26, QStringLiteral("Distance"));
    if (layout == AerobicLog::Layout::Full)
        page.text(38, QStringLiteral("Terrain"));
}

} // namespace ExerciseHeadings
