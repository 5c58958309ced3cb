#include "ReportChoice.h"

ReportType ReportChoice::type() const
{
    if (options[0])
        return ReportType::ExerciseLog;
    if (options[1])
        return ReportType::Template;
    if (options[2])
        return ReportType::Foods;
    return ReportType::Descriptions;
}

bool ReportChoice::isMade() const
{
    return options[2] || !selectedEntries().isEmpty();
}

QStringList ReportChoice::selectedEntries() const
{
    QStringList out;
    for (const int row : selectedRows) {
        if (row >= 0 && row < entries.size())
            out.append(entries[row]);
    }
    return out;
}

QString ReportChoice::reportedEntry() const
{
    if (currentRow >= 0 && currentRow < entries.size() && selectedRows.contains(currentRow))
        return entries[currentRow];
    const QStringList selected = selectedEntries();
    return selected.isEmpty() ? QString() : selected.first();
}

int ReportTypes::pageLimit(ReportType type)
{
    switch (type) {
    case ReportType::ExerciseLog:
        return 45;
    case ReportType::Template:
    case ReportType::Foods:
        return 10;
    case ReportType::Descriptions:
        return 35;
    }
    return 10;
}
